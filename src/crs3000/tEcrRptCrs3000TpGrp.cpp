#include "crs3000/tEcrRptCrs3000TpGrp.h"

#include "model/EcrClassDef.h"
#include "model/EcrLayout.h"

#include <string>

// Not bound to the ROM versions: the time period poll makes it itself.
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TpGrp, tEcrRptCrs3000)

namespace {
constexpr int kTotaliserBytes = 11; // a 6-byte total, then a 5-byte count

// "Group 01" .. "Group 20", then "All Groups"; each a count column, then a total column.
EcrLayout MakeLayout() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (int group = 1; group <= 20; ++group) all.push_back(QStringLiteral("Group %1").arg(group, 2, 10, QLatin1Char('0')).toStdString());
    all.emplace_back("All Groups");
    std::vector<std::string> columns;
    for (const std::string& name : all) {
      columns.push_back(name + " Count");
      columns.push_back(name + " Total");
    }
    return columns;
  }();
  std::vector<EcrColumn> columns;
  for (size_t i = 0; i < names.size(); i += 2) {
    const int at = int(i / 2) * kTotaliserBytes;
    columns.push_back({names[i].c_str(), TFieldType::Long, 0, EcrCoding::Totaliser, {{at + 6, 5}}});
    columns.push_back({names[i + 1].c_str(), TFieldType::Money, 0, EcrCoding::Totaliser, {{at, 6}}, 100});
  }
  return EcrLayout({21 * kTotaliserBytes}, std::move(columns));
}
} // namespace

const EcrLayout* tEcrRptCrs3000TpGrp::RecordLayout() const {
  static const EcrLayout layout = MakeLayout();
  return &layout;
}

QList<Crs3000FormTable> tEcrRptCrs3000TpGrp::FormTables() const {
  return Crs3000FormTables::TimeRange() << Crs3000FormTable{QStringLiteral("tblGroup"), QStringLiteral("tEcrPrgCrs3000MajGrp")};
}
