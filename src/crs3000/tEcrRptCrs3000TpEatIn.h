#pragma once
// The follow-up reports of a time period poll whose records are time period records:
// eat-in and take-out sales and the order tracks 1 and 2. Each is saved as a poll of its
// own into the time period table; they differ only in code and name. No ROM list offers
// them: the time period poll reads them by the bits of its parameter 6.
#include "crs3000/tEcrRptCrs3000TimePeriod.h"

class tEcrRptCrs3000TpEatIn : public tEcrRptCrs3000TimePeriod {
  TB_OBJECT(tEcrRptCrs3000TpEatIn)

public:
  explicit tEcrRptCrs3000TpEatIn(TBlank blank) : tEcrRptCrs3000TimePeriod(blank) {}
  int GetRptCode() const override { return 56; }
  QString GetRptName() const override { return QStringLiteral("Time Period Eat In"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000"); }
};

#define TB_CRS3000_TP_FOLLOW_UP(Name, Code, Title)                                                  \
  class Name : public tEcrRptCrs3000TpEatIn {                                                       \
    TB_OBJECT(Name)                                                                                 \
  public:                                                                                           \
    explicit Name(TBlank blank) : tEcrRptCrs3000TpEatIn(blank) {}                                   \
    int GetRptCode() const override { return Code; }                                                \
    QString GetRptName() const override { return QStringLiteral(Title); }                           \
  };

TB_CRS3000_TP_FOLLOW_UP(tEcrRptCrs3000TpTakeOut, 57, "Time Period Take Out")
TB_CRS3000_TP_FOLLOW_UP(tEcrRptCrs3000TpTrack1, 58, "Time Period Track 1")
TB_CRS3000_TP_FOLLOW_UP(tEcrRptCrs3000TpTrack2, 59, "Time Period Track 2")
