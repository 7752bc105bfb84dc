#pragma once
// Program tables of the CRS 3000 base for the tests: records of 50 bytes, "Number" as
// 2-byte BCD and "Text" of 48 register characters. The constants that place a table in
// a transfer are fields the tests set. A record whose text is "FAIL" cannot be encoded.
#include "crs3000/tEcrPrgCrs3000.h"

class tTestCrsPrg : public tEcrPrgCrs3000 {
  TB_OBJECT(tTestCrsPrg)

public:
  explicit tTestCrsPrg(TBlank blank) : tEcrPrgCrs3000(blank) {}
  int GetPrgRecSize() const override { return 50; }
  int GetMaxRecsInBlk() const override { return maxRecs; }
  int GetFirstBlk() const override { return firstBlk; }
  int GetLastBlk() const override { return lastBlk; }
  int GetBlkOffset() const override { return offset; }
  int GetBlkRestSize() const override { return rest; }
  int GetInitRecs() const override { return initRecs; }
  const TClass* NextPrgClass() override { return nextClass; }
  std::optional<TTableDef> DescribeTable() const override;
  void EncodeRecord(TTable& table, TEcrBlock& buffer, int recordIndex, int& position) override;
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;

  int maxRecs = 40;
  int firstBlk = 1;
  int lastBlk = 32767;
  int offset = 0;
  int rest = 0;
  int initRecs = 0;
  const TClass* nextClass = nullptr;
};

// A second table class, for chains (the driver finds programs by class).
class tTestCrsPrgB : public tTestCrsPrg {
  TB_OBJECT(tTestCrsPrgB)

public:
  explicit tTestCrsPrgB(TBlank blank) : tTestCrsPrg(blank) {}
};

// A table that continues an earlier table's transfer, as the lookups follow the PLUs.
class tTestCrsLookups : public tTestCrsPrg {
  TB_OBJECT(tTestCrsLookups)

public:
  explicit tTestCrsLookups(TBlank blank) : tTestCrsPrg(blank) {}
  void Create(TObject* owner) override;
  void WriteBlockFile(QFile& file, bool isNew) override;
};
