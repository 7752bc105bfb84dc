// Actions: their titles, targets, stream forms, and the machine a read action takes.
#include "ActnFixture.h"
#include "model/StreamBytes.h"

#include "comm/actions/ActnMachineId.h"
#include "comm/actions/tActn.h"
#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tEcrSelection.h"
#include "model/tMachine.h"
#include "platform/sys/FormRegistry.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/TObjectStream.h"

#include <gtest/gtest.h>

namespace {
// A driver class that has no stream form.
class tActnTestLostEcr final : public tEcr {
  TB_OBJECT(tActnTestLostEcr)
public:
  explicit tActnTestLostEcr(TBlank blank) : tEcr(blank) {}
};
} // namespace
TB_DEFINE_CLASS(tActnTestLostEcr, tEcr)

namespace {
QByteArray Bytes(const TObject& obj) {
  TObjectStream stream;
  stream.WriteObject(&obj);
  return stream.Stream().Bytes();
}

std::unique_ptr<tActn> Copy(const tActn& actn) {
  std::unique_ptr<TObject> copy = CopyObject(&actn);
  return std::unique_ptr<tActn>(static_cast<tActn*>(copy.release()));
}

using ActnTest = ActnFixture;

const TClass* const kKinds[] = {&tActnPrgSnd::StaticClass(), &tActnPrgRec::StaticClass(), &tActnRpt::StaticClass()};
} // namespace

TEST_F(ActnTest, TheBaseFieldsAreStoredAsModelNameAndDriverClassName) {
  const std::unique_ptr<tActn> actn = tActn::New(tActn::StaticClass(), front.get(), driver.get());
  using namespace StreamBytes;
  EXPECT_EQ(Bytes(*actn), Head("tActn") + Str("Test") + Str("tActnTestEcr"));
  const std::unique_ptr<tActn> none = tActn::New(tActn::StaticClass(), nullptr, nullptr);
  EXPECT_EQ(Bytes(*none), Head("tActn") + Str("") + Str(""));
  EXPECT_EQ(Copy(*none)->EcrClass, nullptr);
}

TEST_F(ActnTest, EveryKindReadsBackWhatItWrote) {
  for (const TClass* cls : kKinds) {
    SCOPED_TRACE(cls->ClassName().toStdString());
    const std::unique_ptr<tActn> actn = MakeActn(*cls);
    const std::unique_ptr<tActn> copy = Copy(*actn);
    ASSERT_EQ(&copy->ClassType(), cls);
    EXPECT_EQ(copy->ModelName, QStringLiteral("Test"));
    EXPECT_EQ(copy->EcrClass, &tActnTestEcr::StaticClass());
    ASSERT_TRUE(Target(*copy));
    EXPECT_EQ(Target(*copy)->ClassName(), Target(*actn)->ClassName());
    EXPECT_EQ(Target(*copy)->GetIntParam(3), 7);
    EXPECT_EQ(Target(*copy)->GetCompParamValue(9), 123456789012LL);
    EXPECT_EQ(Bytes(*copy), Bytes(*actn));
    // The stored form: the base fields, then the target nested.
    EXPECT_EQ(Bytes(*actn), StreamBytes::Head(cls->ClassName().toLatin1()) + StreamBytes::Str("Test") +
                                StreamBytes::Str("tActnTestEcr") + Bytes(*Target(*actn)));
  }
}

TEST_F(ActnTest, ACopyTakesTheMachineLastNamedMovesItsTargetThereAndDropsTheOptions) {
  for (const TClass* cls : kKinds) {
    SCOPED_TRACE(cls->ClassName().toStdString());
    const std::unique_ptr<tActn> actn = MakeActn(*cls); // made for "Front"
    ASSERT_EQ(LastActnMachineId(), QStringLiteral("Front"));
    const TActnMachineScope back(QStringLiteral("Back"));
    const std::unique_ptr<tActn> copy = Copy(*actn);
    ASSERT_TRUE(copy->Machine());
    EXPECT_EQ(copy->Machine()->MachineId, QStringLiteral("Back"));
    ASSERT_TRUE(copy->Machine()->Ecr());
    EXPECT_EQ(Target(*copy)->Owner(), copy->Machine()->Ecr());
    EXPECT_TRUE(copy->TargetAttached());
    EXPECT_FALSE(copy->AutoReport);
    EXPECT_FALSE(copy->AutoExport);
    EXPECT_FALSE(copy->AppendExport);
    EXPECT_EQ(copy->ExportFile, QString());
  }
}

TEST_F(ActnTest, CopyActnKeepsTheActionsOwnMachineWhateverWasNamedLast) {
  const std::unique_ptr<tActn> actn = MakeActn(tActnRpt::StaticClass());
  SetLastActnMachineId(QStringLiteral("Back"));
  const std::unique_ptr<tActn> copy = CopyActn(*actn);
  ASSERT_TRUE(copy->Machine());
  EXPECT_EQ(copy->Machine()->MachineId, QStringLiteral("Front"));
  EXPECT_EQ(Target(*copy)->Owner(), copy->Machine()->Ecr());
  EXPECT_EQ(LastActnMachineId(), QStringLiteral("Back")) << "the earlier id comes back after the copy";
}

TEST_F(ActnTest, AnActionReadForAnUnknownOrNoMachineHasNoneAndItsTargetStaysDetached) {
  const std::unique_ptr<tActn> actn = MakeActn(tActnPrgSnd::StaticClass());
  for (const QString& id : {QStringLiteral("Gone"), QString()}) {
    const TActnMachineScope scope(id);
    const std::unique_ptr<tActn> copy = Copy(*actn);
    EXPECT_EQ(copy->Machine(), nullptr) << id.toStdString();
    ASSERT_TRUE(Target(*copy));
    EXPECT_FALSE(copy->TargetAttached());
  }
}

TEST_F(ActnTest, ADriverClassWithoutStreamFormStopsTheRead) {
  tActnTestLostEcr lost(TBlank{});
  const std::unique_ptr<tActn> actn = tActn::New(tActnRpt::StaticClass(), nullptr, &lost);
  EXPECT_THROW(Copy(*actn), EClassNotRegistered);
}

TEST_F(ActnTest, CreatingForAMachinePublishesItsIdAndCopiesIt) {
  SetLastActnMachineId(QStringLiteral("Back"));
  const std::unique_ptr<tActn> none = tActn::New(tActnRpt::StaticClass(), nullptr, driver.get());
  EXPECT_EQ(LastActnMachineId(), QStringLiteral("Back")) << "no machine, nothing published";
  EXPECT_EQ(none->Machine(), nullptr);
  const std::unique_ptr<tActn> actn = tActn::New(tActnRpt::StaticClass(), front.get(), driver.get());
  EXPECT_EQ(LastActnMachineId(), QStringLiteral("Front"));
  ASSERT_TRUE(actn->Machine());
  EXPECT_NE(actn->Machine(), front.get());
  EXPECT_EQ(actn->Machine()->MachineId, QStringLiteral("Front"));
  EXPECT_EQ(static_cast<tActnRpt&>(*actn).Rpt(), nullptr);
  EXPECT_EQ(actn->EcrClass, &tActnTestEcr::StaticClass());
  EXPECT_EQ(actn->ModelName, QStringLiteral("Test"));
}

TEST_F(ActnTest, TitlesJoinTheTargetsName) {
  struct Case {
    const TClass* cls;
    QString target; // none: no target
    QString title;
  };
  const Case cases[] = {
      {&tActn::StaticClass(), {}, "UNDEFINED"},
      {&tActnPrgSnd::StaticClass(), {}, "PROGRAM SEND"},
      {&tActnPrgSnd::StaticClass(), "Bravo", "PROGRAM SEND - Bravo"},
      {&tActnPrgRec::StaticClass(), {}, "PROGRAM RECEIVE"},
      {&tActnPrgRec::StaticClass(), "Alpha", "PROGRAM RECEIVE - Alpha"},
      {&tActnRpt::StaticClass(), {}, "REPORT POLL"},
      {&tActnRpt::StaticClass(), "Financial", "REPORT POLL - Financial"},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<tActn> actn =
        c.target.isEmpty() ? tActn::New(*c.cls, nullptr, driver.get()) : MakeActn(*c.cls, c.target);
    EXPECT_EQ(actn->DispTitle(), c.title);
  }
}

TEST_F(ActnTest, ATargetIsAttachedOnlyInTheDriverOfTheActionsMachine) {
  const std::unique_ptr<tEcrRpt> source = driver->FindRptByName(QStringLiteral("PLU"));
  auto withMachine = tActn::New<tActnRpt>(front.get(), driver.get());
  EXPECT_FALSE(withMachine->TargetAttached()) << "no target yet";
  withMachine->SetRpt(source.get());
  EXPECT_TRUE(withMachine->TargetAttached());
  EXPECT_EQ(withMachine->Rpt()->Owner(), withMachine->Machine()->Ecr());
  EXPECT_NE(withMachine->Rpt(), source.get());

  auto noMachineActn = tActn::New<tActnPrgSnd>(nullptr, driver.get());
  std::unique_ptr<tEcrPrg> prg = driver->FindPrgByName(QStringLiteral("Bravo"));
  noMachineActn->SetPrg(prg.get());
  EXPECT_FALSE(noMachineActn->TargetAttached());
}

TEST_F(ActnTest, EditingRunsTheTargetsOptionsAndWithoutTargetShowsNothing) {
  int shown = 0;
  int answer = 0;
  ScopedForm<RptOptsRequest> rptOpts([&](RptOptsRequest&) { return ++shown, answer; }, ActnDoubles::kOptsForm);
  ScopedForm<PrgOptsRequest> prgOpts([&](PrgOptsRequest&) { return ++shown, answer; }, ActnDoubles::kOptsForm);
  for (const TClass* cls : kKinds) {
    SCOPED_TRACE(cls->ClassName().toStdString());
    shown = 0;
    EXPECT_FALSE(tActn::New(*cls, nullptr, driver.get())->EditActn());
    EXPECT_EQ(shown, 0);
    const std::unique_ptr<tActn> actn = MakeActn(*cls); // Alpha or Financial: with options
    answer = 0;
    EXPECT_FALSE(actn->EditActn());
    answer = EcrForms::FormOk;
    EXPECT_TRUE(actn->EditActn());
    EXPECT_EQ(shown, 2);
  }
}

TEST_F(ActnTest, SelectingATargetAsksTheSelectorInTheActionsModeThenTheOptions) {
  struct Case {
    const TClass* cls;
    int mode; // of the program selector; -1 for the report selector
    QString pick;
    int selector;
    int options;
    bool result;
    QString title;
  };
  const int ok = EcrForms::FormOk;
  const Case cases[] = {
      {&tActnPrgSnd::StaticClass(), tEcr::ModeSend, "Alpha", ok, ok, true, "PROGRAM SEND - Alpha"},
      {&tActnPrgSnd::StaticClass(), tEcr::ModeSend, "Alpha", ok, 0, false, "PROGRAM SEND - Alpha"},
      {&tActnPrgSnd::StaticClass(), tEcr::ModeSend, "Alpha", 0, ok, false, "PROGRAM SEND"},
      {&tActnPrgRec::StaticClass(), tEcr::ModeSave, "Alpha", ok, ok, true, "PROGRAM RECEIVE - Alpha"},
      {&tActnRpt::StaticClass(), -1, "Financial", ok, ok, true, "REPORT POLL - Financial"},
      {&tActnRpt::StaticClass(), -1, "Financial", ok, 0, false, "REPORT POLL - Financial"},
      {&tActnRpt::StaticClass(), -1, "Financial", 0, ok, false, "REPORT POLL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title.toStdString());
    int mode = -2;
    auto choose = [&](tEcrSelection& selection, int m) {
      mode = m;
      EXPECT_TRUE(selection.Offered().contains(c.pick));
      selection.Chosen = QStringList{c.pick};
      return c.selector;
    };
    ScopedForm<PrgSelectRequest> prgs([&](PrgSelectRequest& r) { return choose(r.selection, r.selection.Mode()); });
    ScopedForm<RptSelectRequest> rpts([&](RptSelectRequest& r) { return choose(r.selection, -1); });
    ScopedForm<RptOptsRequest> rptOpts([&](RptOptsRequest&) { return c.options; }, ActnDoubles::kOptsForm);
    ScopedForm<PrgOptsRequest> prgOpts([&](PrgOptsRequest&) { return c.options; }, ActnDoubles::kOptsForm);
    const std::unique_ptr<tActn> actn = tActn::New(*c.cls, nullptr, driver.get());
    EXPECT_EQ(actn->SelectTarget(*driver), c.result);
    EXPECT_EQ(mode, c.mode);
    EXPECT_EQ(actn->DispTitle(), c.title);
  }
}

TEST_F(ActnTest, AProgramThatCannotBeWrittenIsToldAndStoredAsNone) {
  struct Case {
    const TClass* cls;
    QString message;
  };
  const Case cases[] = {{&tActnPrgSnd::StaticClass(), "Could not write prog (send action)"},
                        {&tActnPrgRec::StaticClass(), "Could not write prog (save)"}};
  for (const Case& c : cases) {
    prompter.shown.clear();
    auto actn = tActn::New(*c.cls, nullptr, driver.get());
    // Adopted, not copied: a copy would need the missing stream form.
    auto& prgActn = static_cast<tActnPrg&>(*actn);
    prgActn.AdoptPrg(std::make_unique<tActnTestUnstored>(TBlank{}));
    const std::unique_ptr<tActn> copy = Copy(*actn);
    EXPECT_EQ(prompter.Texts(), QStringList{c.message});
    EXPECT_EQ(static_cast<tActnPrg&>(*copy).Prg(), nullptr);
    EXPECT_EQ(copy->ModelName, QStringLiteral("Test"));
  }
}
