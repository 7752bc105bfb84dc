// Every class that a ROM list names is either built or on the list of classes still to be
// built, and the drivers leave out only those.
#include "Crs3000StandIns.h"

#include "crs3000/Crs3000ListErrors.h"
#include "crs3000/Crs3000ListedClass.h"
#include "crs3000/Crs3000RomLists.h"
#include "crs3000/Crs3000RomVersions.h"
#include "crs3000/Crs3000UnbuiltClasses.h"
#include "model/tEcr.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV225.h"

#include <gtest/gtest.h>

namespace {
// Built: registered by the program, not by a test's stand-in.
bool IsBuilt(const QString& name) { return StandIns::IsRegistered(name) && !StandIns::StandInNames().contains(name); }

QStringList EveryListedName() {
  QStringList names;
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All())
    names << Crs3000RomLists::PrgClassNames(version.Column) << Crs3000RomLists::RptClassNames(version.Column);
  names.removeDuplicates();
  return names;
}

// The memory allocation programs live in their own library; this keeps it loaded.
const TClass& MemAllocV225() { return tEcrPrgCrs3000MemAllocV225::StaticClass(); }
} // namespace

TEST(Crs3000UnbuiltClasses, EveryListedClassIsBuiltOrOnTheList) {
  ASSERT_EQ(MemAllocV225().ClassName(), "tEcrPrgCrs3000MemAllocV225");
  QStringList missing;
  for (const QString& name : EveryListedName())
    if (!IsBuilt(name) && !Crs3000UnbuiltClasses::Contains(name)) missing.append(name);
  EXPECT_TRUE(missing.isEmpty()) << "listed by a ROM but neither built nor on the unbuilt list: "
                                 << missing.join(QLatin1Char(' ')).toStdString();
}

TEST(Crs3000UnbuiltClasses, TheListHoldsOnlyListedClassesNotYetBuilt) {
  ASSERT_EQ(MemAllocV225().ClassName(), "tEcrPrgCrs3000MemAllocV225");
  const QStringList listed = EveryListedName();
  QStringList built, unlisted;
  for (const QString& name : Crs3000UnbuiltClasses::Names()) {
    if (IsBuilt(name)) built.append(name);
    if (!listed.contains(name)) unlisted.append(name);
  }
  EXPECT_TRUE(built.isEmpty()) << "built now, take off the unbuilt list: " << built.join(QLatin1Char(' ')).toStdString();
  EXPECT_TRUE(unlisted.isEmpty()) << "named by no ROM list: " << unlisted.join(QLatin1Char(' ')).toStdString();
  QStringList names = Crs3000UnbuiltClasses::Names();
  EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST(Crs3000UnbuiltClasses, EveryRomBuildsItsListsWithoutAMissingClass) {
  StandIns::RegisterAll();
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All()) {
    SCOPED_TRACE(version.RomName.toStdString());
    EXPECT_NO_THROW(tEcr::New(ClassByName(version.ClassName)));
  }
}

TEST(Crs3000UnbuiltClasses, AListedClassIsBuiltSkippedWhenUnbuiltOrAnErrorNamingClassAndRom) {
  const TClass& prg = tEcrPrg::StaticClass();
  EXPECT_EQ(Crs3000ListedClass(QStringLiteral("tEcrPrgCrs3000MemAllocV225"), prg, QStringLiteral("2.19")),
            &MemAllocV225());
  const QString unbuilt = QStringLiteral("tEcrPrgCrs3000XMode");
  ASSERT_TRUE(Crs3000UnbuiltClasses::Contains(unbuilt));
  ASSERT_FALSE(StandIns::IsRegistered(unbuilt));
  EXPECT_EQ(Crs3000ListedClass(unbuilt, prg, QStringLiteral("3.05")), nullptr);
  try {
    Crs3000ListedClass(QStringLiteral("tEcrPrgCrs3000Nowhere"), prg, QStringLiteral("3.05"));
    ADD_FAILURE() << "no error for a class neither built nor on the unbuilt list";
  } catch (const EListedClassMissing& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("tEcrPrgCrs3000Nowhere"))) << e.what();
    EXPECT_TRUE(e.Message().contains(QStringLiteral("ROM 3.05"))) << e.what();
  }
  // A registered class of another kind is no report.
  EXPECT_THROW(Crs3000ListedClass(QStringLiteral("tEcrPrgCrs3000MemAllocV225"), tEcrRpt::StaticClass(),
                                  QStringLiteral("2.19")),
               EListedClassMissing);
}
