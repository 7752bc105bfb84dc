// Output paced at 10 bits a character, without spinning.
#include "SimExchangeFixture.h"

#include <atomic>
#include <sys/resource.h>
#include <unistd.h>

namespace {
QByteArray PlainBlock(int size) {
  QByteArray body(size, '\0');
  for (int i = 0; i < size; ++i) body[i] = char(0x20 + i % 90); // no 0x10: no doubling
  return body;
}

// CPU time of the calling thread.
qint64 ThreadCpuUs() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
}
} // namespace

class SimPacing : public SimExchange {
protected:
  SimPacing() { sim.SetReport(50, {PlainBlock(200)}); }

  struct Timing {
    qint64 arrivalUs = 0; // from sending the D0 to the answer's last byte arriving
    qint64 writingUs = 0; // the transcript: from the first to the last byte written
    qint64 cpuUs = 0;     // the serving thread's CPU time from taking the D0 to the last byte
  };

  // Reads report 50 (one 206-byte frame). The observer runs on the serving thread, so it
  // can read that thread's CPU time.
  Timing Read() {
    std::atomic<qint64> cpuAtCommand{0}, cpuAtBlock{0};
    std::atomic<bool> blockSeen{false};
    sim.SetObserver([&](const SimTranscriptEntry& e) {
      (e.sent ? cpuAtBlock : cpuAtCommand).store(ThreadCpuUs());
      if (e.sent) blockSeen.store(true);
    });
    sim.ClearTranscript();
    const qint64 start = SimLineDriver::NowUs();
    const QByteArray frame = Ask(Command(0xD0, 50));
    Timing timing;
    timing.arrivalUs = line.LastByteUs() - start;
    EXPECT_EQ(frame.size(), 206);
    for (int i = 0; i < 1000 && !blockSeen.load(); ++i) usleep(1000); // the observer runs last
    sim.SetObserver(nullptr);
    EXPECT_TRUE(blockSeen.load());
    const SimTranscriptEntry block = sim.Transcript().value(1);
    timing.writingUs = block.endUs - block.startUs;
    timing.cpuUs = cpuAtBlock - cpuAtCommand;
    EXPECT_EQ(Ask(ACK), EOT);
    return timing;
  }
};

TEST_F(SimPacing, TenBitsACharacterAtTheBaudRateSet) {
  // The arrival can never be early; delays on a busy machine only add time, so the upper
  // bounds hold the best of three. (The first byte may be written late and the rest
  // catch up, so the written spread has no exact lower bound.)
  for (int baud : {19200, 38400}) {
    sim.SetBaud(baud);
    const qint64 expected = 205LL * 10 * 1000000 / baud; // 205 gaps between 206 bytes
    Timing best{INT64_MAX, INT64_MAX, INT64_MAX};
    for (int run = 0; run < 3; ++run) {
      const Timing t = Read();
      EXPECT_GE(t.arrivalUs, expected * 99 / 100) << baud; // never faster than the line
      best = {std::min(best.arrivalUs, t.arrivalUs), std::min(best.writingUs, t.writingUs),
              std::min(best.cpuUs, t.cpuUs)};
    }
    EXPECT_LE(best.arrivalUs, expected + 30000) << baud;
    EXPECT_LE(best.writingUs, expected + 10000) << baud;
    // Spinning would cost the whole time; sleeping between bytes a fraction of it.
    if (baud == 19200) {
      EXPECT_LT(best.cpuUs, expected / 2) << "the pacing must sleep, not spin";
    }
  }
}

TEST_F(SimPacing, WithoutABaudRateTheFrameGoesAtOnce) {
  EXPECT_EQ(Read().writingUs, 0); // one write for the whole frame
}
