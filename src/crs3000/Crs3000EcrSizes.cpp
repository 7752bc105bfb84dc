#include "crs3000/Crs3000EcrSizes.h"

#include "model/EcrErrors.h"

namespace {
enum class Kind { Text, Count, Flag };

struct SizeField {
  const char* name;
  Kind kind;
};

const SizeField Fields[TEcrSizes::FieldCount] = {
    {"Rom Version", Kind::Text},     {"PLU", Kind::Count},
    {"Price Schedule", Kind::Count}, {"Condiment Table", Kind::Count},
    {"Condiment Chain", Kind::Count}, {"Coupon", Kind::Count},
    {"Employee", Kind::Count},       {"Cashier", Kind::Count},
    {"Shift in Day", Kind::Count},   {"Time Period", Kind::Count},
    {"Prod Mix Group", Kind::Count}, {"Product Projections", Kind::Flag},
    {"Item Trans", Kind::Count},     {"Order Track", Kind::Count},
    {"Electronic Journal", Kind::Count}, {"Inventory Recipe", Kind::Count},
    {"Inventory Items", Kind::Count}, {"Credit Tracking", Kind::Count},
    {"Discount Catagory", Kind::Count}, {"Protected Pre-Poll", Kind::Flag},
    {"Logo", Kind::Flag},            {"Spec Itm Stock", Kind::Count},
};
} // namespace

const QStringList& TEcrSizes::FieldNames() {
  static const QStringList names = [] {
    QStringList list;
    for (const SizeField& field : Fields) list.append(QString::fromLatin1(field.name));
    return list;
  }();
  return names;
}

void TEcrSizes::Set(int position, const QVariant& value) {
  if (position < 0 || position >= FieldCount) throw ERangeError();
  switch (Fields[position].kind) {
  case Kind::Text: values_[size_t(position)] = value.toString(); break;
  case Kind::Count: values_[size_t(position)] = int(quint16(value.toInt())); break;
  case Kind::Flag: values_[size_t(position)] = value.toBool(); break;
  }
}

void TEcrSizes::Clear() { values_ = {}; }

bool TEcrSizes::IsEmpty() const {
  for (const QVariant& value : values_)
    if (value.isValid()) return false;
  return true;
}

int TEcrSizes::Position(const QString& fieldName) {
  const qsizetype position = FieldNames().indexOf(fieldName);
  if (position < 0) throw ERangeError();
  return int(position);
}

QString TEcrSizes::RomVersion() const { return values_[0].toString(); }

int TEcrSizes::Count(const QString& fieldName) const { return values_[size_t(Position(fieldName))].toInt(); }

bool TEcrSizes::Flag(const QString& fieldName) const { return values_[size_t(Position(fieldName))].toBool(); }
