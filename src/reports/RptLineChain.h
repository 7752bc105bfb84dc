#pragma once
// The bands of a line-chain form, built from its line table: a band a line, each the child of
// the one before, with the caption, the count, the amount and the average in fixed columns;
// each band prints by its own test, so a line held back never hides the lines after it. The
// captions are set again at the start of every generation from the register's programs.
#include "reports/RptLineSpec.h"

#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class RptBand;
class RptKeyedSource;
class RptReport;
class RptRowSource;

// Where the columns stand (form pixels) and how amounts and averages print.
struct RptLineLayout {
  double height = 20;
  double captionLeft = 16, captionWidth = 230;
  double countLeft = 250, amountLeft = 406, averageLeft = 562, valueWidth = 150;
  QString totalMask;    // empty: the money field's own display (currency text)
  QString averageMask;  // empty: currency text
  // The roll: each line a block of rows, "Description" over the caption with "Count" over
  // the count at the right, then "Amount" over the amount; no averages. The captions listed
  // carry the heading without its field.
  bool blocks = false;
  QStringList countHeadingAlso, amountHeadingAlso;
};

// The programs whose rows name the lines; a null one reads as a program with no rows.
struct RptLinePrograms {
  RptKeyedSource* descriptors = nullptr;
  RptKeyedSource* functionKeys = nullptr;
  RptKeyedSource* majorGroups = nullptr;
};

class RptLineChain {
public:
  // The flag that gates a major-group line; nullopt: ungated.
  using Gate = std::function<std::optional<bool>(const RptLineSpec& line)>;

  // Adds the lines as children at the end of the chain that starts at parent, reading their
  // fields from the named source of the report ("" the master rows). Custom lines get their
  // band and caption only; the form gives them their texts and test.
  RptLineChain(RptReport& report, RptBand& parent, QList<RptLineSpec> lines, const RptLineLayout& layout,
               const QString& source = QString(), Gate gate = Gate());

  const QList<RptLineSpec>& Lines() const { return lines_; }
  RptBand& BandOf(int line) const { return *bands_.at(line); }
  // The caption label of a band: "lbl" followed by the band's name.
  static QString CaptionName(const QString& band);
  // Back to the design captions, then the program rows' texts where rows are there.
  void SetCaptions(const RptLinePrograms& programs) const;

private:
  void AddTexts(RptBand& band, const RptLineSpec& line);
  void AddBlockHeadings(RptBand& band, const RptLineSpec& line);
  QRectF ValueRect(double left, int row) const;

  RptReport& report_;
  QList<RptLineSpec> lines_;
  RptLineLayout layout_;
  QString source_;
  Gate gate_;
  std::vector<RptBand*> bands_;
};
