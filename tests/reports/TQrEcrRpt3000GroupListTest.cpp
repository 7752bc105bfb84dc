// The major group and sub group forms on polls their decoders stored from synthesised
// answers: the zero-skip test on count and total, the average, and the totals line that
// needs both the counts and the amounts of all groups to sum to non-zero.
#include "SynthFormFixture.h"

#include "crs3000/tEcrRptCrs3000MajorGroup.h"
#include "crs3000/tEcrRptCrs3000SubGroup.h"

namespace {
struct Group {
  const char* count;
  const char* total;
  const char* weight;
};

class GroupForms : public SynthFormFixture {
protected:
  qint32 StoreGroups(tEcrRpt& rpt, const char* report, const QList<Group>& groups) {
    SynthRequest request;
    request.report = QLatin1String(report);
    request.records = int(groups.size());
    for (int i = 0; i < groups.size(); ++i) {
      Set(request, i + 1, QStringLiteral("Count"), QLatin1String(groups[i].count));
      Set(request, i + 1, QStringLiteral("Total"), QLatin1String(groups[i].total));
      Set(request, i + 1, QStringLiteral("Weight"), QLatin1String(groups[i].weight));
    }
    return Decode(rpt, request);
  }

  tEcrRptCrs3000MajorGroup& major = AddReport<tEcrRptCrs3000MajorGroup>();
  tEcrRptCrs3000SubGroup& sub = AddReport<tEcrRptCrs3000SubGroup>();
};

struct Case {
  const char* name;
  QList<Group> groups;
  bool zeroSkip;
  QStringList majorLines;
  QStringList subLines;
};
} // namespace

TEST_F(GroupForms, LinesAndTheTotalsLineUnderZeroSkipAndWithout) {
  const QList<Group> mixed{{"4", "10.00", "2"}, {"0", "0.00", "0"}, {"0", "5.00", "3"}};
  const Case cases[] = {
      {"every group without zero skip",
       mixed,
       false,
       {"1 Undefined 4 $10.00 $2.50 2", "2 Undefined 0 $.00 $.00 0", "3 Undefined 0 $5.00 $.00 3", "4 $15.00 $3.75"},
       {"1 Undefined 4 $10.00 $2.50 2", "2 Undefined 0 $.00 $.00 0", "3 Undefined 0 $5.00 $.00 3", "4 $15.00 $3.75 5"}},
      {"zero skip holds back the empty group; a refund with no count prints",
       mixed,
       true,
       {"1 Undefined 4 $10.00 $2.50 2", "3 Undefined 0 $5.00 $.00 3", "4 $15.00 $3.75"},
       {"1 Undefined 4 $10.00 $2.50 2", "3 Undefined 0 $5.00 $.00 3", "4 $15.00 $3.75 5"}},
      {"counts summing to zero leave out the totals line",
       {{"0", "5.00", "1"}, {"0", "-1.00", "0"}},
       false,
       {"1 Undefined 0 $5.00 $.00 1", "2 Undefined 0 -$1.00 $.00 0"},
       {"1 Undefined 0 $5.00 $.00 1", "2 Undefined 0 -$1.00 $.00 0"}},
      {"amounts summing to zero leave out the totals line",
       {{"3", "2.00", "0"}, {"1", "-2.00", "0"}},
       true,
       {"1 Undefined 3 $2.00 $.67 0", "2 Undefined 1 -$2.00 -$2.00 0"},
       {"1 Undefined 3 $2.00 $.67 0", "2 Undefined 1 -$2.00 -$2.00 0"}},
  };
  for (const Case& c : cases) {
    const qint32 majorPoll = StoreGroups(major, "majgroup", c.groups);
    const std::optional<RptPageModel> majorModel = Generate(major, majorPoll, c.zeroSkip);
    ASSERT_TRUE(majorModel) << c.name;
    EXPECT_EQ(LinesBelow(*majorModel, QStringLiteral("Group Number Descriptor Count Amount Average Weight")), c.majorLines) << c.name;
    const qint32 subPoll = StoreGroups(sub, "subgroup", c.groups);
    const std::optional<RptPageModel> subModel = Generate(sub, subPoll, c.zeroSkip);
    ASSERT_TRUE(subModel) << c.name;
    EXPECT_EQ(LinesBelow(*subModel, QStringLiteral("Number Descriptor Count Amount Average Weight")), c.subLines) << c.name;
  }
}

// The widest captions and the largest figures a register sends, summed over two groups.
TEST_F(GroupForms, TheLargestFiguresAndTheirSumsFitTheirColumns) {
  const QList<Group> widest = {{"-999999999", "-999999999.99", "-999999999"}, {"-999999999", "-999999999.99", "-999999999"}};
  for (tEcrRpt* rpt : {static_cast<tEcrRpt*>(&major), static_cast<tEcrRpt*>(&sub)}) {
    const std::optional<RptPageModel> model = Generate(*rpt, StoreGroups(*rpt, rpt == &major ? "majgroup" : "subgroup", widest), true);
    ASSERT_TRUE(model);
    EXPECT_EQ(Overflowing(*model), "") << rpt->GetRptName().toStdString();
  }
}

TEST_F(GroupForms, ThePdfCarriesTitleCaptionsAndTotals) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model = Generate(sub, StoreGroups(sub, "subgroup", {{"12", "1234.50", "7"}}), true);
  ASSERT_TRUE(model);
  ExpectOneLetterPage(*model, QStringLiteral("Sub Group"), {"Number Descriptor Count Amount Average Weight", "1 Undefined 12 $1,234.50 $102.88 7",
                                                        "12 $1,234.50 $102.88 7"});
}
