#include "reports/engine/RptGenerator.h"

#include "platform/sys/Clock.h"
#include "platform/sys/ScopeGuard.h"
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptReport.h"

namespace {
// Rounding of pixel positions: a band that overshoots the page by less still fits.
constexpr double kFitMm = 1e-6;

QList<RptValue> Keys(const std::vector<RptBand*>& groups) {
  QList<RptValue> keys;
  for (const RptBand* group : groups) keys << (group->Key() ? group->Key()() : RptValue());
  return keys;
}
} // namespace

RptGenerator::RptGenerator(RptReport& report)
    : report_(report), detail_(report.BandOf(RptBandKind::Detail)) {}

std::optional<RptPageModel> RptGenerator::Run() {
  bool print = true;
  if (report_.BeforePrintHandler()) report_.BeforePrintHandler()(report_, print);
  if (!print) return std::nullopt;
  RptMemoryRows oneRow({}, QList<QList<RptValue>>{QList<RptValue>()});  // without a master the detail chain is offered once
  RptRowSource& rows = report_.Master() ? *report_.Master() : oneRow;
  rows.Rewind();
  ResetSums(nullptr);
  report_.printedAt_ = Clock::Current().Now();
  report_.pageNumber_ = 0;
  const bool empty = rows.AtEnd();
  if (!empty || report_.PrintIfEmpty()) {
    model_.title = report_.Title();
    model_.setup = report_.PageSetup();
    StartPage();
    // Pass the source explicitly: with no master the walk uses the local one-row source.
    RptRowSource* saved = report_.master_;
    report_.master_ = &rows;
    auto restore = OnScopeExit([&] { report_.master_ = saved; });
    WalkRows();
  }
  if (report_.AfterPrintHandler()) report_.AfterPrintHandler()(report_);
  if (model_.pages.isEmpty()) return std::nullopt;
  return std::move(model_);
}

void RptGenerator::WalkRows() {
  RptRowSource& rows = *report_.Master();
  const std::vector<RptBand*>& groups = report_.Groups();
  const int groupCount = int(groups.size());
  const double detailMm = detail_ && detail_->Enabled() ? RptPxToMm(detail_->HeightPx()) : 0;
  QList<RptValue> keys;
  bool any = false;
  for (; !rows.AtEnd(); rows.Next()) {
    const QList<RptValue> rowKeys = Keys(groups);
    int changed = 0;
    if (any) {
      while (changed < groupCount && rowKeys[changed] == keys[changed]) ++changed;
      if (changed < groupCount) {
        rows.Prior();
        OfferGroupFooters(changed);
        rows.Next();
      }
    }
    keys = rowKeys;
    for (int g = changed; g < groupCount; ++g) {
      ResetSums(groups[g]);
      // A group header stays with the inner headers and the detail band that follow it.
      double keepMm = detailMm;
      for (int inner = g + 1; inner < groupCount; ++inner)
        if (groups[inner]->Enabled()) keepMm += RptPxToMm(groups[inner]->HeightPx());
      OfferChain(groups[g], Place::Body, keepMm);
    }
    OfferChain(detail_, Place::Body);
    any = true;
  }
  if (any) {
    rows.Prior();
    OfferGroupFooters(0);
  }
  OfferChain(report_.BandOf(RptBandKind::Summary), Place::Body);
}

void RptGenerator::OfferGroupFooters(int fromGroup) {
  const std::vector<RptBand*>& groups = report_.Groups();
  for (int g = int(groups.size()) - 1; g >= fromGroup; --g) OfferChain(groups[g]->Footer(), Place::Body);
}

void RptGenerator::OfferChain(RptBand* band, Place place, double keepMm) {
  for (; band; band = band->Child()) Offer(*band, place, keepMm);
}

void RptGenerator::Offer(RptBand& band, Place place, double keepMm) {
  if (!band.Enabled()) return;
  bool print = true;
  if (band.BeforePrintHandler()) band.BeforePrintHandler()(band, print);
  if (print) {
    Print(band, place, keepMm);
    FeedSums(band);
  } else {
    model_.trace << RptTraceEntry{report_.pageNumber_, band.Name(), false};
  }
  if (band.AfterPrintHandler()) band.AfterPrintHandler()(band, print);
}

void RptGenerator::Print(RptBand& band, Place place, double keepMm) {
  const double heightMm = RptPxToMm(band.HeightPx());
  const double bottom = model_.setup.PrintableMm().bottom();
  if (place == Place::Body && bodyOnPage_ && yMm_ + heightMm + keepMm > bottom + kFitMm) StartPage();
  Draw(band, yMm_);
  model_.trace << RptTraceEntry{report_.pageNumber_, band.Name(), true};
  yMm_ += heightMm;
  if (place == Place::Body) bodyOnPage_ = true;
}

void RptGenerator::StartPage() {
  model_.pages.append(RptPage());
  ++report_.pageNumber_;
  yMm_ = model_.setup.PrintableMm().top();
  bodyOnPage_ = false;
  OfferChain(report_.BandOf(RptBandKind::PageHeader), Place::PageTop);
  if (report_.pageNumber_ == 1) OfferChain(report_.BandOf(RptBandKind::Title), Place::PageTop);
  OfferChain(report_.BandOf(RptBandKind::ColumnHeader), Place::PageTop);
}

void RptGenerator::Draw(const RptBand& band, double topMm) {
  const QRectF printable = model_.setup.PrintableMm();
  QList<RptItem>& items = model_.pages.last().items;
  if (band.Frame() != RptFrameNone) {
    RptItem frame;
    frame.rectMm = QRectF(printable.left(), topMm, printable.width(), RptPxToMm(band.HeightPx()));
    frame.frame = band.Frame();
    items << frame;
  }
  for (const auto& element : band.Elements()) {
    if (!element->Enabled()) continue;
    RptItem item;
    const QRectF& px = element->RectPx();
    item.rectMm = QRectF(printable.left() + RptPxToMm(px.left()), topMm + RptPxToMm(px.top()),
                         RptPxToMm(px.width()), RptPxToMm(px.height()));
    item.text = Text(*element);
    item.font = element->Font();
    item.align = element->Align();
    item.frame = element->Frame();
    item.element = element->Name();
    if (!item.text.isEmpty() || item.frame != RptFrameNone) items << item;
  }
}

QString RptGenerator::Text(const RptElement& element) const {
  // Null prints nothing, whatever the formatter would make of it.
  const auto format = [this](const RptValue& value, const QString& mask) {
    return value.IsNull() ? QString() : report_.Formatter()(value, mask);
  };
  switch (element.Kind()) {
  case RptElementKind::Label:
    return element.Caption();
  case RptElementKind::DataText:
    return format(report_.Source(element.Source()).Field(element.Field()), element.Mask());
  case RptElementKind::Computed:
    return element.Computation() ? format(element.Computation()(), element.Mask()) : QString();
  case RptElementKind::Shape:
    return QString();
  case RptElementKind::SystemData:
    break;
  }
  RptValue value;
  switch (element.SystemData()) {
  case RptSystemData::Title:
    value = RptValue::Text(report_.Title());
    break;
  case RptSystemData::DatePrinted:
    value = RptValue::Date(report_.PrintedAt().date());
    break;
  case RptSystemData::TimePrinted:
    value = RptValue::Time(report_.PrintedAt().time());
    break;
  case RptSystemData::DateTimePrinted:
    value = RptValue::DateTime(report_.PrintedAt());
    break;
  case RptSystemData::PageNumber:
    value = RptValue::Integer(report_.PageNumber());
    break;
  }
  return element.Caption() + format(value, element.Mask());
}

void RptGenerator::FeedSums(const RptBand& band) {
  for (const auto& sum : report_.Sums())
    if ((sum->FedBy() ? sum->FedBy() : detail_) == &band) sum->Feed();
}

void RptGenerator::ResetSums(const RptBand* group) {
  for (const auto& sum : report_.Sums())
    if (!group || sum->ResetBy() == group) sum->Reset();
}
