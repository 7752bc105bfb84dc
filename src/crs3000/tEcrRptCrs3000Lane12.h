#pragma once
// The open orders of tracks 1 and 2, one table for both: a record an open order with its
// tracking number, order number, cashier, time and balance. Registers of ROM version 4
// send a tracking number one character longer, and every later field one byte further on
// (the V4 classes, layout variant 1).
//
// A row is keyed by its poll, its track and its place in the report, which no two
// records share: two orders may carry the same tracking number, or none.
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000Lane12 : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000Lane12)

public:
  explicit tEcrRptCrs3000Lane12(TBlank blank) : tEcrRptCrs3000(blank) {}
  QString GetRptName() const override { return QStringLiteral("Open Orders"); }
  int GetRecsInBlk() const override { return 60; }
  QString GetTableName() const override { return QStringLiteral("tEcrRptCrs3000Lane12"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts"); }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000Trk12"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }
  QList<TFieldDef> LookUpFields() const override; // "Track"
  void FillLookUps(TTable& table, int recordNumber) override;
  QStringList KeyFields() const override; // Poll Id, Track, Memory Number
  // Poll Id, Tracking Number, Track, Memory Number, Order, Cashier, Time, Balance.
  std::optional<TTableDef> DescribeTable() const override;

  // The track the rows belong to (0 here).
  virtual int GetTrackNo() const { return 0; }
};

class tEcrRptCrs3000OpnOrdTrk1 : public tEcrRptCrs3000Lane12 {
  TB_OBJECT(tEcrRptCrs3000OpnOrdTrk1)

public:
  explicit tEcrRptCrs3000OpnOrdTrk1(TBlank blank) : tEcrRptCrs3000Lane12(blank) {}
  int GetRptCode() const override { return 64; }
  QString GetRptName() const override { return QStringLiteral("Open Orders Track 1"); }
  int GetTrackNo() const override { return 1; }
};

class tEcrRptCrs3000OpnOrdTrk1V4 : public tEcrRptCrs3000OpnOrdTrk1 {
  TB_OBJECT(tEcrRptCrs3000OpnOrdTrk1V4)

public:
  explicit tEcrRptCrs3000OpnOrdTrk1V4(TBlank blank) : tEcrRptCrs3000OpnOrdTrk1(blank) {}
  int LayoutVariant() const override { return 1; }
};

class tEcrRptCrs3000OpnOrdTrk2 : public tEcrRptCrs3000Lane12 {
  TB_OBJECT(tEcrRptCrs3000OpnOrdTrk2)

public:
  explicit tEcrRptCrs3000OpnOrdTrk2(TBlank blank) : tEcrRptCrs3000Lane12(blank) {}
  int GetRptCode() const override { return 65; }
  QString GetRptName() const override { return QStringLiteral("Open Orders Track 2"); }
  int GetTrackNo() const override { return 2; }
};

class tEcrRptCrs3000OpnOrdTrk2V4 : public tEcrRptCrs3000OpnOrdTrk2 {
  TB_OBJECT(tEcrRptCrs3000OpnOrdTrk2V4)

public:
  explicit tEcrRptCrs3000OpnOrdTrk2V4(TBlank blank) : tEcrRptCrs3000OpnOrdTrk2(blank) {}
  int LayoutVariant() const override { return 1; }
};
