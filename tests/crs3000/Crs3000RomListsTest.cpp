// The program and report lists of the eighteen ROM versions, as class names.
#include "crs3000/Crs3000ListErrors.h"
#include "crs3000/Crs3000RomLists.h"
#include "crs3000/Crs3000RomVersions.h"
#include "model/EcrErrors.h"

#include <gtest/gtest.h>

namespace {
struct ColumnCounts {
  const char* romName;
  int prgs;
  int rpts;
};

// One ROM of each column with the counts of its lists.
const ColumnCounts Counts[] = {
    {"0.61 Not Supported", 17, 22}, {"2.19 Not Supported", 17, 22}, {"2.21 Not Recommended", 44, 24},
    {"2.22 Not Recommended", 45, 25}, {"2.23", 47, 25}, {"2.24", 49, 25}, {"2.25", 49, 25}, {"2.26", 50, 25},
    {"3.02", 52, 26}, {"3.03", 52, 26}, {"3.05", 52, 26}, {"4.03", 48, 25},
};

int ColumnOf(const QString& romName) {
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All())
    if (version.RomName == romName) return version.Column;
  ADD_FAILURE() << "no ROM " << romName.toStdString();
  return 0;
}

QStringList Prgs(const char* romName) { return Crs3000RomLists::PrgClassNames(ColumnOf(QString::fromLatin1(romName))); }
QStringList Rpts(const char* romName) { return Crs3000RomLists::RptClassNames(ColumnOf(QString::fromLatin1(romName))); }
} // namespace

TEST(Crs3000RomLists, EveryColumnHasTheCountsOfItsRoms) {
  for (const ColumnCounts& c : Counts) {
    SCOPED_TRACE(c.romName);
    EXPECT_EQ(Prgs(c.romName).size(), c.prgs);
    EXPECT_EQ(Rpts(c.romName).size(), c.rpts);
    EXPECT_EQ(Prgs(c.romName).removeDuplicates(), 0);
    EXPECT_EQ(Rpts(c.romName).removeDuplicates(), 0);
  }
}

TEST(Crs3000RomLists, EighteenRomsInChooserOrderOverTwelveColumns) {
  const QList<Crs3000RomVersion>& all = Crs3000RomVersions::All();
  ASSERT_EQ(all.size(), 18);
  EXPECT_EQ(all.first().ClassName, "tEcrCrs3000V0061");
  EXPECT_EQ(all.at(2).RomName, "0.78 through 1.01 Not Supported");
  EXPECT_EQ(all.last().ClassName, "tEcrCrs3000V0403");
  QList<int> columns;
  for (const Crs3000RomVersion& v : all) columns.append(v.Column);
  EXPECT_EQ(columns, (QList<int>{0, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 11, 11}));
  EXPECT_THROW(Crs3000RomVersions::At(18), ERangeError);
  EXPECT_THROW(Crs3000RomLists::PrgClassNames(12), ERangeError);
  EXPECT_THROW(Crs3000RomLists::RptClassNames(-1), ERangeError);
}

TEST(Crs3000RomLists, CouponProgramsFollowTheRom) {
  const struct {
    const char* rom;
    const char* has;
    const char* hasNot;
  } cases[] = {
      {"2.22 Not Recommended", nullptr, "tEcrPrgCrs3000Coupon"},
      {"2.21 Not Recommended", "tEcrPrgCrs3000Coupon224", "tEcrPrgCrs3000Coupon"},
      {"2.23", "tEcrPrgCrs3000Coupon224", "tEcrPrgCrs3000Coupon"},
      {"2.25", nullptr, "tEcrPrgCrs3000Coupon224"},
      {"4.02", nullptr, "tEcrPrgCrs3000Coupon"},
      {"0.61 Not Supported", "tEcrPrgCrs3000Coupon", "tEcrPrgCrs3000Coupon224"},
      {"3.05", "tEcrPrgCrs3000Coupon", "tEcrPrgCrs3000Coupon224"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rom);
    const QStringList prgs = Prgs(c.rom);
    if (c.has) {
      EXPECT_TRUE(prgs.contains(QString::fromLatin1(c.has)));
    }
    EXPECT_FALSE(prgs.contains(QString::fromLatin1(c.hasNot)));
  }
  EXPECT_FALSE(Prgs("2.22 Not Recommended").filter(QStringLiteral("Coupon")).size());
  EXPECT_FALSE(Prgs("2.25").filter(QStringLiteral("Coupon")).size());
}

TEST(Crs3000RomLists, ReportClassesFollowTheRom) {
  const struct {
    const char* rom;
    const char* cashier;
    const char* dayShift;
    const char* financial;
  } cases[] = {
      {"3.03", "tEcrRptCrs3000Cshr303", "tEcrRptCrs3000DayShift303", "tEcrRptCrs3000Fncl303"},
      {"3.04", "tEcrRptCrs3000Cshr303", "tEcrRptCrs3000DayShift303", "tEcrRptCrs3000Fncl303"},
      {"4.02", "tEcrRptCrs3000Cashier", "tEcrRptCrs3000DayShift", "tEcrRptCrs3000Fncl224"},
      {"2.26", "tEcrRptCrs3000Cashier", "tEcrRptCrs3000DayShift", "tEcrRptCrs3000Financial"},
      {"3.02", "tEcrRptCrs3000Cashier", "tEcrRptCrs3000DayShift", "tEcrRptCrs3000Financial"},
      {"2.25", "tEcrRptCrs3000Cashier", "tEcrRptCrs3000DayShift", "tEcrRptCrs3000Fncl224"},
      {"0.61 Not Supported", "tEcrRptCrs3000Cashier", "tEcrRptCrs3000DayShift", "tEcrRptCrs3000Fncl224"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rom);
    const QStringList rpts = Rpts(c.rom);
    // The cashier, coupon, day/shift, journal and financial rows come first, in that order.
    EXPECT_EQ(rpts.at(0), c.cashier);
    EXPECT_EQ(rpts.at(1), "tEcrRptCrs3000Coupon");
    EXPECT_EQ(rpts.at(2), c.dayShift);
    EXPECT_EQ(rpts.filter(QStringLiteral("Fncl")).size() + rpts.filter(QStringLiteral("Financial")).size(), 1);
    EXPECT_TRUE(rpts.contains(QString::fromLatin1(c.financial)));
  }
}

TEST(Crs3000RomLists, OldRomsLackJournalTimeKeepingZReportsAndLookups) {
  for (const char* rom : {"0.61 Not Supported", "0.77 Not Supported", "0.78 through 1.01 Not Supported",
                          "2.18 Not Supported", "2.19 Not Supported", "2.20 Not Supported"}) {
    SCOPED_TRACE(rom);
    EXPECT_FALSE(Rpts(rom).contains(QStringLiteral("tEcrRptCrs3000Ej")));
    EXPECT_FALSE(Rpts(rom).contains(QStringLiteral("tEcrRptCrs3000TimeKeepingZ2")));
    EXPECT_FALSE(Rpts(rom).contains(QStringLiteral("tEcrRptCrs3000TimeKeepingZ3")));
    EXPECT_FALSE(Prgs(rom).contains(QStringLiteral("tEcrPrgCrs3000Lkup")));
    EXPECT_TRUE(Rpts(rom).contains(QStringLiteral("tEcrRptCrs3000TimeKeeping")));
  }
  EXPECT_TRUE(Rpts("2.22 Not Recommended").contains(QStringLiteral("tEcrRptCrs3000Ej")));
  EXPECT_TRUE(Prgs("2.21 Not Recommended").contains(QStringLiteral("tEcrPrgCrs3000Lkup")));
}

TEST(Crs3000RomLists, ListsKeepTheOrderOfTheRows) {
  const QStringList prgs = Prgs("0.61 Not Supported");
  EXPECT_EQ(prgs, (QStringList{"tEcrPrgCrs3000MemAllocV221", "tEcrPrgCrs3000CondChains", "tEcrPrgCrs3000CondTables",
                               "tEcrPrgCrs3000Coupon", "tEcrPrgCrs3000DateTime", "tEcrPrgCrs3000Employee",
                               "tEcrPrgCrs3000FnctKys", "tEcrPrgCrs3000Groups", "tEcrPrgCrs3000Messages",
                               "tEcrPrgCrs3000PLU", "tEcrPrgCrs3000PLUReplace", "tEcrPrgCrs3000PLUSale",
                               "tEcrPrgCrs3000ProductMix", "tEcrPrgCrs3000SystemOptions", "tEcrPrgCrs3000TaxTable",
                               "tEcrPrgCrs3000TimeActivate", "tEcrPrgCrs3000TimeRange"}));
  const QStringList v4 = Prgs("4.02");
  EXPECT_EQ(v4.first(), "tEcrPrgCrs3000MemAllocV402");
  EXPECT_EQ(v4.last(), "tEcrPrgCrs3000XMode");
  EXPECT_TRUE(v4.contains(QStringLiteral("tEcrPrgCrs3000PrntrTbl221")));
  EXPECT_TRUE(v4.contains(QStringLiteral("tEcrPrgCrs3000KpgDesc")));
  EXPECT_TRUE(Prgs("2.19 Not Supported").contains(QStringLiteral("tEcrPrgCrs3000MemAllocV225")));
  EXPECT_EQ(Prgs("3.05").filter(QStringLiteral("RS232")), QStringList{"tEcrPrgCrs3000RS232Config305"});
  EXPECT_EQ(Rpts("4.03").filter(QStringLiteral("OpnOrd")),
            (QStringList{"tEcrRptCrs3000OpnOrdTrk1V4", "tEcrRptCrs3000OpnOrdTrk2V4", "tEcrRptCrs3000OpnOrdTrk3"}));
  EXPECT_EQ(Rpts("4.03").last(), "tEcrRptCrs3000TimePeriod");
}

TEST(Crs3000RomLists, AShortLongOrMalformedRowIsAnErrorNamingTheRow) {
  const QString twelve = QStringLiteral("x x x x x x x x x x x x");
  EXPECT_EQ(Crs3000RomLists::RowCells(QStringLiteral("tEcrPrgCrs3000PLU"), twelve).size(), 12);
  const struct {
    const char* rowClass;
    const char* cells;
  } bad[] = {
      {"tEcrPrgCrs3000PLU", "x x x x x x x x x x x"},       // a column short
      {"tEcrPrgCrs3000PLU", "x x x x x x x x x x x x x"},   // a column too many
      {"tEcrPrgCrs3000PLU", "x x x x x  x x x x x x"},      // a doubled blank
      {"tEcrPrgCrs3000PLU", ""},
      {"", "x - - - - - - - - - - -"},                       // "x" in a row without a class
  };
  for (const auto& b : bad) {
    SCOPED_TRACE(b.cells);
    try {
      Crs3000RomLists::RowCells(QString::fromLatin1(b.rowClass), QString::fromLatin1(b.cells));
      ADD_FAILURE() << "accepted";
    } catch (const EMalformedRomList& e) {
      EXPECT_TRUE(e.Message().contains(QString::fromLatin1(b.cells))) << e.what();
    }
  }
}

TEST(Crs3000RomLists, EveryRowOfTheRealListsHasACellForEveryColumn) {
  for (int column = 0; column < Crs3000RomLists::ColumnCount; ++column) {
    EXPECT_NO_THROW(Crs3000RomLists::PrgClassNames(column)) << column;
    EXPECT_NO_THROW(Crs3000RomLists::RptClassNames(column)) << column;
  }
}
