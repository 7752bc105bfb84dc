#pragma once
// A small program table for the tests of the program base: records of one 4-byte BCD
// value, one record a block; the table holds "Number" (key) and "Value".
#include "model/tEcrPrg.h"

#include <functional>

class tTestPrg : public tEcrPrg {
  TB_OBJECT(tTestPrg)

public:
  explicit tTestPrg(TBlank blank) : tEcrPrg(blank) {}
  int GetPrgRecSize() const override { return 4; }
  int GetInitRecs() const override { return 3; }
  QString GetPrgName() const override { return QStringLiteral("Test Program"); }
  std::optional<TTableDef> DescribeTable() const override;
  void DefineTable(TTable& table) override;
  void PreFillTable(TTable& table) override;
  void EncodeRecord(TTable& table, TEcrBlock& buffer, int recordIndex, int& position) override;
  void EncodeBlock(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table) override;
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  void AfterReadBlockFile(QFile& file) override;

  // The next table of the chain, and the block at which decoding fails (0: never).
  tEcrPrg* next = nullptr;
  int failAtBlock = 0;
  // Runs once the default rows are made, where events may run.
  std::function<void()> duringFill;

private:
  int number_ = 0;
};
