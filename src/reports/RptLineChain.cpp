#include "reports/RptLineChain.h"

#include "model/ZeroSkip.h"
#include "reports/RptKeyedSource.h"
#include "reports/RptLineTests.h"
#include "reports/RptProgramRows.h"
#include "reports/engine/RptReport.h"

namespace {
const QString kDescriptor = QStringLiteral("Descriptor");
const RptFont kLineFont{QStringLiteral("Sans Serif"), 10, false, false};
const RptFont kHeadingFont{QStringLiteral("Sans Serif"), 10, true, false};
// A block's rows: headings, caption and count, "Amount", the amount.
constexpr double kBlockRow = 19;

RptKeyedSource* ProgramOf(const RptLinePrograms& programs, RptCaptionSource source) {
  switch (source) {
  case RptCaptionSource::Descriptor: return programs.descriptors;
  case RptCaptionSource::FunctionKey: return programs.functionKeys;
  case RptCaptionSource::MajorGroup: return programs.majorGroups;
  case RptCaptionSource::Fixed: break;
  }
  return nullptr;
}
} // namespace

RptLineChain::RptLineChain(RptReport& report, RptBand& parent, QList<RptLineSpec> lines, const RptLineLayout& layout,
                           const QString& source, Gate gate)
    : report_(report), lines_(std::move(lines)), layout_(layout), source_(source), gate_(std::move(gate)) {
  for (const RptLineSpec& line : lines_) {
    const bool amountRows = !line.total.isEmpty() || layout_.amountHeadingAlso.contains(line.caption);
    const double height = !layout_.blocks ? layout_.height : amountRows ? 4 * kBlockRow : 2 * kBlockRow;
    // A form whose first line is its detail band names that band in its table.
    RptBand& band = line.band.compare(parent.Name(), Qt::CaseInsensitive) == 0 ? parent.SetHeightPx(height)
                                                                               : report.AddChild(parent, line.band, height);
    band.AddLabel(CaptionName(line.band), {layout_.captionLeft, layout_.blocks ? kBlockRow : 2, layout_.captionWidth, 16},
                  line.caption)
        .SetFont(kLineFont);
    if (layout_.blocks) AddBlockHeadings(band, line);
    if (line.test != RptLineTest::Custom) AddTexts(band, line);
    bands_.push_back(&band);
  }
}

QString RptLineChain::CaptionName(const QString& band) { return QStringLiteral("lbl") + band; }

QRectF RptLineChain::ValueRect(double left, int row) const {
  return {left, layout_.blocks ? row * kBlockRow : 2, layout_.valueWidth, 16};
}

void RptLineChain::AddBlockHeadings(RptBand& band, const RptLineSpec& line) {
  band.AddLabel(band.Name() + QStringLiteral("HeadDescription"), {layout_.captionLeft, 0, layout_.captionWidth, 16},
                QStringLiteral("Description"))
      .SetFont(kHeadingFont);
  if (!line.count.isEmpty() || layout_.countHeadingAlso.contains(line.caption))
    band.AddLabel(band.Name() + QStringLiteral("HeadCount"), ValueRect(layout_.countLeft, 0), QStringLiteral("Count"))
        .SetFont(kHeadingFont).SetAlign(RptAlign::Right);
  if (!line.total.isEmpty() || layout_.amountHeadingAlso.contains(line.caption))
    band.AddLabel(band.Name() + QStringLiteral("HeadAmount"), ValueRect(layout_.amountLeft, 2), QStringLiteral("Amount"))
        .SetFont(kHeadingFont).SetAlign(RptAlign::Right);
}

void RptLineChain::AddTexts(RptBand& band, const RptLineSpec& line) {
  if (!line.count.isEmpty())
    band.AddDataText(line.band + QStringLiteral("Count"), ValueRect(layout_.countLeft, 1), source_, line.count)
        .SetAlign(RptAlign::Right).SetFont(kLineFont);
  if (!line.total.isEmpty())
    band.AddDataText(line.band + QStringLiteral("Amount"), ValueRect(layout_.amountLeft, 3), source_, line.total,
                     layout_.totalMask)
        .SetAlign(RptAlign::Right).SetFont(kLineFont);
  if (line.average && !layout_.blocks) {
    band.AddComputed(
            line.band + QStringLiteral("Average"), ValueRect(layout_.averageLeft, 0),
            [this, line] {
              const RptRowSource& row = report_.Source(source_);
              const qint64 count = row.Field(line.count).ToInteger();
              const RptValue total = row.Field(line.total);
              return RptValue::Money(count != 0 && !total.IsNull() ? total.ToDouble() / double(count) : 0.0);
            },
            layout_.averageMask)
        .SetAlign(RptAlign::Right).SetFont(kLineFont);
  }
  band.OnBeforePrint([this, line](RptBand&, bool& print) {
    const std::optional<bool> gate = gate_ && line.test == RptLineTest::Gated ? gate_(line) : std::nullopt;
    print = RptLineTests::Prints(line, report_.Source(source_), ZeroSkip, gate);
  });
}

void RptLineChain::SetCaptions(const RptLinePrograms& programs) const {
  for (int i = 0; i < lines_.size(); ++i) {
    const RptLineSpec& line = lines_[i];
    RptElement& label = *bands_[i]->FindElement(CaptionName(line.band));
    label.SetCaption(line.caption);
    RptKeyedSource* program = ProgramOf(programs, line.source);
    if (!program) continue;
    const QString key = line.source == RptCaptionSource::FunctionKey ? QStringLiteral("KeyNumber") : QStringLiteral("Number");
    if (RptCaptionFrom(label, *program, key, RptValue::Integer(line.number), kDescriptor))
      label.SetCaption(label.Caption() + line.suffix);
  }
}
