// The machine listing in the report preview, as the user sees it.
#include "MachineFormsFixture.h"

#include "app/machines/MachineListing.h"
#include "reports/engine/forms/TRptPreviewForm.h"

#include <QDir>
#include <gtest/gtest.h>

using MachineListingPreviewTest = MachineFormsFixture;

TEST_F(MachineListingPreviewTest, TheListingOfTwoMachinesIsOnePage) {
  std::unique_ptr<tMachine> front = Machine(QStringLiteral("Front Counter"), 12, 3);
  front->CommPort = QStringLiteral("Direct to COM12");
  Store(*front);
  Store(*Machine(QStringLiteral("Back Office"), 7, 1));
  const std::unique_ptr<MachineListing> listing =
      MakeMachineListing({QStringLiteral("Front Counter"), QStringLiteral("Back Office")});
  std::optional<RptPageModel> model = listing->report->Generate();
  ASSERT_TRUE(model);
  TRptPreviewForm form(*listing->report, std::move(*model));
  EXPECT_EQ(form.PageCount(), 1);
  form.resize(1100, 800);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const QString dir = QDir::temp().filePath(QStringLiteral("tillbridge-shots"));
  QDir().mkpath(dir);
  EXPECT_TRUE(form.grab().save(QDir(dir).filePath(QStringLiteral("MachineListing.png"))));
}
