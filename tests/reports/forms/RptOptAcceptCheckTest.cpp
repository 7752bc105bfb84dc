// Accept checks the register fields before it stores anything: a number out of range typed
// and confirmed with Enter keeps the dialog open with one error box.
#include "RptOptFixture.h"

namespace rptopttest {
namespace {

struct RangeCase {
  QString form;
  const char* field;
  const char* refused; // the lowest number the field refuses
  const char* highest; // the highest it takes
  int param;
};

const std::vector<RangeCase>& RangeCases() {
  static const std::vector<RangeCase> cases{
      {QStringLiteral("TfmEcrRptOptCrs3000"), "WdgNFromReg", "300", "255", 3},
      {QStringLiteral("TfmEcrRptOptCrs3000"), "WdgNToReg", "256", "255", 4},
      {QStringLiteral("TfmEcrRptOptCrs3000DayShft"), "WdgNToReg", "256", "255", 4},
      {QStringLiteral("TfmEcrRptOptCrs3000Ej"), "WdgNFromReg", "256", "255", 3},
      {QStringLiteral("TfmEcrRptOptCrs3000TimePrd"), "WdgNFromReg", "25", "24", 3},
      {QStringLiteral("TfmEcrRptOptCrs3000TimePrd"), "WdgNToReg", "25", "24", 4},
  };
  return cases;
}

class RptOptAcceptCheck : public RptOptTest, public ::testing::WithParamInterface<size_t> {
protected:
  const RangeCase& Case() const { return RangeCases()[GetParam()]; }
};

TEST_P(RptOptAcceptCheck, EnterWithANumberOutOfRangeKeepsTheDialogOpen) {
  SCOPED_TRACE(Case().form.toStdString() + " " + Case().field);
  const Params before = ParamsOf(*report);
  Open(Case().form);
  Type(Case().field, Case().refused);
  PressEnter();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(sink.Texts(), QStringList{kNotInRange});
  EXPECT_EQ(QApplication::focusWidget(), Control(Case().field));
  EXPECT_EQ(Text(ParamsOf(*report)), Text(before));
  // Mended, the same Enter accepts and stores the number.
  Type(Case().field, Case().highest);
  PressEnter();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(sink.boxes.size(), 1u);
  EXPECT_EQ(report->GetIntParam(Case().param), QByteArray(Case().highest).toInt());
}

INSTANTIATE_TEST_SUITE_P(Fields, RptOptAcceptCheck, ::testing::Range(size_t(0), RangeCases().size()));

using RptOptLoadedOutOfRange = RptOptTest;

// A range the time period dialog cannot take, stored by an earlier version of the options,
// is shown as it is and must be mended before Accept.
TEST_F(RptOptLoadedOutOfRange, TimePeriodShowsAndRefusesALoadedRegisterAbove24) {
  SetParams(*report, {0, 0, 1, 30, 0, 0});
  Open(QStringLiteral("TfmEcrRptOptCrs3000TimePrd"));
  EXPECT_EQ(Control<TWdgNumericField>("WdgNToReg")->text().trimmed(), "30");
  Click("btnAccept");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(sink.Texts(), QStringList{kNotInRange});
  EXPECT_EQ(QApplication::focusWidget(), Control("WdgNToReg"));
  EXPECT_EQ(report->GetIntParam(4), 30);
}

// Two failing fields give one box, on the first in focus order.
TEST_F(RptOptLoadedOutOfRange, TwoFailingFieldsGiveOneBox) {
  SetParams(*report, {0, 0, 40, 30, 0, 0});
  Open(QStringLiteral("TfmEcrRptOptCrs3000TimePrd"));
  Click("btnAccept");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(sink.Texts(), QStringList{kNotInRange});
  EXPECT_EQ(QApplication::focusWidget(), Control("WdgNFromReg"));
}

// A number a Byte field cannot hold is shown at the nearer end of the range.
TEST_F(RptOptLoadedOutOfRange, ANumberNoByteHoldsIsShownAtTheNearerEnd) {
  SetParams(*report, {0, 0, -5, 1000, 0, 0});
  Open(QStringLiteral("TfmEcrRptOptCrs3000"));
  EXPECT_EQ(Control<TWdgNumericField>("WdgNFromReg")->text().trimmed(), "0");
  EXPECT_EQ(Control<TWdgNumericField>("WdgNToReg")->text().trimmed(), "255");
  Click("btnAccept");
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(Text(ParamsOf(*report)), Text({0, 0, 0, 255, 0, 0}));
}

} // namespace
} // namespace rptopttest
