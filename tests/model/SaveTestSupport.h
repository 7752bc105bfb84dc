#pragma once
// What the save tests of programs and reports share: a quiet, fast environment (no pause
// between blocks, a scripted prompter, a fixed clock), work files built from blocks, and
// row counts read straight from the database.
#include "platform/sys/Clock.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

class SaveFixture : public ::testing::Test {
protected:
  SaveFixture();
  ~SaveFixture() override;

  // A block file in the test's folder: the count, then each block.
  QString WorkFile(const QString& name, const QList<QByteArray>& blocks, qint32 count = -1);
  // The number of rows of a table of a database (by name) that match the condition.
  static qint64 Rows(const QString& database, const QString& table, const QString& where = QString(),
                     const QVariantList& values = {});
  static QList<qint64> PollIds(const QString& where = QString(), const QVariantList& values = {});

  QTemporaryDir dir;
  TimingProfile profile;
  ScriptedPrompter prompter;
  FakeClock clock{QDateTime(QDate(2026, 3, 4), QTime(10, 30))};

private:
  std::unique_ptr<ScopedTimingProfile> scopedProfile_;
  std::unique_ptr<ScopedPrompter> scopedPrompter_;
  std::unique_ptr<ScopedClock> scopedClock_;
};

// Bytes of a packed BCD number of the given width (unsigned).
QByteArray Bcd(qint64 value, int width);
