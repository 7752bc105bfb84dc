#include "crs3000/Crs3000FnclSectionLayout.h"

#include "model/EcrErrors.h"

#include <QString>

namespace {
constexpr int kTotalWidth = 6;

std::string MemberName(const Crs3000FnclSectionLayout::Totaliser& row, int number) {
  if (row.members == 0) return row.name;
  return row.name + QStringLiteral("%1").arg(number, row.digits, 10, QLatin1Char('0')).toStdString();
}
} // namespace

Crs3000FnclSectionLayout::Crs3000FnclSectionLayout(int size, int variants,
                                                   std::initializer_list<Totaliser> rows)
    : layout_(std::vector<int>(size_t(variants), size), Columns(names_, size, variants, rows)) {}

std::vector<EcrColumn> Crs3000FnclSectionLayout::Columns(std::deque<std::string>& names, int size, int variants,
                                                         std::initializer_list<Totaliser> rows) {
  std::vector<EcrColumn> columns;
  int offset = 0;
  const auto place = [&](int at, int width) { return std::vector<EcrPlace>(size_t(variants), EcrPlace{at, width}); };
  const auto name = [&](const std::string& text) { return names.emplace_back(text).c_str(); };
  for (const Totaliser& row : rows) {
    if (!row.name) {
      columns.push_back({nullptr, TFieldType::Long, 0, EcrCoding::Reserved, place(offset, row.gap)});
      offset += row.gap;
      continue;
    }
    for (int number = 1; number <= qMax(row.members, 1); ++number) {
      const std::string member = MemberName(row, number);
      if (row.countWidth > 0)
        columns.push_back({name(member + " Count"), TFieldType::Long, 0, EcrCoding::Totaliser,
                           place(offset + kTotalWidth, row.countWidth)});
      columns.push_back({name(member + " Total"), TFieldType::Money, 0, EcrCoding::Totaliser,
                         place(offset, kTotalWidth), 100});
      offset += kTotalWidth + row.countWidth;
    }
  }
  if (offset != size)
    throw EAssertionFailed(QStringLiteral("Financial section rows fill %1 bytes of %2").arg(offset).arg(size));
  return columns;
}
