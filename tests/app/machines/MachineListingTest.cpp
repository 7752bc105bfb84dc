// The machine listing, rendered as text.
#include "MachinesFixture.h"

#include "app/machines/MachineListing.h"
#include "reports/engine/RptTextRenderer.h"

#include <gtest/gtest.h>

namespace {
using MachineListingTest = MachinesFixture;

// Narrow cells, so that every text fits its column in characters.
QString Text(const QStringList& ids) {
  const std::unique_ptr<MachineListing> listing = MakeMachineListing(ids);
  const std::optional<RptPageModel> model = listing->report->Generate();
  return model ? RptTextRenderer::Render(*model, 0.8) : QString();
}
} // namespace

TEST_F(MachineListingTest, OneLinePerListedMachineInListOrder) {
  std::unique_ptr<tMachine> front = Machine(QStringLiteral("Front"), 12, 3);
  front->BaudRate = 19200;
  Store(*front);
  Store(*Machine(QStringLiteral("Back"), 7, 1));
  const QString text = Text({QStringLiteral("Front"), QStringLiteral("Gone"), QStringLiteral("Back")});
  const QStringList lines = text.split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 5);
  EXPECT_TRUE(lines[0].contains(QStringLiteral("Machine Listing")));
  EXPECT_TRUE(lines[0].contains(QStringLiteral("Page 1")));
  EXPECT_TRUE(lines[0].contains(QStringLiteral("2026-03-04 10:30"))) << lines[0].toStdString();
  EXPECT_EQ(lines[1].simplified(), QStringLiteral("Id Store Machine ROM Prog Id Mfg. Model Port Baud Switch Switch Type"));
  EXPECT_EQ(lines[2].simplified(),
            QStringLiteral("Front 12 3 ROM UNDEFINED SetFront Manufacturer Undefined Test Direct to COM3 19200 3 4 Port"));
  EXPECT_EQ(lines[3].simplified(),
            QStringLiteral("Back 7 1 ROM UNDEFINED SetBack Manufacturer Undefined Test Direct to COM3 9600 3 4 Port"));
  EXPECT_EQ(lines[4], QStringLiteral("\f"));
}

TEST_F(MachineListingTest, AnEmptyListPrintsNothing) {
  Store(*Machine(QStringLiteral("Front")));
  EXPECT_TRUE(Text({}).isEmpty());
  EXPECT_TRUE(Text({QStringLiteral("Gone")}).isEmpty());
}

TEST_F(MachineListingTest, ItIsALandscapeLetterPage) {
  const std::unique_ptr<MachineListing> listing = MakeMachineListing({});
  const QSizeF size = listing->report->PageSetup().sizeMm;
  EXPECT_GT(size.width(), size.height());
  EXPECT_NEAR(size.width(), 279.4, 0.1);
  EXPECT_EQ(listing->report->Title(), QStringLiteral("Machine Listing"));
}
