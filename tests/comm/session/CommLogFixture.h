#pragma once
// A data folder of its own and a clock that moves only when told to, for the tests of the
// communication log.
#include "model/ScopedDataFolder.h"
#include "model/tMachine.h"
#include "platform/sys/Clock.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class CommLogFixture : public ::testing::Test {
protected:
  CommLogFixture() {
    machine.MachineId = QStringLiteral("Front Till");
    machine.StoreNumber = 12;
    machine.MachineNumber = 3;
  }

  QTemporaryDir dir;
  ScopedDataFolder data{dir.path()};
  FakeClock clock{QDateTime(QDate(2026, 3, 4), QTime(10, 30))};
  ScopedClock useClock{clock};
  tMachine machine;
};
