// The time period by group form on polls its decoder stored from synthesised answers, with
// the register's time range and major group programs beside them: group lines switched by
// the program's flag, named by its descriptors, a group the program lacks still printed as
// "Group G", and the unmasked sums of the "All Groups" figures.
#include "FormPrograms.h"
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000TpGrp.h"

namespace {
inline constexpr char kMajorGroups[] = "tEcrPrgCrs3000MajGrp";

using Figures = QMap<QString, std::pair<int, const char*>>;  // "01" .. "20", "All": count and total

class TimePeriodGroupForm : public SynthFormFixture {
protected:
  // Groups 1 FOOD and 2 DRINK printed, 3 WINE not, 4 printed without a name, 5 to 19 not;
  // group 20 is missing from the program and comes after a group that is not printed.
  void StoreGroups() {
    QList<QVariantMap> rows{{{"Number", 1}, {"Descriptor", "FOOD"}, {"Time Period Print", true}},
                            {{"Number", 2}, {"Descriptor", "DRINK"}, {"Time Period Print", true}},
                            {{"Number", 3}, {"Descriptor", "WINE"}, {"Time Period Print", false}},
                            {{"Number", 4}, {"Descriptor", ""}, {"Time Period Print", true}}};
    for (int g = 5; g <= 19; ++g) rows << QVariantMap{{"Number", g}, {"Descriptor", "HIDDEN"}, {"Time Period Print", false}};
    tFormPrg<kMajorGroups>::AddTo(driver,
                                  {{QStringLiteral("Number"), TFieldType::Short},
                                   {QStringLiteral("Descriptor"), TFieldType::Alpha, 12},
                                   {QStringLiteral("Time Period Print"), TFieldType::Logical}},
                                  rows);
  }

  qint32 StorePeriods(const QList<Figures>& periods) {
    SynthRequest request;
    request.report = QStringLiteral("tpgrp");
    request.records = int(periods.size());
    for (int p = 0; p < periods.size(); ++p)
      for (int g = 1; g <= 21; ++g) {
        const QString key = g <= 20 ? QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0')) : QStringLiteral("All");
        const QString name = g <= 20 ? QStringLiteral("Group ") + key : QStringLiteral("All Groups");
        const auto figures = periods[p].value(key, {0, "0.00"});
        Set(request, p + 1, name + QStringLiteral(" Count"), QString::number(figures.first));
        Set(request, p + 1, name + QStringLiteral(" Total"), QLatin1String(figures.second));
      }
    return Decode(byGroup, request);
  }

  QStringList Lines(qint32 poll, bool zeroSkip) {
    return GeneratedLinesBelow(byGroup, poll, zeroSkip, QStringLiteral("Polled Reg."));
  }

  tEcrRptCrs3000TpGrp& byGroup = AddReport<tEcrRptCrs3000TpGrp>();
};

const QList<Figures> kPoll{
    {{"01", {2, "10.00"}}, {"03", {5, "50.00"}}, {"04", {1, "1.00"}}, {"20", {3, "3.00"}}, {"All", {11, "1000.00"}}},
    {{"02", {1, "234.50"}}, {"All", {1, "234.50"}}},
};
const QString kTotals = QStringLiteral("Total Line TotalCount: 12 Total Amount: 1234.5");
} // namespace

TEST_F(TimePeriodGroupForm, GroupLinesByTheProgramsFlagsAndNames) {
  AddTimeRanges(driver, {{1, {QTime(11, 0), QTime(13, 30)}}});
  StoreGroups();
  const qint32 poll = StorePeriods(kPoll);
  const QString first = QStringLiteral("1 11:00:00 AM-1:30:00 PM Count Amount");
  const QString second = QStringLiteral("2 12:00:00 AM-12:00:00 AM Count Amount");
  struct Case {
    const char* name;
    bool zeroSkip;
    QStringList lines;
  };
  const Case cases[] = {
      {"zero skip: the enabled lines with figures; the disabled WINE never",
       true,
       {first, "FOOD 2 $10.00", "Group 4 1 $1.00", "Group 20 3 $3.00", "All Groups 11 $1,000.00", second, "DRINK 1 $234.50",
        "All Groups 1 $234.50", kTotals}},
      {"without zero skip: every enabled line, the missing group 20 among them",
       false,
       {first, "FOOD 2 $10.00", "DRINK 0 $.00", "Group 4 1 $1.00", "Group 20 3 $3.00", "All Groups 11 $1,000.00", second,
        "FOOD 0 $.00", "DRINK 1 $234.50", "Group 4 0 $.00", "Group 20 0 $.00", "All Groups 1 $234.50", kTotals}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(poll, c.zeroSkip), c.lines) << c.name;
}

// Without the major group program every group line prints under its design caption.
TEST_F(TimePeriodGroupForm, WithoutTheGroupProgramEveryGroupPrints) {
  const QStringList lines = Lines(StorePeriods({kPoll[0]}), false);
  ASSERT_EQ(lines.size(), 1 + 20 + 1 + 1) << lines.join(u'\n').toStdString();
  EXPECT_EQ(lines[3], QStringLiteral("Group 3 5 $50.00"));
  EXPECT_EQ(lines[20], QStringLiteral("Group 20 3 $3.00"));
  EXPECT_EQ(lines.last(), QStringLiteral("Total Line TotalCount: 11 Total Amount: 1000"));
}

TEST_F(TimePeriodGroupForm, ThePdfShowsTheGroupsAndTheTotals) {
  SKIP_WITHOUT_PDF_TOOLS();
  StoreGroups();
  const std::optional<RptPageModel> model = Generate(byGroup, StorePeriods(kPoll), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Time Period Group"), {"FOOD 2 $10.00", "Group 20 3 $3.00", kTotals});
}
