// The alternate major group form (on a 4-inch roll) on stored major group polls of the
// percent mode: the commission of each group to the cent with halves to the even cent, the
// tax on the commission from the settings, and the roll's page size.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000MajorGroup.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

namespace {
class AlternateMajorGroupForm : public ReportFormFixture {
protected:
  AlternateMajorGroupForm() { Drommet(true, QString()); }
  ~AlternateMajorGroupForm() override { Drommet(false, QString()); }
  // The settings outlive the test's data folder: each test starts and ends without a tax.
  static void Drommet(bool on, const QString& tax) {
    OpenSettingsFile(QStringLiteral("Drommet"))->WriteBoolean(QStringLiteral("Value"), on);
    OpenSettingsFile(QStringLiteral("Drommet"))->WriteString(QStringLiteral("Tax"), tax);
  }

  // 12.5 % of 10.10 (+0.001) is 1.262625: 1.26; 10 % of 0.05 is 0.0051: 0.01; 50 % of
  // 197.461 is 98.7305: 98.73. Together 100.00; group 4 has nothing.
  qint32 StoreGroups() {
    return Store(major, {{{"Memory Number", 1}, {"Name", "FOOD"}, {"Count", 2}, {"Total", 10.10}, {"Percent", 12.5}},
                         {{"Memory Number", 2}, {"Name", "DRINK"}, {"Count", 1}, {"Total", 0.05}, {"Percent", 10}},
                         {{"Memory Number", 3}, {"Name", "WINE"}, {"Count", 1}, {"Total", 197.46}, {"Percent", 50}},
                         {{"Memory Number", 4}, {"Name", "NONE"}, {"Count", 0}, {"Total", 0}, {"Percent", 20}}});
  }

  QStringList Lines(bool zeroSkip) {
    EXPECT_EQ(major.ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000MjrGrp2"));
    const std::optional<RptPageModel> model = Generate(major, StoreGroups(), zeroSkip);
    EXPECT_TRUE(model);
    return model ? LinesBelow(*model, QStringLiteral("______")) : QStringList();
  }

  tEcrRptCrs3000MajorGroup& major = AddReport<tEcrRptCrs3000MajorGroup>();
};

QStringList Block(const char* number, const char* count, const char* percent, const char* name, const char* amount,
                  const char* commission) {
  return {QStringLiteral("Group Count Percent"), QStringLiteral("%1 %2 %3").arg(number, count, percent),
          QStringLiteral("Descriptor Amount Commission"), QStringLiteral("%1 %2 %3").arg(name, amount, commission)};
}
} // namespace

TEST_F(AlternateMajorGroupForm, CommissionTaxAndTotalsWithTheTaxSetting) {
  Drommet(true, QStringLiteral("7"));
  const QStringList expected = Block("1", "2", "12.50%", "FOOD", "$10.10", "$1.26") +
                               Block("2", "1", "10.00%", "DRINK", "$.05", "$0.01") +
                               Block("3", "1", "50.00%", "WINE", "$197.46", "$98.73") +
                               QStringList{"Totals", "Count 4", "Amount $207.61", "Commission $100.00", "Tax % 7",
                                           "Tax Amount $7.00", "Total $107.00"};
  EXPECT_EQ(Lines(true), expected);
}

// A tax that is no number counts as none.
TEST_F(AlternateMajorGroupForm, WithoutATaxTheTaxIsZero) {
  const QStringList lines = Lines(false);
  EXPECT_TRUE(lines.contains(QStringLiteral("4 0 20.00%"))) << lines.join(u'\n').toStdString();
  for (const char* line : {"Tax % 0", "Tax Amount $0.00", "Total $100.00"})
    EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line << "\n" << lines.join(u'\n').toStdString();
}

TEST_F(AlternateMajorGroupForm, ThePdfIsARollFourInchesWide) {
  SKIP_WITHOUT_PDF_TOOLS();
  const std::optional<RptPageModel> model = Generate(major, StoreGroups(), true);
  ASSERT_TRUE(model);
  const Pdf pdf = ReadBackPdf(*model);
  EXPECT_TRUE(pdf.pageSize.startsWith(QLatin1String("288 x 4392"))) << pdf.pageSize.toStdString();
  ASSERT_EQ(pdf.pages.size(), 1);
  const QStringList& page = pdf.pages[0];
  EXPECT_TRUE(page[0].contains(QLatin1String("Major Group"))) << page[0].toStdString();
  for (const char* line : {"WINE $197.46 $98.73", "Commission $100.00"})
    EXPECT_TRUE(page.contains(QString::fromLatin1(line))) << line << "\n" << page.join(u'\n').toStdString();
}
