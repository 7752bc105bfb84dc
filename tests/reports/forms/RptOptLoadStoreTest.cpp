// What each option dialog shows of a report's parameters and what Accept and Cancel leave
// in them.
#include "RptOptFixture.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace rptopttest {
namespace {

const QString kBase = QStringLiteral("TfmEcrRptOptCrs3000");
const QString kDayShft = QStringLiteral("TfmEcrRptOptCrs3000DayShft");
const QString kEj = QStringLiteral("TfmEcrRptOptCrs3000Ej");
const QString kNonCns = QStringLiteral("TfmEcrRptOptCrs3000NonCnsRpts");
const QString kTimeKpng = QStringLiteral("TfmEcrRptOptCrs3000TimeKpng");
const QString kZ2Z3 = QStringLiteral("TfmEcrRptOptCrs3000TimeKpngZ2Z3");
const QString kTimePrd = QStringLiteral("TfmEcrRptOptCrs3000TimePrd");

using RptOptDefaults = RptOptTest;

// A new report reads the daily area of registers 1 to 24, without printing and without reset,
// and every dialog shows that much of it as it has controls for.
TEST_F(RptOptDefaults, ANewReportShowsItsOwnValuesOnEveryDialog) {
  EXPECT_EQ(ParamsOf(*report), (Params{0, 0, 1, 24, 0, 0}));
  for (const RptOptCrs3000Variant& variant : RptOptCrs3000Variants()) {
    SCOPED_TRACE(variant.formClass.toStdString());
    Open(variant.formClass);
    EXPECT_TRUE(Checked("rgpArea0"));
    EXPECT_FALSE(Checked("rgpArea1"));
    EXPECT_TRUE(Checked("rgpPrintAtReg0"));
    EXPECT_EQ(Control("rgpPrintAtReg0")->property("text").toString(), "Do NOT print the report at the register");
    EXPECT_EQ(Control<TWdgNumericField>("WdgNFromReg")->text().trimmed(), "1");
    EXPECT_EQ(Control<TWdgNumericField>("WdgNToReg")->text().trimmed(), "24");
    EXPECT_TRUE(Checked("rgbRead0"));
    EXPECT_EQ(Control("rgbRead0")->property("text").toString(), "Read (X report, Do Not Clear register Data)");
  }
}

// Which controls each dialog shows.
TEST_F(RptOptDefaults, EachDialogShowsItsOwnControls) {
  struct Row {
    QString form;
    std::vector<const char*> shown;
  };
  const std::vector<const char*> all{"rgpArea", "rgpPrintAtReg", "gbRange", "WdgNFromReg", "lblFromReg",
                                     "WdgNToReg", "lblToReg", "rgbRead", "GroupBox1"};
  const std::vector<Row> rows{
      {kBase, {"rgpArea", "rgpPrintAtReg", "gbRange", "WdgNFromReg", "lblFromReg", "WdgNToReg", "lblToReg", "rgbRead"}},
      {kDayShft, {"rgpPrintAtReg", "gbRange", "WdgNFromReg", "lblFromReg", "WdgNToReg", "lblToReg", "rgbRead"}},
      {kEj, {"gbRange", "WdgNFromReg", "lblFromReg", "rgbRead"}},
      {kNonCns, {"rgbRead"}},
      {kTimeKpng, {"rgbRead", "GroupBox1"}},
      {kZ2Z3, {"rgbRead"}},
      {kTimePrd, {"rgpArea", "rgpPrintAtReg", "gbRange", "WdgNFromReg", "lblFromReg", "WdgNToReg", "lblToReg", "rgbRead",
                  "GroupBox1"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.form.toStdString());
    Open(row.form);
    for (const char* name : all) {
      const bool expected = std::find(row.shown.begin(), row.shown.end(), std::string_view(name)) != row.shown.end();
      QWidget* control = dialog->findChild<QWidget*>(QString::fromLatin1(name));
      const bool shown = control && control->isVisibleTo(dialog.get());
      EXPECT_EQ(shown, expected) << name;
    }
  }
}

// The added boxes of the time keeping and time period dialogs.
TEST_F(RptOptDefaults, TheAddedBoxesAreCaptionedAsTheUserKnowsThem) {
  Open(kTimeKpng);
  EXPECT_EQ(Control("GroupBox1")->property("title").toString(), "Reports");
  EXPECT_EQ(Control("CheckBox1")->property("text").toString(), "Clock Punches");
  Open(kTimePrd);
  EXPECT_EQ(Control("GroupBox1")->property("title").toString(), "Additional Reports");
  QStringList texts;
  for (const char* name : {"cbGroup", "cbEatIn", "cbTakeOut", "cbtrack1", "cbTrack2"})
    texts << Control(name)->property("text").toString();
  EXPECT_EQ(texts, (QStringList{"Group", "Eat In", "Take Out", "Track 1", "Track 2"}));
}

// ---- Accept and Cancel

struct StoreCase {
  const char* what;
  QString form;
  Params before;
  std::function<void(RptOptTest&)> check; // what the dialog shows, before the user acts
  std::function<void(RptOptTest&)> edit;  // what the user does
  Params after;                           // the parameters after Accept
};

const std::vector<StoreCase>& StoreCases() {
  static const std::vector<StoreCase> cases{
      {"every base control", kBase, {0, 0, 1, 24, 0, 7}, {},
       [](RptOptTest& t) {
         t.Click("rgpArea1");
         t.Click("rgpPrintAtReg1");
         t.Type("WdgNFromReg", "3");
         t.Type("WdgNToReg", "255");
         t.Click("rgbRead1");
       },
       {1, 1, 3, 255, 1, 7}},
      {"base shows what the report holds", kBase, {1, 1, 4, 9, 1, 0},
       [](RptOptTest& t) {
         EXPECT_TRUE(t.Checked("rgpArea1"));
         EXPECT_TRUE(t.Checked("rgpPrintAtReg1"));
         EXPECT_TRUE(t.Checked("rgbRead1"));
       },
       [](RptOptTest& t) { t.Click("rgbRead0"); }, {1, 1, 4, 9, 0, 0}},
      {"an area no item names stays until one is chosen", kBase, {7, 0, 1, 24, 0, 0},
       [](RptOptTest& t) {
         EXPECT_FALSE(t.Checked("rgpArea0"));
         EXPECT_FALSE(t.Checked("rgpArea1"));
       },
       {}, {7, 0, 1, 24, 0, 0}},
      {"day/shift keeps the hidden area", kDayShft, {1, 0, 1, 24, 0, 0}, {},
       [](RptOptTest& t) {
         t.Click("rgpPrintAtReg1");
         t.Type("WdgNToReg", "12");
       },
       {1, 1, 1, 12, 0, 0}},
      {"journal polls the one register chosen", kEj, {0, 0, 1, 24, 0, 0}, {},
       [](RptOptTest& t) { t.Type("WdgNFromReg", "5"); }, {0, 0, 5, 5, 0, 0}},
      {"journal keeps area and printing", kEj, {1, 1, 2, 24, 0, 3}, {},
       [](RptOptTest& t) { t.Click("rgbRead1"); }, {1, 1, 2, 2, 1, 3}},
      {"reports not consolidated set the reset mode only", kNonCns, {1, 1, 7, 9, 0, 4}, {},
       [](RptOptTest& t) { t.Click("rgbRead1"); }, {1, 1, 7, 9, 1, 4}},
      {"a hidden register the field cannot hold stays", kNonCns, {0, 0, 1000, -1, 0, 0}, {}, {},
       {0, 0, 1000, -1, 0, 0}},
      {"time keeping stores clock punches as 1", kTimeKpng, {0, 0, 1, 24, 0, 0},
       [](RptOptTest& t) { EXPECT_FALSE(t.Checked("CheckBox1")); },
       [](RptOptTest& t) { t.Click("CheckBox1"); }, {0, 0, 1, 24, 0, 1}},
      {"time keeping reads the low byte of parameter 6", kTimeKpng, {0, 0, 1, 24, 0, 2},
       [](RptOptTest& t) { EXPECT_TRUE(t.Checked("CheckBox1")); }, {}, {0, 0, 1, 24, 0, 1}},
      {"time keeping with only high bits is unticked", kTimeKpng, {0, 0, 1, 24, 0, 0x100},
       [](RptOptTest& t) { EXPECT_FALSE(t.Checked("CheckBox1")); }, {}, {0, 0, 1, 24, 0, 0}},
      {"time keeping unticked stores 0", kTimeKpng, {0, 0, 1, 24, 1, 1}, {},
       [](RptOptTest& t) { t.Click("CheckBox1"); }, {0, 0, 1, 24, 1, 0}},
      {"Z2/Z3 time keeping leaves parameter 6 as it was", kZ2Z3, {1, 1, 3, 4, 0, 5}, {},
       [](RptOptTest& t) { t.Click("rgbRead1"); }, {1, 1, 3, 4, 1, 5}},
      {"time period stores the ticked bits", kTimePrd, {0, 0, 1, 24, 0, 0}, {},
       [](RptOptTest& t) {
         t.Click("cbEatIn");
         t.Click("cbTrack2");
       },
       {0, 0, 1, 24, 0, 18}},
      {"time period shows the bits of parameter 6", kTimePrd, {0, 0, 1, 24, 0, 9},
       [](RptOptTest& t) {
         EXPECT_TRUE(t.Checked("cbGroup"));
         EXPECT_FALSE(t.Checked("cbEatIn"));
         EXPECT_FALSE(t.Checked("cbTakeOut"));
         EXPECT_TRUE(t.Checked("cbtrack1"));
         EXPECT_FALSE(t.Checked("cbTrack2"));
       },
       [](RptOptTest& t) {
         t.Click("cbGroup");
         t.Click("cbTakeOut");
       },
       {0, 0, 1, 24, 0, 12}},
      {"time period registers up to 24", kTimePrd, {0, 0, 1, 24, 0, 31}, {},
       [](RptOptTest& t) {
         t.Type("WdgNFromReg", "0");
         t.Type("WdgNToReg", "24");
       },
       {0, 0, 0, 24, 0, 31}},
  };
  return cases;
}

class RptOptAcceptCancel : public RptOptTest, public ::testing::WithParamInterface<size_t> {
protected:
  const StoreCase& Case() const { return StoreCases()[GetParam()]; }
  void Prepare() {
    SetParams(*report, Case().before);
    Open(Case().form);
    if (Case().check) Case().check(*this);
    if (Case().edit) Case().edit(*this);
  }
};

TEST_P(RptOptAcceptCancel, AcceptStoresWhatTheDialogShows) {
  SCOPED_TRACE(Case().what);
  Prepare();
  Click("btnAccept");
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(sink.boxes.empty()) << sink.Texts().join(u'|').toStdString();
  EXPECT_EQ(Text(ParamsOf(*report)), Text(Case().after));
}

TEST_P(RptOptAcceptCancel, CancelChangesNothing) {
  SCOPED_TRACE(Case().what);
  Prepare();
  Click("btnCancel");
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Text(ParamsOf(*report)), Text(Case().before));
}

TEST_P(RptOptAcceptCancel, ClosingTheWindowChangesNothing) {
  SCOPED_TRACE(Case().what);
  Prepare();
  dialog->close();
  RunQueued();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(Text(ParamsOf(*report)), Text(Case().before));
}

std::string CaseName(const ::testing::TestParamInfo<size_t>& info) {
  std::string name;
  bool upper = true;
  for (char c : std::string(StoreCases()[info.param].what)) {
    if (!std::isalnum(static_cast<unsigned char>(c))) {
      upper = true;
      continue;
    }
    name += upper ? char(std::toupper(static_cast<unsigned char>(c))) : c;
    upper = false;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RptOptAcceptCancel, ::testing::Range(size_t(0), StoreCases().size()), CaseName);

} // namespace
} // namespace rptopttest
