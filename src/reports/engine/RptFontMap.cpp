#include "reports/engine/RptFontMap.h"

#include <QStringList>

namespace {
struct FamilyKind {
  const char* family;
  QFont::StyleHint hint;
  const char* generic;
};

// Families of report designs and what they are; anything else is taken as sans serif.
constexpr FamilyKind kFamilies[] = {
    {"Arial", QFont::SansSerif, "Sans Serif"},
    {"Helvetica", QFont::SansSerif, "Sans Serif"},
    {"MS Sans Serif", QFont::SansSerif, "Sans Serif"},
    {"Tahoma", QFont::SansSerif, "Sans Serif"},
    {"Verdana", QFont::SansSerif, "Sans Serif"},
    {"Sans Serif", QFont::SansSerif, "Sans Serif"},
    {"Times New Roman", QFont::Serif, "Serif"},
    {"Times", QFont::Serif, "Serif"},
    {"MS Serif", QFont::Serif, "Serif"},
    {"Serif", QFont::Serif, "Serif"},
    {"Courier New", QFont::TypeWriter, "Monospace"},
    {"Courier", QFont::TypeWriter, "Monospace"},
    {"Lucida Console", QFont::TypeWriter, "Monospace"},
    {"Monospace", QFont::TypeWriter, "Monospace"},
};

const FamilyKind& KindOf(const QString& family) {
  for (const FamilyKind& kind : kFamilies)
    if (family.compare(QLatin1String(kind.family), Qt::CaseInsensitive) == 0) return kind;
  static constexpr FamilyKind kOther{"", QFont::SansSerif, "Sans Serif"};
  return kOther;
}
} // namespace

QFont RptQFont(const RptFont& font, double zoom) {
  const FamilyKind& kind = KindOf(font.family);
  QFont result;
  result.setFamilies({font.family, QString::fromLatin1(kind.generic)});
  result.setStyleHint(kind.hint);
  result.setPointSizeF(font.pointSize * zoom);
  result.setBold(font.bold);
  result.setUnderline(font.underline);
  // No ligatures: "ff" stays two letters, so a PDF's text reads back as it was printed.
  result.setStyleStrategy(QFont::PreferNoShaping);
  return result;
}
