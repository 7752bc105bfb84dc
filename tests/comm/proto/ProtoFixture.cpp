#include "ProtoFixture.h"

#include "LinkTestSupport.h"
#include "ProtoStandIns.h"
#include "comm/CrsTiming.h"
#include "comm/link/SclFiles.h"
#include "crs-sim/SimFraming.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/tEcr.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Folders.h"
#include "store/StreamRegistry.h"

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
constexpr int kAnswerMs = 120;
constexpr double kPauseScale = 0.02;

bool WaitsForAnAnswer(CrsTiming::Interval interval) {
  return interval >= CrsTiming::PrgReceiveCmd && interval <= CrsTiming::Status;
}

CrsSimConfig SimConfig() {
  CrsSimConfig config;
  config.lostAckResendMs = 30; // well inside the wait for the next block
  return config;
}

QString Hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

// A system frame is read as a command by its shape (the register's note tells only what
// it made of the frame, and an idle register ignores a block).
bool IsCommand(const QByteArray& body) {
  static const QByteArray kCommands("\xA0\xB0\xC0\xC1\xD0\xE0\xF0");
  return (body.size() == 8 || body.size() == 22) && kCommands.contains(body[0]);
}

QString DataToken(const SimTranscriptEntry& e) {
  const QByteArray& body = e.body;
  if (!e.sent && IsCommand(body)) {
    const qsizetype data = body.size() - 6;
    return QStringLiteral("CMD %1 %2 %3").arg(Hex(body.left(data)), QString::fromLatin1(body.mid(data, 4)),
                                               Hex(body.right(2)).remove(QLatin1Char(' ')));
  }
  if (e.sent && e.note.contains(QLatin1String("status"))) return QStringLiteral("STAT %1").arg(Hex(body.mid(2, 1)));
  if (e.sent && e.note.contains(QLatin1String("error block"))) return QStringLiteral("ERR %1").arg(quint8(body[3]));
  return QStringLiteral("BLK %1").arg(body.isEmpty() ? -1 : int(quint8(body[0])));
}

QString Token(const SimTranscriptEntry& e) {
  const QString dir = e.sent ? QStringLiteral("< ") : QStringLiteral("> ");
  switch (e.kind) {
  case SimWireFrame::Ack: return dir + QStringLiteral("ACK");
  case SimWireFrame::Nak: return dir + QStringLiteral("NAK");
  case SimWireFrame::Eot: return dir + QStringLiteral("EOT");
  case SimWireFrame::Data: return dir + (e.crcOk ? QString() : QStringLiteral("BAD ")) + DataToken(e);
  default: return dir + QStringLiteral("NOISE ") + Hex(e.wire);
  }
}
} // namespace

QByteArray CommandBody(quint8 command, const QByteArray& data, const QByteArray& store, quint8 first, quint8 last) {
  return char(command) + data + store + char(first) + char(last);
}

ProtoFixture::ProtoFixture() : sim(SimConfig()) {
  QDir().mkpath(Folders::CommonFolder());
  // Each test stores its polls and tables in a data folder of its own.
  QDir().mkpath(work.filePath(QStringLiteral("data")));
  EngineConfig::SetAlias(QString::fromLatin1(EngineConfig::kDataAlias), work.filePath(QStringLiteral("data")));
  for (int i = 0; i < CrsTiming::IntervalCount; ++i) {
    const auto interval = CrsTiming::Interval(i);
    SetMs(CrsTiming::Name(interval), WaitsForAnAnswer(interval)
                                         ? kAnswerMs
                                         : std::max(1, int(CrsTiming::DefaultMs(interval) * kPauseScale)));
  }
  profile.intervals.insert(QStringLiteral("BlockPause"), 0);
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
  TSession::Default().CloseAll();
  EngineConfig::DeleteAlias(QString::fromLatin1(EngineConfig::kDataAlias));
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
      EXPECT_TRUE(e.crcOk) << Hex(e.wire).toStdString();
      EXPECT_EQ(Hex(e.wire), Hex(SimFraming::DataFrame(e.body)));
    }
  if (!ended) return MpmInitial;
  EXPECT_EQ(receiver.messages.size(), 1) << "one end report per transfer";
  EXPECT_EQ(receiver.messages.first().slot, kSlot);
  EXPECT_EQ(receiver.messages.first().source, module.get());
  return receiver.messages.first().message;
}

QStringList ProtoFixture::Wire() const {
  QStringList tokens;
  for (const SimTranscriptEntry& e : sim.Transcript()) tokens.append(Token(e));
  return tokens;
}

QStringList ProtoFixture::Sent() const {
  QStringList tokens;
  for (const SimTranscriptEntry& e : sim.Transcript())
    if (!e.sent) tokens.append(Token(e));
  return tokens;
}
