#include "reports/engine/RptReport.h"

#include "reports/engine/RptErrors.h"
#include "reports/engine/RptGenerator.h"

namespace {
bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

RptEmptySource& Unbound() {
  static RptEmptySource empty;
  return empty;
}
} // namespace

RptReport::RptReport(QString name) : name_(std::move(name)) {}

RptReport::~RptReport() = default;

RptBand& RptReport::Own(std::unique_ptr<RptBand> band) {
  if (FindBand(band->Name()))
    throw ERptDefinition(QStringLiteral("Band name %1 is used twice").arg(band->Name()));
  bands_.push_back(std::move(band));
  return *bands_.back();
}

RptBand& RptReport::AddBand(RptBandKind kind, const QString& name, double heightPx) {
  switch (kind) {
  case RptBandKind::Child:
  case RptBandKind::GroupHeader:
  case RptBandKind::GroupFooter:
    throw ERptDefinition(QStringLiteral("Band %1: children and groups are added by their own calls").arg(name));
  default:
    break;
  }
  if (BandOf(kind)) throw ERptDefinition(QStringLiteral("Band %1: the report has a band of its kind").arg(name));
  return Own(std::make_unique<RptBand>(kind, name, heightPx));
}

RptBand& RptReport::AddChild(RptBand& parent, const QString& name, double heightPx) {
  if (FindBand(parent.Name()) != &parent)
    throw ERptDefinition(QStringLiteral("Band %1: its parent is not a band of this report").arg(name));
  RptBand& child = Own(std::make_unique<RptBand>(RptBandKind::Child, name, heightPx));
  parent.ChainEnd().child_ = &child;
  return child;
}

RptBand& RptReport::AddGroup(const QString& name, double heightPx, RptBand::GroupKey key) {
  RptBand& header = Own(std::make_unique<RptBand>(RptBandKind::GroupHeader, name, heightPx));
  header.key_ = std::move(key);
  groups_.push_back(&header);
  return header;
}

RptBand& RptReport::AddGroupFooter(RptBand& groupHeader, const QString& name, double heightPx) {
  if (groupHeader.Kind() != RptBandKind::GroupHeader || FindBand(groupHeader.Name()) != &groupHeader)
    throw ERptDefinition(QStringLiteral("Band %1: its group header is not a group of this report").arg(name));
  if (groupHeader.footer_)
    throw ERptDefinition(QStringLiteral("Band %1: the group has a footer").arg(name));
  RptBand& footer = Own(std::make_unique<RptBand>(RptBandKind::GroupFooter, name, heightPx));
  groupHeader.footer_ = &footer;
  return footer;
}

RptBand::GroupKey RptReport::MasterField(const QString& field) {
  return [this, field] { return Source(QString()).Field(field); };
}

RptBand* RptReport::BandOf(RptBandKind kind) const {
  for (const auto& band : bands_)
    if (band->Kind() == kind) return band.get();
  return nullptr;
}

RptBand* RptReport::FindBand(const QString& name) const {
  for (const auto& band : bands_)
    if (SameName(band->Name(), name)) return band.get();
  return nullptr;
}

RptBand& RptReport::Band(const QString& name) const {
  if (RptBand* band = FindBand(name)) return *band;
  throw ERptNameNotFound(QStringLiteral("Report %1 has no band %2").arg(name_, name));
}

RptElement* RptReport::FindElement(const QString& name) const {
  for (const auto& band : bands_)
    if (RptElement* element = band->FindElement(name)) return element;
  return nullptr;
}

RptElement& RptReport::Element(const QString& name) const {
  if (RptElement* element = FindElement(name)) return *element;
  throw ERptNameNotFound(QStringLiteral("Report %1 has no element %2").arg(name_, name));
}

void RptReport::Bind(const QString& name, RptRowSource* source) {
  if (source)
    sources_.insert(name.toLower(), source);
  else
    sources_.remove(name.toLower());
}

RptRowSource& RptReport::Source(const QString& name) const {
  if (name.isEmpty()) return master_ ? *master_ : Unbound();
  RptRowSource* source = sources_.value(name.toLower());
  return source ? *source : Unbound();
}

RptSum& RptReport::AddSum(const QString& name, RptSum::Value value, const RptBand* resetBy,
                          const RptBand* fedBy) {
  sums_.push_back(std::make_unique<RptSum>(name, std::move(value), fedBy, resetBy));
  return *sums_.back();
}

RptSum& RptReport::AddFieldSum(const QString& name, const QString& field, const RptBand* resetBy) {
  return AddSum(name, [this, field] { return Source(QString()).Field(field); }, resetBy);
}

RptValue RptReport::Sum(const QString& name) const {
  for (const auto& sum : sums_)
    if (SameName(sum->Name(), name)) return sum->Total();
  throw ERptNameNotFound(QStringLiteral("Report %1 has no sum %2").arg(name_, name));
}

std::optional<RptPageModel> RptReport::Generate() { return RptGenerator(*this).Run(); }
