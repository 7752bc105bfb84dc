// The CRS branch of the driver tree: the model choice walked with a scripted chooser,
// the eighteen ROM drivers and their lists, and the protocol module hook.
#include "Crs3000StandIns.h"

#include "crs3000/Crs3000RomClasses.h"
#include "crs3000/Crs3000RomLists.h"
#include "crs3000/Crs3000RomVersions.h"
#include "crs3000/tEcrCrs2000.h"
#include "model/EcrErrors.h"
#include "model/EcrForms.h"
#include "model/tEcrModelChoice.h"
#include "platform/sys/FormRegistry.h"
#include "store/streaming/StreamRegistry.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {
// A chooser that picks, at each level in turn, the entry with the scripted text (an
// empty text cancels) and records what it was shown.
class ScriptedChooser {
public:
  explicit ScriptedChooser(QStringList picks)
      : picks_(std::move(picks)), form_([this](ModelChoiceRequest& request) { return Show(request); }) {}

  QStringList captions;
  QList<QStringList> texts;

private:
  int Show(ModelChoiceRequest& request) {
    captions.append(request.caption);
    tEcrModelChoice* choice = &request.choice;
    QStringList shown;
    for (int i = 0; i < choice->Count(); ++i) shown.append(choice->Text(i));
    texts.append(shown);
    const QString pick = picks_.value(texts.size() - 1);
    if (pick.isEmpty()) return 0;
    choice->Choose(int(shown.indexOf(pick)));
    return EcrForms::FormOk;
  }

  QStringList picks_;
  ScopedForm<ModelChoiceRequest> form_;
};

QStringList RegisteredOnly(const QStringList& names) {
  QStringList registered;
  for (const QString& name : names)
    if (StandIns::IsRegistered(name)) registered.append(name);
  return registered;
}

class DriverTree : public ::testing::Test {
protected:
  void SetUp() override { StandIns::RegisterAll(); }
};
} // namespace

TEST_F(DriverTree, ChoosingMakerModelAndRomGivesThatRomWithItsListsAndFreesTheRest) {
  const int liveBefore = StandIns::LiveCount();
  ScriptedChooser chooser({"CRS", "3000", "3.04"});
  std::unique_ptr<tEcr> ecr = tEcr::CreateChosen(nullptr);
  ASSERT_TRUE(ecr);
  EXPECT_EQ(ecr->ClassName(), "tEcrCrs3000V0304");
  EXPECT_EQ(ecr->RomName(), "3.04");
  EXPECT_EQ(ecr->ModelName(), "3000");
  EXPECT_EQ(ecr->MfgName(), "CRS");
  EXPECT_EQ(chooser.captions, (QStringList{"Select Manufacturer", "Select Model", "Select ROM Version"}));
  EXPECT_EQ(chooser.texts.at(0), QStringList{"CRS"});
  EXPECT_EQ(chooser.texts.at(1), (QStringList{"2000 Not Supported", "3000"}));
  QStringList romTexts;
  for (const Crs3000RomVersion& v : Crs3000RomVersions::All()) romTexts.append(v.RomName);
  EXPECT_EQ(chooser.texts.at(2), romTexts);
  // Eighteen candidates built their lists; only the chosen driver's objects are left.
  EXPECT_TRUE(ecr->FindPrgByClass(QString::fromLatin1(StandIns::DateTime)));
  int standIns = 0;
  for (const QString& name : StandIns::ClassNames(*ecr, true) + StandIns::ClassNames(*ecr, false))
    standIns += StandIns::StandInNames().contains(name);
  EXPECT_EQ(StandIns::LiveCount() - liveBefore, standIns);
}

TEST_F(DriverTree, CancellingAnyLevelGivesNoneAndFreesEveryCandidate) {
  const int liveBefore = StandIns::LiveCount();
  for (const QStringList& picks : {QStringList{"CRS", "3000", ""}, QStringList{"CRS", ""}, QStringList{""}}) {
    SCOPED_TRACE(picks.join(QLatin1Char('/')).toStdString());
    ScriptedChooser chooser(picks);
    EXPECT_EQ(tEcr::CreateChosen(nullptr), nullptr);
    EXPECT_EQ(chooser.captions.size(), picks.size());
    EXPECT_EQ(StandIns::LiveCount(), liveBefore);
  }
}

TEST_F(DriverTree, TheModel2000IsALeafWithoutProgramsOrReports) {
  ScriptedChooser chooser({"CRS", "2000 Not Supported"});
  std::unique_ptr<tEcr> ecr = tEcr::CreateChosen(nullptr);
  ASSERT_TRUE(ecr);
  EXPECT_EQ(ecr->ClassName(), "tEcrCrs2000");
  EXPECT_EQ(ecr->PrgCount(), 0);
  EXPECT_EQ(ecr->RptCount(), 0);
  tEcr* result = nullptr;
  ecr->GetModel(result);
  EXPECT_EQ(result, ecr.get());
}

TEST_F(DriverTree, AnUnknownLevelIsAnAssertion) {
  std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs::StaticClass());
  tEcr* result = nullptr;
  try {
    ecr->SelectModel(result, 3);
    FAIL() << "no error";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), "Unknown Mode in SelectModel");
  }
  EXPECT_THROW(ecr->SelectModel(result, -1), EAssertionFailed);
  EXPECT_EQ(result, nullptr);
}

TEST_F(DriverTree, EveryRomIsARegisteredLeafWithTheListedClassesThatExist) {
  for (int i = 0; i < Crs3000RomVersions::Count; ++i) {
    const Crs3000RomVersion& version = Crs3000RomVersions::At(i);
    SCOPED_TRACE(version.ClassName.toStdString());
    const TClass& cls = ClassByName(version.ClassName);
    EXPECT_EQ(cls.ClassName(), version.ClassName);
    EXPECT_EQ(cls.ClassParent(), &tEcrCrs3000::StaticClass());
    std::unique_ptr<tEcr> ecr = tEcr::New(cls);
    EXPECT_EQ(ecr->RomName(), version.RomName);
    tEcr* result = nullptr;
    ecr->GetModel(result);
    EXPECT_EQ(result, ecr.get());
    EXPECT_EQ(StandIns::ClassNames(*ecr, true), RegisteredOnly(Crs3000RomLists::PrgClassNames(version.Column)));
    EXPECT_EQ(StandIns::ClassNames(*ecr, false), RegisteredOnly(Crs3000RomLists::RptClassNames(version.Column)));
    for (int p = 1; p <= ecr->PrgCount(); ++p) EXPECT_EQ(ecr->Prg(p)->Owner(), ecr.get());
  }
}

TEST_F(DriverTree, RomListsDecideWhichStandInsADriverHolds) {
  const std::unique_ptr<tEcr> v0221 = tEcr::New(tEcrCrs3000V0221::StaticClass());
  const std::unique_ptr<tEcr> v0222 = tEcr::New(tEcrCrs3000V0222::StaticClass());
  const std::unique_ptr<tEcr> v0303 = tEcr::New(tEcrCrs3000V0303::StaticClass());
  EXPECT_TRUE(v0221->FindPrgByClass(QStringLiteral("tEcrPrgCrs3000Coupon224")));
  EXPECT_FALSE(v0222->FindPrgByClass(QStringLiteral("tEcrPrgCrs3000Coupon224")));
  EXPECT_TRUE(v0303->FindRptByClass(QStringLiteral("tEcrRptCrs3000Cshr303")));
  EXPECT_FALSE(v0303->FindRptByClass(QStringLiteral("tEcrRptCrs3000Cashier")));
  EXPECT_TRUE(v0222->FindRptByClass(QStringLiteral("tEcrRptCrs3000Ej")));
  EXPECT_FALSE(tEcr::New(tEcrCrs3000V0220::StaticClass())->FindRptByClass(QStringLiteral("tEcrRptCrs3000Ej")));
}

TEST_F(DriverTree, TheCommModuleComesFromTheInstalledFactoryNewAtEveryCall) {
  std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs3000V0402::StaticClass());
  QObject owner;
  EXPECT_EQ(ecr->CreateCommModule(&owner), nullptr);
  EXPECT_EQ(tEcr::New(tEcrCrs2000::StaticClass())->CreateCommModule(&owner), nullptr);
  tEcrCrs3000::SetCommModuleFactory([](QObject* parent) { return new QObject(parent); });
  QObject* first = ecr->CreateCommModule(&owner);
  QObject* second = ecr->CreateCommModule(&owner);
  tEcrCrs3000::SetCommModuleFactory(nullptr);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->parent(), &owner);
  EXPECT_EQ(ecr->CreateCommModule(&owner), nullptr);
}

TEST_F(DriverTree, EcrSizesStartEmptyAndTakeTheMemoryAllocationByPosition) {
  std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs3000V0304::StaticClass());
  TEcrSizes& sizes = static_cast<tEcrCrs3000&>(*ecr).EcrSizes;
  EXPECT_TRUE(sizes.IsEmpty());
  ASSERT_EQ(TEcrSizes::FieldNames().size(), 22);
  EXPECT_EQ(TEcrSizes::FieldNames().at(2), "Price Schedule");
  EXPECT_EQ(TEcrSizes::FieldNames().last(), "Spec Itm Stock");
  sizes.Set(0, QStringLiteral("3.04"));
  sizes.Set(2, 4);
  sizes.Set(9, 48);
  sizes.Set(11, 1);
  EXPECT_EQ(sizes.RomVersion(), "3.04");
  EXPECT_EQ(sizes.Count(QStringLiteral("Price Schedule")), 4);
  EXPECT_EQ(sizes.Count(QStringLiteral("Time Period")), 48);
  EXPECT_TRUE(sizes.Flag(QStringLiteral("Product Projections")));
  EXPECT_FALSE(sizes.Flag(QStringLiteral("Logo")));
  EXPECT_THROW(sizes.Set(22, 1), ERangeError);
  EXPECT_THROW(sizes.Count(QStringLiteral("Nothing")), ERangeError);
}
