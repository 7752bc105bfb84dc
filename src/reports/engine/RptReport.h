#pragma once
// A report definition: page setup, bands, data sources, sums and the report's own events.
// One definition can be generated any number of times (a preview, then a print from it);
// each generation starts with the report's BeforePrint, where a form resets its per-run
// state, so no generation depends on the one before.
//
// A generation, in order:
//  1. BeforePrint(report, print); print false cancels and nothing is produced. Then the
//     master rows are rewound (BeforePrint may walk them first) and every sum is reset.
//  2. Page 1: the page header chain, the title chain, the column header chain.
//  3. For each master row (once, with no master): at a change of a group key, the footer
//     chains of the groups that end (innermost first, reading the group's last row), then
//     the header chains of the groups that start; then the detail chain. Without rows and
//     with PrintIfEmpty off, the run produces nothing.
//  4. After the last row: the footer chains of all groups, then the summary chain (both read
//     the last row).
//  5. AfterPrint(report), also after a run that produced nothing.
// Bands never split. A band that does not fit below the last one starts a new page, which
// gets the page header and column header chains first; a group header needs room for itself
// and the detail band below it. A band taller than an empty page is placed and runs over.
//
// A small definition, positions in form pixels:
//   RptReport report("Coupons");
//   report.SetMaster(&rows);
//   report.AddBand(RptBandKind::ColumnHeader, "Columns", 20).AddLabel("Cap", {0, 0, 96, 16}, "Coupon");
//   RptBand& line = report.AddBand(RptBandKind::Detail, "Line", 18);
//   line.AddDataText("Total", {400, 0, 120, 16}, "", "Coupon Total", "$###,##0.00");
//   line.OnBeforePrint([&](RptBand&, bool& print) { print = !zeroSkip || rows.Field("Count").ToBool(); });
//   report.AddFieldSum("AllTotals", "Coupon Total");
//   report.AddBand(RptBandKind::Summary, "Totals", 18)
//       .AddComputed("Sum", {400, 0, 120, 16}, [&] { return report.Sum("AllTotals"); });
//   std::optional<RptPageModel> pages = report.Generate();
#include "reports/engine/RptBand.h"
#include "reports/engine/RptFormatter.h"
#include "reports/engine/RptPageModel.h"
#include "reports/engine/RptRowSource.h"
#include "reports/engine/RptSum.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class RptReport {
public:
  using BeforePrint = std::function<void(RptReport& report, bool& print)>;
  using AfterPrint = std::function<void(RptReport& report)>;

  explicit RptReport(QString name = QString());
  virtual ~RptReport();
  RptReport(const RptReport&) = delete;
  RptReport& operator=(const RptReport&) = delete;

  const QString& Name() const { return name_; }
  // The text of Title system data and of the page model's title.
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  RptPageSetup& PageSetup() { return setup_; }
  const RptPageSetup& PageSetup() const { return setup_; }

  // Title, page header, column header, detail and summary: one band of each kind at most.
  RptBand& AddBand(RptBandKind kind, const QString& name, double heightPx);
  // A child at the end of the chain that starts at parent.
  RptBand& AddChild(RptBand& parent, const QString& name, double heightPx);
  // Groups nest in the order they are added, the first outermost.
  RptBand& AddGroup(const QString& name, double heightPx, RptBand::GroupKey key);
  RptBand& AddGroupFooter(RptBand& groupHeader, const QString& name, double heightPx);
  // A group key that reads a field of the master rows.
  RptBand::GroupKey MasterField(const QString& field);

  // The band of a kind (the first, for children, group headers and footers), or nullptr.
  RptBand* BandOf(RptBandKind kind) const;
  const std::vector<RptBand*>& Groups() const { return groups_; }
  // Every band, in the order added.
  const std::vector<std::unique_ptr<RptBand>>& Bands() const { return bands_; }
  // Bands and elements by name, letter case ignored: Find* gives nullptr, the others raise
  // ERptNameNotFound.
  RptBand* FindBand(const QString& name) const;
  RptBand& Band(const QString& name) const;
  RptElement* FindElement(const QString& name) const;
  RptElement& Element(const QString& name) const;

  // The rows of the detail band; the report does not own sources.
  void SetMaster(RptRowSource* rows) { master_ = rows; }
  RptRowSource* Master() const { return master_; }
  void Bind(const QString& name, RptRowSource* source);
  // "" is the master rows; a name that is not bound reads as an empty source.
  RptRowSource& Source(const QString& name) const;
  bool PrintIfEmpty() const { return printIfEmpty_; }
  void SetPrintIfEmpty(bool print) { printIfEmpty_ = print; }

  void OnBeforePrint(BeforePrint handler) { beforePrint_ = std::move(handler); }
  void OnAfterPrint(AfterPrint handler) { afterPrint_ = std::move(handler); }
  const BeforePrint& BeforePrintHandler() const { return beforePrint_; }
  const AfterPrint& AfterPrintHandler() const { return afterPrint_; }

  // A sum fed by the detail band (or fedBy) each time it prints; a group header as resetBy
  // makes it a group total.
  RptSum& AddSum(const QString& name, RptSum::Value value, const RptBand* resetBy = nullptr,
                 const RptBand* fedBy = nullptr);
  RptSum& AddFieldSum(const QString& name, const QString& field, const RptBand* resetBy = nullptr);
  // The running total so far; raises ERptNameNotFound for a sum not added.
  RptValue Sum(const QString& name) const;
  const std::vector<std::unique_ptr<RptSum>>& Sums() const { return sums_; }

  const RptFormatter& Formatter() const { return formatter_; }
  void SetFormatter(RptFormatter formatter) { formatter_ = std::move(formatter); }

  // Runs a generation; nullopt when BeforePrint cancelled it or there were no rows to print.
  std::optional<RptPageModel> Generate();
  // During a generation: the page being filled and the time it started (from the clock).
  int PageNumber() const { return pageNumber_; }
  const QDateTime& PrintedAt() const { return printedAt_; }

private:
  friend class RptGenerator;
  RptBand& Own(std::unique_ptr<RptBand> band);

  QString name_;
  QString title_;
  RptPageSetup setup_;
  std::vector<std::unique_ptr<RptBand>> bands_;
  std::vector<RptBand*> groups_;
  RptRowSource* master_ = nullptr;
  QHash<QString, RptRowSource*> sources_;  // by lower-case name
  bool printIfEmpty_ = true;
  BeforePrint beforePrint_;
  AfterPrint afterPrint_;
  std::vector<std::unique_ptr<RptSum>> sums_;
  RptFormatter formatter_ = RptPlainText;
  int pageNumber_ = 0;
  QDateTime printedAt_;
};
