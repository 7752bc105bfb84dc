// The local line server and its client: user-only socket, one reply per request line,
// over-long lines, stale and live socket files, idle connections, replies to clients
// that have gone.
#include "platform/localsrv/LocalLineClient.h"
#include "platform/localsrv/LocalLineServer.h"
#include "platform/localsrv/LocalSrvErrors.h"
#include "platform/sys/TimingProfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <cstring>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Runs the work on a thread of its own while this thread handles the server's events.
template <class Work> auto OffThread(Work work) {
  auto future = std::async(std::launch::async, work);
  const QDeadlineTimer guard(20000);
  while (future.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready && !guard.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return future.get();
}

template <class Done> bool PumpUntil(Done done) {
  const QDeadlineTimer guard(10000);
  while (!done() && !guard.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

class LocalLineServerTest : public ::testing::Test {
protected:
  LocalLineServerTest() {
    profile.scale = 0.01; // the idle time of 60 s becomes 0.6 s
  }
  QString Path() const { return dir.path() + QStringLiteral("/svc"); }
  // A server that answers "echo:" and the line, or keeps the reply for later.
  void Start(qsizetype limit = 64) {
    server = std::make_unique<LocalLineServer>(limit, [this](const LocalLineServer::Request& r) {
      seen.append(r);
      if (!holdReplies) r.reply.Send((r.overlong ? "long:" : "echo:") + r.line);
    });
    server->Listen(Path());
  }
  QByteArray Ask(const QByteArray& line, int timeoutMs = 5000) {
    const QString path = Path();
    return OffThread([=] { return LocalLineClient::Ask(path, line, timeoutMs); });
  }

  TimingProfile profile;
  ScopedTimingProfile scopedProfile{profile};
  QTemporaryDir dir;
  std::unique_ptr<LocalLineServer> server;
  QList<LocalLineServer::Request> seen;
  bool holdReplies = false;
};
} // namespace

TEST_F(LocalLineServerTest, TheSocketIsTheUsersAlone) {
  Start();
  const QFileInfo info(Path());
  ASSERT_TRUE(info.exists());
  EXPECT_EQ(info.ownerId(), getuid());
  const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::WriteOther | QFile::ExeOther;
  EXPECT_EQ(info.permissions() & others, QFile::Permissions()) << std::hex << int(info.permissions());
  EXPECT_TRUE(info.permissions() & QFile::WriteOwner);
}

TEST_F(LocalLineServerTest, EachLineGetsItsReplyInOrder) {
  Start();
  EXPECT_EQ(Ask("MachineList\t\t/tmp/x\t"), "echo:MachineList\t\t/tmp/x\t");
  // Several lines on one connection, sent in one write, answered in order.
  const QString path = Path();
  const QByteArray replies = OffThread([=] {
    QLocalSocket socket;
    socket.connectToServer(path);
    socket.waitForConnected(5000);
    socket.write("one\ntwo\r\nthree\n");
    QByteArray got;
    const QDeadlineTimer deadline(5000);
    while (got.count('\n') < 3 && !deadline.hasExpired() && socket.waitForReadyRead(int(deadline.remainingTime())))
      got += socket.readAll();
    return got;
  });
  EXPECT_EQ(replies, "echo:one\necho:two\necho:three\n");
}

TEST_F(LocalLineServerTest, AnOverlongLineReachesTheHandlerCutAndTheNextLineIsRead) {
  Start(16);
  const QString path = Path();
  const QByteArray replies = OffThread([=] {
    QLocalSocket socket;
    socket.connectToServer(path);
    socket.waitForConnected(5000);
    socket.write(QByteArray(100000, 'z') + "\nafter\n");
    QByteArray got;
    const QDeadlineTimer deadline(5000);
    while (got.count('\n') < 2 && !deadline.hasExpired() && socket.waitForReadyRead(int(deadline.remainingTime())))
      got += socket.readAll();
    return got;
  });
  EXPECT_EQ(replies, "long:" + QByteArray(16, 'z') + "\necho:after\n");
  ASSERT_EQ(seen.size(), 2);
  EXPECT_TRUE(seen[0].overlong);
}

TEST_F(LocalLineServerTest, AStaleSocketFileIsReplacedButALiveServerIsNot) {
  {
    // A socket file whose server has gone: bound, then its descriptor closed.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(Path());
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(Path()));
  }
  Start();
  EXPECT_EQ(Ask("hello"), "echo:hello");

  LocalLineServer second(64, [](const LocalLineServer::Request&) {});
  EXPECT_THROW(second.Listen(Path()), ELocalServer);
  EXPECT_EQ(Ask("still there"), "echo:still there");
}

TEST_F(LocalLineServerTest, ASilentConnectionIsClosedButNotOneAwaitingItsAnswer) {
  holdReplies = true;
  Start();
  QLocalSocket silent;
  silent.connectToServer(Path());
  ASSERT_TRUE(PumpUntil([&] { return server->Connections() == 1; }));
  QLocalSocket waiting;
  waiting.connectToServer(Path());
  waiting.write("pending\n");
  ASSERT_TRUE(PumpUntil([&] { return seen.size() == 1; }));
  // The idle time (0.6 s scaled) passes: the silent one is closed, the waiting one kept.
  EXPECT_TRUE(PumpUntil([&] { return silent.state() == QLocalSocket::UnconnectedState; }));
  EXPECT_EQ(waiting.state(), QLocalSocket::ConnectedState);
  EXPECT_EQ(server->Connections(), 1);
  seen[0].reply.Send("late");
  EXPECT_TRUE(PumpUntil([&] { return waiting.canReadLine(); }));
  EXPECT_EQ(waiting.readLine(), "late\n");
}

TEST_F(LocalLineServerTest, AReplyToAClientThatHasGoneIsDropped) {
  holdReplies = true;
  Start();
  {
    QLocalSocket socket;
    socket.connectToServer(Path());
    socket.write("then gone\n");
    ASSERT_TRUE(PumpUntil([&] { return seen.size() == 1; }));
    socket.abort();
  }
  ASSERT_TRUE(PumpUntil([&] { return !seen[0].reply.Connected(); }));
  seen[0].reply.Send("nobody listens"); // nothing happens
  EXPECT_EQ(server->Connections(), 0);
}

TEST_F(LocalLineServerTest, TheClientSaysWhenNoServerIsThereOrNoAnswerComes) {
  EXPECT_THROW(Ask("anyone?"), ELocalClient);
  holdReplies = true;
  Start();
  EXPECT_THROW(Ask("no answer", 200), ELocalClient);
  EXPECT_THROW(LocalLineClient::Ask(Path(), "two\nlines", 200), ELocalClient);
}

// A notice goes to every client connected; a client waiting for its answer passes over the
// notices that come before it.
TEST_F(LocalLineServerTest, NoticesReachEveryClientAndAWaitingAskPassesOverThem) {
  holdReplies = true;
  Start();
  QLocalSocket listener;
  listener.connectToServer(Path());
  ASSERT_TRUE(PumpUntil([&] { return server->Connections() == 1; }));
  const QString path = Path();
  auto answer = std::async(std::launch::async, [path] { return LocalLineClient::Ask(path, "question", 5000); });
  ASSERT_TRUE(PumpUntil([&] { return seen.size() == 1; }));
  server->Notify("VoderodAzuOpen");
  server->Notify("VoderodAzuOpen");
  seen[0].reply.Send("the answer");
  ASSERT_TRUE(PumpUntil([&] { return answer.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }));
  EXPECT_EQ(answer.get(), "the answer");
  ASSERT_TRUE(PumpUntil([&] { return listener.bytesAvailable() >= 2 * qint64(sizeof "!VoderodAzuOpen\n" - 1); }));
  EXPECT_EQ(listener.readAll(), "!VoderodAzuOpen\n!VoderodAzuOpen\n");
}

// A reply that would read as a notice is set apart by a space, so the client still takes it.
TEST_F(LocalLineServerTest, AReplyBeginningWithTheNoticeMarkIsNotTakenForANotice) {
  Start();
  holdReplies = true;
  const QString path = Path();
  auto answer = std::async(std::launch::async, [path] { return LocalLineClient::Ask(path, "x", 5000); });
  ASSERT_TRUE(PumpUntil([&] { return seen.size() == 1; }));
  seen[0].reply.Send("!x");
  ASSERT_TRUE(PumpUntil([&] { return answer.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }));
  EXPECT_EQ(answer.get(), " !x");
}
