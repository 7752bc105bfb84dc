// The query server over its socket: a hundred clients at once, and a request that comes
// while another waits for the machine file is answered after it, not inside it.
#include "QueryFixture.h"

#include "app/query/QueryServer.h"
#include "model/MachineList.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
template <class Done> bool PumpUntil(Done done) {
  const QDeadlineTimer guard(30000);
  while (!done() && !guard.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

class QueryServerTest : public QueryFixture {
protected:
  QueryServerTest() : server(Path(QStringLiteral("q.sock"))) {}
  QByteArray Request(const QString& command, const QString& machine, const QString& file, const QString& param = {}) {
    return QStringList{command, machine, file, param}.join(QLatin1Char('\t')).toUtf8() + '\n';
  }
  QueryServer server;
};
} // namespace

TEST_F(QueryServerTest, AHundredClientsAtOnceAreAllAnswered) {
  AddCrsMachine(QStringLiteral("Front"));
  AddCrsMachine(QStringLiteral("Back"));
  constexpr int kClients = 100;
  std::vector<std::unique_ptr<QLocalSocket>> clients;
  for (int i = 0; i < kClients; ++i) {
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(server.Path());
    // Every client's request is on its way before the first answer is read.
    socket->write(i % 2 ? Request(QStringLiteral("MachineList"), {}, Path(QStringLiteral("m%1.txt").arg(i)))
                        : Request(QStringLiteral("Available"), QStringLiteral("Front"),
                                  Path(QStringLiteral("m%1.txt").arg(i)), QStringLiteral("1")));
    clients.push_back(std::move(socket));
  }
  ASSERT_TRUE(PumpUntil([&] {
    return std::all_of(clients.begin(), clients.end(), [](const auto& s) { return s->canReadLine(); });
  })) << server.Answered() << " answered";
  for (int i = 0; i < kClients; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(clients[i]->readLine(), "OK\n");
    const QStringList lines = Lines(Path(QStringLiteral("m%1.txt").arg(i)));
    if (i % 2)
      EXPECT_EQ(lines.size(), 2) << Joined(lines);
    else
      EXPECT_EQ(lines, QStringList{"tEcrRptCrs3000Financial"});
  }
  EXPECT_EQ(server.Answered(), kClients);
}

TEST_F(QueryServerTest, ARequestArrivingWhileAnotherWaitsIsAnsweredAfterIt) {
  AddCrsMachine(QStringLiteral("Front"));
  // Something else holds the machine file; it lets go a little later.
  auto holder = std::make_unique<TMachineFileLock>();
  QTimer::singleShot(300, [&] { holder.reset(); });
  QLocalSocket first, second;
  first.connectToServer(server.Path());
  first.write(Request(QStringLiteral("FnclList"), QStringLiteral("Front"), Path(QStringLiteral("a.txt"))));
  QTimer::singleShot(100, [&] {
    second.connectToServer(server.Path());
    second.write(Request(QStringLiteral("Foo"), QStringLiteral("Front"), Path(QStringLiteral("b.txt"))));
  });
  QStringList order;
  QObject::connect(&first, &QLocalSocket::readyRead, [&] { order << QStringLiteral("first"); });
  QObject::connect(&second, &QLocalSocket::readyRead, [&] { order << QStringLiteral("second"); });
  ASSERT_TRUE(PumpUntil([&] { return first.canReadLine() && second.canReadLine(); }));
  EXPECT_EQ(first.readLine(), "OK\n");
  EXPECT_TRUE(second.readLine().startsWith("ERR Unknown command"));
  EXPECT_EQ(order, (QStringList{"first", "second"}));
  EXPECT_EQ(Lines(Path(QStringLiteral("a.txt"))).value(0), "146");
}

TEST_F(QueryServerTest, AConnectingClientIsAnnounced) {
  int connected = 0;
  QObject::connect(&server, &QueryServer::ClientConnected, [&] { ++connected; });
  QLocalSocket client;
  client.connectToServer(server.Path());
  EXPECT_TRUE(PumpUntil([&] { return connected == 1; }));
}

TEST_F(QueryServerTest, TheProgramsStartGoesOnWithoutAServerWhenTheSocketIsTaken) {
  qputenv("TILLBRIDGE_QUERY_SOCKET", server.Path().toUtf8());
  QueryServer* second = QueryServer::Start();
  EXPECT_EQ(second, nullptr);
  ASSERT_EQ(Logged().size(), 1);
  EXPECT_TRUE(Logged()[0].contains(QStringLiteral("did not start"))) << Logged()[0].toStdString();

  const QString own = Path(QStringLiteral("own.sock"));
  qputenv("TILLBRIDGE_QUERY_SOCKET", own.toUtf8());
  int connected = 0;
  std::unique_ptr<QueryServer> started(QueryServer::Start([&] { ++connected; }));
  qunsetenv("TILLBRIDGE_QUERY_SOCKET");
  ASSERT_NE(started, nullptr);
  EXPECT_EQ(started->Path(), own);
  QLocalSocket client;
  client.connectToServer(own);
  EXPECT_TRUE(PumpUntil([&] { return connected == 1; }));
}
