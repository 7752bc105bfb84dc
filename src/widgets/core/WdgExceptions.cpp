#include "widgets/core/WdgExceptions.h"

#include "widgets/core/WdgIntlSup.h"

#include <cstdint>
#include <limits>

namespace {
// The library's texts hold C-style places ("%d", "%s"); each argument fills the next one.
QString FillPlaces(QString text, std::initializer_list<QString> arguments) {
  qsizetype from = 0;
  for (const QString& argument : arguments) {
    const qsizetype at = text.indexOf(u'%', from);
    if (at < 0 || at + 1 >= text.size()) break;
    text.replace(at, 2, argument);
    from = at + argument.size();
  }
  return text;
}

template <typename T>
QString IntegerRange() {
  return FillPlaces(LibraryString(WdgText::kRangeIntegers),
                    {QString::number(qlonglong(std::numeric_limits<T>::min())),
                     QString::number(qlonglong(std::numeric_limits<T>::max()))});
}
} // namespace

EInvalidPictureMask::EInvalidPictureMask(const QString& mask)
    : EEntryFieldError(FillPlaces(LibraryString(WdgText::kInvalidPictureMask), {mask})) {}

EInvalidRangeValue::EInvalidRangeValue(TWdgDataSubtype subtype)
    : EEntryFieldError(MessageFor(subtype)) {}

QString EInvalidRangeValue::MessageFor(TWdgDataSubtype subtype) {
  using T = TWdgDataSubtype;
  switch (subtype) {
  case T::LongInt: return IntegerRange<int32_t>();
  case T::Word: return IntegerRange<uint16_t>();
  case T::SmallInt: return IntegerRange<int16_t>();
  case T::Byte: return IntegerRange<uint8_t>();
  case T::ShortInt: return IntegerRange<int8_t>();
  case T::Real: return LibraryString(WdgText::kRangeReal);
  case T::Extended: return LibraryString(WdgText::kRangeExtended);
  case T::Double: return LibraryString(WdgText::kRangeDouble);
  case T::Single: return LibraryString(WdgText::kRangeSingle);
  case T::Comp: return LibraryString(WdgText::kRangeComp);
  case T::Date:
    return FillPlaces(LibraryString(WdgText::kRangeDate), {RegionalSettings().DateMask(true)});
  case T::Time:
    return FillPlaces(LibraryString(WdgText::kRangeTime), {RegionalSettings().TimeMask(false)});
  default: return LibraryString(WdgText::kRangeInvalid);
  }
}
