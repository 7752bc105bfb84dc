#pragma once
// The base of every register report form: Letter portrait with 10 mm margins, the poll's
// header in TitleBand1 (read from the poll's row of AllPolls, bound as the source
// "AllPolls"), a column header and a detail band over the rows of the poll's report table
// (the master rows). Nothing prints for a poll without rows. In this base the header is a
// page header, printed on every page; for a consolidated poll ("Misc Info 3" = -1) it is
// relabelled with the ranges of the consolidation.
//
// A form is made from the report registry by its form class name, given its poll
// (SetPoll) and the programs that name its lines (BindPrograms), then generated any number
// of times. Positions are in form pixels.
#include "reports/engine/RptReport.h"

class RptKeyedSource;
class tEcrRpt;

class TQrEcrRpt : public RptReport {
public:
  static constexpr const char* kPollSource = "AllPolls";

  explicit TQrEcrRpt(const QString& name);

  // The poll's header row and its report rows; the form owns neither.
  void SetPoll(RptKeyedSource* header, RptRowSource* rows);
  // Binds the program tables the form reads, by the report object's driver. None here.
  virtual void BindPrograms(const tEcrRpt& report);

  RptBand& TitleBand1() const { return *titleBand_; }
  RptBand& ColumnHeaderBand1() const { return *columnHeader_; }
  RptBand& DetailBand1() const { return *detail_; }

  // A value of the poll's header row.
  RptValue PollField(const QString& field) const;

protected:
  // The CRS 3000 base prints the header once, as a title, in a taller band.
  TQrEcrRpt(const QString& name, RptBandKind headerKind, double headerHeightPx);
  virtual void TitleBand1BeforePrint(RptBand& band, bool& printBand);

private:
  RptBand* titleBand_ = nullptr;
  RptBand* columnHeader_ = nullptr;
  RptBand* detail_ = nullptr;
};
