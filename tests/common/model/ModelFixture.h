#pragma once
// What the register-model tests share: a quiet, fast environment (no pause between
// blocks, a scripted prompter, a fixed clock, settings in the test's own home, tables in
// a data folder of its own), work files built from blocks, row counts read straight from
// the database, and a register driver whose programs and reports the tests add.
#include "model/ScopedDataFolder.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

class ModelFixture : public ::testing::Test {
protected:
  ModelFixture();
  ~ModelFixture() override;

  // A block file in the test's folder: the count, then each block.
  QString WorkFile(const QString& name, const QList<QByteArray>& blocks, qint32 count = -1);
  // The number of rows of a table of a database (by name) that match the condition.
  static qint64 Rows(const QString& database, const QString& table, const QString& where = QString(),
                     const QVariantList& values = {});
  static QList<qint64> PollIds(const QString& where = QString(), const QVariantList& values = {});

  QTemporaryDir dir;
  ScopedDataFolder data{dir.path()}; // every test starts with no tables
  TimingProfile profile;
  ScriptedPrompter prompter;
  FakeClock clock{QDateTime(QDate(2026, 3, 4), QTime(10, 30))};

private:
  std::unique_ptr<ScopedTimingProfile> scopedProfile_;
  std::unique_ptr<ScopedPrompter> scopedPrompter_;
  std::unique_ptr<ScopedClock> scopedClock_;
};

// A driver whose program and report lists the test fills.
class tTestDriver : public tEcr {
public:
  tTestDriver() : tEcr(TBlank{}) { Create(nullptr); }
  void Add(std::unique_ptr<tEcrPrg> prg) { AddPrg(std::move(prg)); }
  void Add(std::unique_ptr<tEcrRpt> rpt) { AddRpt(std::move(rpt)); }
};

// The blocks of a block file, read with the model's reader; count gets the file's count.
QList<QByteArray> Blocks(const QString& path, qint32* count = nullptr);
// A stored register block: DLE STX, the block number, the record count, the data, DLE
// ETX and two CRC bytes (not checked here).
QByteArray Framed(const QByteArray& data, int blockNumber = 1);
// Bytes of a packed BCD number of the given width (unsigned).
QByteArray Bcd(qint64 value, int width);

using SaveFixture = ModelFixture;
using CrsFixture = ModelFixture;
