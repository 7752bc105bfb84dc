#include "ProtoFixture.h"

#include "LinkTestSupport.h"
#include "ProtoStandIns.h"
#include "WireTokens.h"
#include "comm/crs/CrsTiming.h"
#include "comm/link/SclFiles.h"
#include "crs-sim/SimFraming.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/tEcr.h"
#include "platform/sys/Folders.h"
#include "store/streaming/StreamRegistry.h"

#include <QDir>

bool SessionReceiver::event(QEvent* e) {
  if (e->type() != TSessionMsgEvent::EventType()) return QObject::event(e);
  const auto* msg = static_cast<const TSessionMsgEvent*>(e);
  messages.append({msg->Slot(), msg->Message(), msg->Source()});
  return true;
}

namespace {
// The register answers at once, so every wait for an answer is cut to the same short time
// that still leaves room for a busy test machine; the pauses between frames shrink to a
// fiftieth. No test waits for real seconds.
#ifdef TB_SANITIZED
constexpr int kAnswerMs = 1000;
#else
constexpr int kAnswerMs = 250;
#endif
constexpr double kPauseScale = 0.02;

bool WaitsForAnAnswer(CrsTiming::Interval interval) {
  return interval >= CrsTiming::PrgReceiveCmd && interval <= CrsTiming::Status;
}

CrsSimConfig SimConfig() {
  CrsSimConfig config;
  config.lostAckResendMs = 30; // well inside the wait for the next block
  return config;
}

} // namespace

QByteArray CommandBody(quint8 command, const QByteArray& data, const QByteArray& store, quint8 first, quint8 last) {
  return char(command) + data + store + char(first) + char(last);
}

ProtoFixture::ProtoFixture() : sim(SimConfig()) {
  QDir().mkpath(Folders::CommonFolder());
  for (int i = 0; i < CrsTiming::IntervalCount; ++i) {
    const auto interval = CrsTiming::Interval(i);
    SetMs(CrsTiming::Name(interval), WaitsForAnAnswer(interval)
                                         ? kAnswerMs
                                         : std::max(1, int(CrsTiming::DefaultMs(interval) * kPauseScale)));
  }
  scopedProfile_ = std::make_unique<ScopedTimingProfile>(profile);
  scopedClock_ = std::make_unique<ScopedClock>(clock);
  scopedPrompter_ = std::make_unique<ScopedPrompter>(prompter);
  SetSclFileFolder(work.path());
  TCommWorkFile::SetFolder(work.path());
  ProtoStandIns::RegisterSubRpts();

  MapComPort(7, pty.SlavePath());
  port.SetComNumber(7);
  port.SetAutoOpen(false);
  port.SetPromptForPort(false);
  port.SetOpen(true);
  sim.Start(pty.Master()); // once the far end is open, or the register sees the line closed

  machine.MachineId = QStringLiteral("Front");
  machine.StoreNumber = 1;
  machine.BaudRate = 9600;
  machine.SetEcr(tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0302")), &machine));
  module = std::make_unique<TdmCommCrs>();
  module->InitSession(&machine, &port, kSlot, &receiver, &progress);
}

ProtoFixture::~ProtoFixture() {
  module.reset();
  port.SetOpen(false);
  sim.Stop();
  TCommWorkFile::SetFolder(QString());
  SetSclFileFolder(QString());
  ProtoStandIns::FailingCodes().clear();
}

tEcrCrs3000& ProtoFixture::Driver() const { return *dynamic_cast<tEcrCrs3000*>(machine.Ecr()); }

tMpMessage ProtoFixture::Run(const std::function<void()>& start, int timeoutMs) {
  receiver.messages.clear();
  start();
  const bool ended = WaitFor([&] { return !receiver.messages.isEmpty(); }, timeoutMs);
  // Frames still on their way, and any second end report, show up meanwhile.
  WaitFor([] { return false; }, 50);
  sim.WaitFor([](const CrsSim::Entries& t) { return std::all_of(t.begin(), t.end(), [](const auto& e) { return e.IsWritten(); }); },
              1000);
  // The register's independent framing of what the system sent gives the same bytes.
  for (const SimTranscriptEntry& e : sim.Transcript())
    if (!e.sent && e.kind == SimWireFrame::Data) {
      EXPECT_TRUE(e.crcOk) << WireTokens::Hex(e.wire).toStdString();
      EXPECT_EQ(WireTokens::Hex(e.wire), WireTokens::Hex(SimFraming::DataFrame(e.body)));
    }
  if (!ended) return MpmInitial;
  EXPECT_EQ(receiver.messages.size(), 1) << "one end report per transfer";
  EXPECT_EQ(receiver.messages.first().slot, kSlot);
  EXPECT_EQ(receiver.messages.first().source, module.get());
  return receiver.messages.first().message;
}

QStringList ProtoFixture::Wire() const { return WireTokens::All(sim); }

QStringList ProtoFixture::Sent() const { return WireTokens::Received(sim); }
