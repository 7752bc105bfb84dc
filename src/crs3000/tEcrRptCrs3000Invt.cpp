#include "crs3000/tEcrRptCrs3000Invt.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Invt, tEcrRptCrs3000)

namespace {
// The item's attributes, and what a row holds for an item the program lacks.
struct Attribute {
  const char* name;
  TFieldType type;
  int size;
  QVariant absent;
};
const QList<Attribute>& Attributes() {
  static const QList<Attribute> attributes{
      {"Descriptor", TFieldType::Alpha, 12, QStringLiteral("Undefined")},
      {"FCTR", TFieldType::Long, 0, 1},
      {"Unit Desc", TFieldType::Alpha, 4, QStringLiteral("UNDF")},
      {"Cost", TFieldType::Money, 0, 0.0},
      {"Recipe Unit", TFieldType::Alpha, 4, QStringLiteral("UNDF")},
  };
  return attributes;
}
} // namespace

const EcrLayout* tEcrRptCrs3000Invt::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{35},
                                {{"Begin", T::Long, 0, C::SignedBcd, {{0, 5}}},
                                 {"Actual", T::Long, 0, C::SignedBcd, {{5, 5}}},
                                 {"Receipt", T::Long, 0, C::SignedBcd, {{10, 5}}},
                                 {"Trans In", T::Long, 0, C::SignedBcd, {{15, 5}}},
                                 {"Trans Out", T::Long, 0, C::SignedBcd, {{20, 5}}},
                                 {"Waste", T::Long, 0, C::SignedBcd, {{25, 5}}},
                                 {"Total", T::Long, 0, C::SignedBcd, {{30, 5}}}}};
  return &layout;
}

QList<TFieldDef> tEcrRptCrs3000Invt::LookUpFields() const {
  QList<TFieldDef> fields;
  for (const Attribute& a : Attributes()) fields.append({QString::fromLatin1(a.name), a.type, a.size});
  return fields;
}

std::optional<TTableDef> tEcrRptCrs3000Invt::DescribeTable() const {
  std::optional<TTableDef> def = tEcrRptCrs3000::DescribeTable();
  // Poll Id, Memory Number, Descriptor, then FCTR .. Recipe Unit: these four go last.
  for (int i = 1; i < Attributes().size(); ++i) def->fields.move(3, def->fields.size() - 1);
  return def;
}

void tEcrRptCrs3000Invt::FillLookUps(TTable& table, int recordNumber) {
  QStringList columns;
  for (const Attribute& a : Attributes()) columns << QString::fromLatin1(a.name);
  const QVariantList found = items_.FindFieldsInBlock(*this, QStringLiteral("tEcrPrgCrs3000InvtItm"), recordNumber, GetRecsInBlk(), columns);
  for (int i = 0; i < columns.size(); ++i)
    table.FieldByName(columns[i]).SetValue(found.isEmpty() ? Attributes()[i].absent : found[i]);
}
