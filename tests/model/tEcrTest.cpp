// The register driver base: finders, capability lists, selectors (through window doubles)
// and the stored form of a driver with its rebuild rule.
#include "DriverDoubles.h"

#include "model/EcrErrors.h"
#include "model/EcrForms.h"
#include "model/EcrStreamForm.h"
#include "model/tEcrSelection.h"
#include "platform/sys/FormRegistry.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/TArray.h"
#include "store/streaming/TMemoryStream.h"
#include "store/streaming/TObjectStream.h"

#include <gtest/gtest.h>

namespace {
QStringList PrgClasses(const tEcr& ecr) {
  QStringList names;
  for (int i = 1; i <= ecr.PrgCount(); ++i) names.append(static_cast<TObject*>(ecr.Prg(i))->ClassName());
  return names;
}

QStringList RptClasses(const tEcr& ecr) {
  QStringList names;
  for (int i = 1; i <= ecr.RptCount(); ++i) names.append(static_cast<TObject*>(ecr.Rpt(i))->ClassName());
  return names;
}

QByteArray Stream(const TObject& obj) {
  TObjectStream stream;
  stream.WriteObject(&obj);
  return stream.Stream().Bytes();
}

std::unique_ptr<tEcr> Read(const QByteArray& bytes) {
  auto memory = std::make_unique<TMemoryStream>();
  memory->Write(bytes.constData(), bytes.size());
  TObjectStream stream(std::move(memory));
  stream.Rewind();
  std::unique_ptr<TObject> obj = stream.ReadObject();
  return std::unique_ptr<tEcr>(dynamic_cast<tEcr*>(obj.release()));
}

// A window double that chooses the given names from a selection and answers as told.
template <class Request>
class SelectorDouble {
public:
  explicit SelectorDouble(QStringList choose, int answer = EcrForms::FormOk)
      : scoped_([this, choose, answer](Request& request) {
          tEcrSelection& selection = request.selection;
          offered = selection.Offered();
          multi = selection.Multi();
          caption = selection.Caption();
          selection.Chosen = choose;
          return answer;
        }) {}
  QStringList offered;
  bool multi = false;
  QString caption;

private:
  ScopedForm<Request> scoped_;
};

class tEcrTest : public ::testing::Test {
protected:
  std::unique_ptr<tDrvTestEcr> ecr = DriverDoubles::NewDriver();
};
} // namespace

TEST_F(tEcrTest, ABaseDriverNamesNothingAndHasEmptyLists) {
  const std::unique_ptr<tEcr> base = tEcr::New(tEcr::StaticClass());
  EXPECT_EQ(base->MfgName(), "Manufacturer Undefined");
  EXPECT_EQ(base->ModelName(), "Model Undefined");
  EXPECT_EQ(base->RomName(), "ROM UNDEFINED");
  EXPECT_TRUE(base->GetClassSuffix().isEmpty());
  EXPECT_EQ(base->CreateCommModule(nullptr), nullptr);
  ASSERT_TRUE(base->Prgs() && base->Rpts());
  EXPECT_EQ(base->Prgs()->ElementClass(), &tEcrPrg::StaticClass());
  EXPECT_EQ(CompareFuncName(base->Prgs()->CompareFunc()), "ComparePrgs");
  EXPECT_EQ(CompareFuncName(base->Rpts()->CompareFunc()), "CompareRpts");
  const std::unique_ptr<TObject> blank(tEcr::StaticClass().NewBlank());
  EXPECT_EQ(static_cast<tEcr*>(blank.get())->Prgs(), nullptr);
  EXPECT_THROW(tEcr::New(TArray::StaticClass()), EClassNotEcr);
}

TEST_F(tEcrTest, FindByClassIsExactForProgramsAndIgnoresCaseForReports) {
  tEcrPrg* alpha = ecr->FindPrgByClass(QStringLiteral("tDrvPrgAlpha"));
  ASSERT_TRUE(alpha);
  EXPECT_EQ(alpha, ecr->Prg(1));
  EXPECT_EQ(alpha->Owner(), ecr.get());
  EXPECT_EQ(ecr->FindPrgByClass(QStringLiteral("tdrvprgalpha")), nullptr);
  EXPECT_EQ(ecr->FindPrgByClass(QStringLiteral("tDrvPrgNone")), nullptr);
  EXPECT_EQ(ecr->FindRptByClass(QStringLiteral("TDRVRPTGROUP")), ecr->Rpt(2));
}

TEST_F(tEcrTest, FindByNameGivesACopyOfTheFirstMatchIgnoringCase) {
  ecr->FindPrgByClass(QStringLiteral("tDrvPrgBravo"))->SetProgramID(QStringLiteral("Set9"));
  std::unique_ptr<tEcrPrg> copy = ecr->FindPrgByName(QStringLiteral("bRAVO"));
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.get(), ecr->Prg(2));
  EXPECT_EQ(copy->ClassName(), "tDrvPrgBravo");
  EXPECT_EQ(copy->GetProgramID(), "Set9");
  copy->SetProgramID(QStringLiteral("Changed"));
  EXPECT_EQ(ecr->Prg(2)->GetProgramID(), "Set9");
  // Two reports share the name "PLU" in different letters: the first is taken.
  std::unique_ptr<tEcrRpt> rpt = ecr->FindRptByName(QStringLiteral("plu"));
  ASSERT_TRUE(rpt);
  EXPECT_EQ(rpt->ClassName(), "tDrvRptPlu");
  EXPECT_EQ(ecr->FindPrgByName(QStringLiteral("Zulu")), nullptr);
  EXPECT_EQ(ecr->FindRptByName(QStringLiteral("Zulu")), nullptr);
}

TEST_F(tEcrTest, CapabilityListsAppendExceptTheMaintenanceList) {
  QStringList list{QStringLiteral("earlier")};
  ecr->PrgsToSend(list);
  EXPECT_EQ(list, (QStringList{"earlier", "Alpha", "Bravo", "PLU"}));
  list = QStringList{QStringLiteral("earlier")};
  ecr->PrgsToSendAll(list);
  EXPECT_EQ(list, (QStringList{"earlier", "Alpha", "PLU"}));
  list.clear();
  ecr->PrgsToSave(list);
  EXPECT_EQ(list, (QStringList{"Alpha", "Charlie"}));
  list = QStringList{QStringLiteral("earlier")};
  ecr->PrgsToMaint(list);
  EXPECT_EQ(list, (QStringList{"Alpha", "PLU", "Groups"}));
}

TEST_F(tEcrTest, ReportListNamesEachReportOnce) {
  QStringList list{QStringLiteral("earlier")};
  ecr->MakeRptLstBx(list);
  EXPECT_EQ(list, (QStringList{"PLU", "Groups", "Time Keeping", "Financial"}));
}

TEST_F(tEcrTest, CompareRoutinesOrderByNameCaseSensitively) {
  const TCompareFunc prgs = CompareFuncByName(QStringLiteral("ComparePrgs"));
  EXPECT_EQ(prgs(*ecr->Prg(1), *ecr->Prg(2)), CompareResult::Less);
  EXPECT_EQ(prgs(*ecr->Prg(2), *ecr->Prg(1)), CompareResult::Greater);
  EXPECT_EQ(prgs(*ecr->Prg(1), *ecr->Prg(1)), CompareResult::Equal);
  const TCompareFunc rpts = CompareFuncByName(QStringLiteral("CompareRpts"));
  EXPECT_EQ(rpts(*ecr->Rpt(1), *ecr->Rpt(5)), CompareResult::Less); // "PLU" < "plu"
}

TEST_F(tEcrTest, SelectorsHandOutCopiesOrNothing) {
  {
    SelectorDouble<PrgSelectRequest> window({QStringLiteral("Charlie")});
    std::unique_ptr<tEcrPrg> chosen = ecr->SelectAPrg(tEcr::ModeSave);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->ClassName(), "tDrvPrgCharlie");
    EXPECT_NE(chosen.get(), ecr->Prg(3));
    EXPECT_EQ(window.offered, (QStringList{"Alpha", "Charlie"}));
    EXPECT_FALSE(window.multi);
    EXPECT_EQ(window.caption, "Program Selector");
  }
  {
    SelectorDouble<PrgSelectRequest> window({QStringLiteral("PLU"), QStringLiteral("Alpha")});
    std::optional<std::vector<tEcr::ChosenPrg>> chosen = ecr->SelectPrgs(tEcr::ModeSend);
    ASSERT_TRUE(chosen);
    ASSERT_EQ(chosen->size(), 2u);
    EXPECT_EQ(chosen->at(0).Name, "PLU");
    EXPECT_EQ(chosen->at(0).Prg->ClassName(), "tDrvPrgPlu");
    EXPECT_EQ(chosen->at(1).Prg->ClassName(), "tDrvPrgAlpha");
    EXPECT_TRUE(window.multi);
    EXPECT_EQ(window.caption, "Programs To Send");
  }
  {
    SelectorDouble<PrgSelectRequest> window({QStringLiteral("Alpha")}, 0);
    EXPECT_EQ(ecr->SelectAPrg(tEcr::ModeMaint), nullptr);
    EXPECT_FALSE(ecr->SelectPrgs(tEcr::ModeMaint).has_value());
    EXPECT_EQ(window.offered, (QStringList{"Alpha", "PLU", "Groups"}));
  }
  {
    SelectorDouble<RptSelectRequest> window({QStringLiteral("Groups")});
    std::unique_ptr<tEcrRpt> rpt = ecr->SelectARpt();
    ASSERT_TRUE(rpt);
    EXPECT_EQ(rpt->ClassName(), "tDrvRptGroup");
    EXPECT_NE(rpt.get(), ecr->Rpt(2));
  }
}

TEST_F(tEcrTest, TheProgramIdEditorGetsTheDriverAndTheDefault) {
  tEcr* subject = nullptr;
  QString defaultId;
  ScopedForm<PrgIdRequest> window([&](PrgIdRequest& request) {
    subject = &request.ecr;
    defaultId = request.defaultId;
    return EcrForms::FormOk;
  });
  ecr->EditProgramIDs(QStringLiteral("Store7"));
  EXPECT_EQ(subject, ecr.get());
  EXPECT_EQ(defaultId, "Store7");
}

TEST_F(tEcrTest, AStoredDriverWithTodaysCountsKeepsItsObjectsAsStored) {
  tEcrPrg* bravo = ecr->Prg(2);
  bravo->SetProgramID(QStringLiteral("Set9"));
  bravo->SetLastSnt(TDateTime(45000.5));
  bravo->SetIntParam(3, 77);
  bravo->SetCompParam(9, 1234567890123LL);
  ecr->Rpt(3)->LastRead = TDateTime(45001.25);
  ecr->Rpt(3)->SetIntParam(0, -5);
  const std::unique_ptr<tEcr> copy = Read(Stream(*ecr));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->ClassName(), "tDrvTestEcr");
  EXPECT_EQ(PrgClasses(*copy), PrgClasses(*ecr));
  EXPECT_EQ(RptClasses(*copy), RptClasses(*ecr));
  EXPECT_EQ(copy->Prg(2)->GetProgramID(), "Set9");
  EXPECT_EQ(copy->Prg(1)->GetProgramID(), "Default");
  EXPECT_EQ(copy->Prg(2)->LastSnt(), TDateTime(45000.5));
  EXPECT_EQ(copy->Prg(2)->GetIntParam(3), 77);
  EXPECT_EQ(copy->Prg(2)->GetCompParamValue(9), 1234567890123LL);
  EXPECT_EQ(copy->Rpt(3)->LastRead, TDateTime(45001.25));
  EXPECT_EQ(copy->Rpt(3)->GetIntParam(0), -5);
  for (int i = 1; i <= copy->PrgCount(); ++i) EXPECT_EQ(copy->Prg(i)->Owner(), copy.get());
  for (int i = 1; i <= copy->RptCount(); ++i) EXPECT_EQ(copy->Rpt(i)->Owner(), copy.get());
  EXPECT_EQ(EcrStreamForm::BeingRead(), nullptr);
}

TEST_F(tEcrTest, AStoredDriverWithOtherCountsGetsTodaysListsKeepingProgramIds) {
  // As an older build stored it: fewer programs and reports, with stamps and own IDs.
  ecr->Prg(2)->SetProgramID(QStringLiteral("Set9"));
  ecr->Prg(2)->SetLastSnt(TDateTime(45000.5));
  ecr->Prg(3)->SetProgramID(QStringLiteral("Set3"));
  ecr->Prgs()->Delete(1); // the last program moves into slot 1
  ecr->Rpts()->Delete(5);
  ASSERT_EQ(ecr->PrgCount(), 5);
  const std::unique_ptr<tEcr> copy = Read(Stream(*ecr));
  ASSERT_TRUE(copy);
  const std::unique_ptr<tEcr> today = DriverDoubles::NewDriver();
  EXPECT_EQ(PrgClasses(*copy), PrgClasses(*today));
  EXPECT_EQ(RptClasses(*copy), RptClasses(*today));
  EXPECT_EQ(copy->FindPrgByClass(QStringLiteral("tDrvPrgBravo"))->GetProgramID(), "Set9");
  EXPECT_EQ(copy->FindPrgByClass(QStringLiteral("tDrvPrgCharlie"))->GetProgramID(), "Set3");
  EXPECT_EQ(copy->FindPrgByClass(QStringLiteral("tDrvPrgAlpha"))->GetProgramID(), "Default");
  EXPECT_EQ(copy->FindPrgByClass(QStringLiteral("tDrvPrgBravo"))->LastSnt(), TDateTime()); // stamps start afresh
  for (int i = 1; i <= copy->PrgCount(); ++i) EXPECT_EQ(copy->Prg(i)->Owner(), copy.get());
}

TEST_F(tEcrTest, AnUnreadableStoredListIsRebuiltFromTheClass) {
  ecr->Prg(2)->SetProgramID(QStringLiteral("Set9"));
  QByteArray bytes = Stream(*ecr);
  const qsizetype at = bytes.indexOf("tDrvPrgAlpha");
  ASSERT_GT(at, 0);
  bytes.replace(at, 12, "tDrvPrgAlphX"); // a class this program does not have
  const std::unique_ptr<tEcr> copy = Read(bytes);
  ASSERT_TRUE(copy);
  EXPECT_EQ(PrgClasses(*copy), PrgClasses(*ecr));
  EXPECT_EQ(RptClasses(*copy), RptClasses(*ecr));
  EXPECT_EQ(copy->Prg(2)->GetProgramID(), "Default"); // nothing could be carried over
}

TEST_F(tEcrTest, ADriverClassWithoutProgramsComesBackWithoutAProgramList) {
  const std::unique_ptr<tEcr> base = tEcr::New(tEcr::StaticClass());
  const std::unique_ptr<tEcr> copy = Read(Stream(*base));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->Prgs(), nullptr);
  EXPECT_EQ(copy->PrgCount(), 0);
  EXPECT_EQ(copy->FindPrgByClass(QStringLiteral("tDrvPrgAlpha")), nullptr);
  QStringList list;
  copy->PrgsToMaint(list);
  EXPECT_TRUE(list.isEmpty());
}

TEST_F(tEcrTest, AProgramCopiedOutsideADriverHasNoOwner) {
  const std::unique_ptr<TObject> copy = CopyObject(ecr->Prg(1));
  EXPECT_EQ(static_cast<tEcrPrg*>(copy.get())->Owner(), nullptr);
}
