#pragma once
// Report and program classes for the protocol tests. The reports keep one row per block
// of a poll ("Block", "Bytes") after the AllPolls row; the sub-reports of Time Period are
// registered under the names the protocol creates them by, when the program has no
// classes of those names (Time Keeping's clock punches are the program's own decoder). A
// report whose code is in FailingCodes() cannot be saved.
#include "model/tEcrRpt.h"
#include "crs3000/tEcrPrgCrs3000.h"

#include <QSet>

namespace ProtoStandIns {
QSet<int>& FailingCodes();
// Registers the sub-report stand-ins (once).
void RegisterSubRpts();

class Rpt : public tEcrRpt {
public:
  explicit Rpt(TBlank blank) : tEcrRpt(blank) {}
  std::optional<TTableDef> DescribeTable() const override;
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;
  static QString NameOf(const char* className);
};

template <const char* ClassText, int Code> class RptOf final : public Rpt {
public:
  explicit RptOf(TBlank blank) : Rpt(blank) {}
  static const TClass& StaticClass() {
    static const TClass cls(ClassText, &tEcrRpt::StaticClass(), []() -> TObject* { return new RptOf(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  int GetRptCode() const override { return Code; }
  // The class name without its prefix: "Financial", "TpGrp".
  QString GetRptName() const override { return Rpt::NameOf(ClassText); }
};

inline constexpr char Financial[] = "tProtoFinancial";
inline constexpr char TimePeriod[] = "tProtoTimePeriod";
inline constexpr char TimeKeeping[] = "tProtoTimeKeeping";
inline constexpr char Journal[] = "tProtoJournal";
inline constexpr char Inventory[] = "tProtoInventory";
inline constexpr char Other[] = "tProtoOther";
using FinancialRpt = RptOf<Financial, 33>;
using TimePeriodRpt = RptOf<TimePeriod, 35>;
using TimeKeepingRpt = RptOf<TimeKeeping, 81>;
using JournalRpt = RptOf<Journal, 96>;
using InventoryRpt = RptOf<Inventory, 47>;
using OtherRpt = RptOf<Other, 70>;

// A program table of 10-byte records (2-byte BCD "Number", 8 characters "Text"), three a
// block, program code 20.
class tProtoPrg : public tEcrPrgCrs3000 {
  TB_OBJECT(tProtoPrg)

public:
  explicit tProtoPrg(TBlank blank) : tEcrPrgCrs3000(blank) {}
  int GetPrgCode() const override { return 20; }
  QString GetPrgName() const override { return QStringLiteral("Test Table"); }
  int GetPrgRecSize() const override { return 10; }
  int GetMaxRecsInBlk() const override { return 3; }
  std::optional<TTableDef> DescribeTable() const override;
  void DefineTable(TTable& table) override;
  void EncodeRecord(TTable& table, TEcrBlock& buffer, int recordIndex, int& position) override;
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;

  // Replaces the table's rows by these texts, numbered from 1.
  void Fill(const QStringList& texts);
  // The texts of the table's rows, in order.
  QStringList Texts();
};
} // namespace ProtoStandIns
