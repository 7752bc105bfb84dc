#pragma once
// Report decoders built on the CRS 3000 base for the tests.
//
// tTestCpnDecoder follows the decoder pattern as the register's coupon-like reports do:
// 11-byte records (a totaliser: 6-byte total, then 5-byte count), three a block, rows
// numbered across blocks, names looked up in the driver's "tTestCrsPrg" table ("Text"
// by "Number"). shortBy makes it read fewer bytes than a record holds.
//
// tTestChain0 .. tTestChain5 are a head and five sections decoded from one work file: a
// data block holds six 4-byte values and each class takes its own by GetRecStart and
// GetSkipBytes.
#include "crs3000/TEcrNameLookup.h"
#include "crs3000/tEcrRptCrs3000.h"

class tTestCpnDecoder : public tEcrRptCrs3000 {
  TB_OBJECT(tTestCpnDecoder)

public:
  explicit tTestCpnDecoder(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 44; }
  QString GetRptName() const override { return QStringLiteral("Coupon"); }
  int GetPrgRecSize() const override { return 11; }
  int GetRecsInBlk() const override { return 3; }
  std::optional<TTableDef> DescribeTable() const override;
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;

  int shortBy = 0;
  TEcrNameLookup names;
};

class tTestChainBase : public tEcrRptCrs3000 {
  TB_OBJECT(tTestChainBase)

public:
  explicit tTestChainBase(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetPrgRecSize() const override { return 4; }
  int GetRecStart() const override { return 4 * Part(); }
  int GetSkipBytes() const override { return 20; }
  QString ReportFormClass() const override { return QStringLiteral("TQrTestChain"); }
  std::optional<TTableDef> DescribeTable() const override;
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;
  virtual int Part() const { return 0; }

  // Every chain object that decoded, with what it was given.
  struct Seen {
    QString className;
    bool autoReport, autoExport, appendExport;
    QString exportFile;
  };
  static QList<Seen> seen;
};

#define TB_TEST_CHAIN_CLASS(Name, PartNo)                                                  \
  class Name : public tTestChainBase {                                                     \
    TB_OBJECT(Name)                                                                        \
  public:                                                                                  \
    explicit Name(TBlank blank) : tTestChainBase(blank) {}                                 \
    int Part() const override { return PartNo; }                                           \
    const TClass* NextRptClass() const override;                                           \
  };

TB_TEST_CHAIN_CLASS(tTestChain0, 0)
TB_TEST_CHAIN_CLASS(tTestChain1, 1)
TB_TEST_CHAIN_CLASS(tTestChain2, 2)
TB_TEST_CHAIN_CLASS(tTestChain3, 3)
TB_TEST_CHAIN_CLASS(tTestChain4, 4)
TB_TEST_CHAIN_CLASS(tTestChain5, 5)
