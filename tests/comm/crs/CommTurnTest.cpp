// Timers put off during a turn fire once the outermost turn is over, in the order put off.
#include "comm/crs/CommTurn.h"
#include "comm/link/LinkTestSupport.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

TEST(CommTurn, TimersPutOffFireInOrderAfterTheOutermostTurn) {
  QList<int> fired;
  QTimer first, second;
  auto gone = std::make_unique<QTimer>();
  for (auto [timer, n] : {std::pair{&first, 1}, std::pair{&second, 2}, std::pair{gone.get(), 3}}) {
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, [&fired, n] { fired.append(n); });
  }
  {
    const CommTurn outer;
    EXPECT_TRUE(CommTurn::Taken());
    {
      const CommTurn inner;
      first.start(0);
      CommTurn::Defer(first);
      CommTurn::Defer(*gone);
    }
    CommTurn::Defer(second);
    CommTurn::Defer(first); // once is enough
    EXPECT_FALSE(first.isActive());
    QCoreApplication::processEvents();
    EXPECT_TRUE(fired.isEmpty()) << "fired while a turn was on the stack";
  }
  EXPECT_FALSE(CommTurn::Taken());
  gone.reset();
  EXPECT_TRUE(WaitFor([&] { return fired.size() >= 2; }, 1000));
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, QList<int>({1, 2}));
}
