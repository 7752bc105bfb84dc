#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"

#include <gtest/gtest.h>

TEST(Prompter, ScriptedAnswersAndRecordedTexts) {
  ScriptedPrompter scripted;
  scripted.answers = {Prompter::Yes};
  ScopedPrompter scope(scripted);
  EXPECT_TRUE(Prompter::Confirm(QStringLiteral("Delete"), QStringLiteral("Delete it?")));
  EXPECT_FALSE(Prompter::Confirm(QStringLiteral("Delete"), QStringLiteral("Again?"))); // default No
  Prompter::ShowMessage(QStringLiteral("Done"));
  EXPECT_EQ(scripted.Texts(), QStringList({"Delete it?", "Again?", "Done"}));
}

namespace {
struct AskRequest {
  static constexpr const char* kForm = "TfrmAsk";
  QString question;
  int times = 0;
  QString answer;
};
struct OtherRequest {
  static constexpr const char* kForm = "TfrmOther";
};
} // namespace

TEST(FormRegistry, ATypedRequestReachesItsFormWithItsValuesAndTakesTheAnswer) {
  ScopedForm<AskRequest> form([](AskRequest& request) {
    request.answer = request.question.repeated(request.times);
    return 7;
  });
  AskRequest request{QStringLiteral("ab"), 3, {}};
  EXPECT_EQ(FormRegistry::Show(request), 7);
  EXPECT_EQ(request.answer, "ababab");
  OtherRequest other;
  EXPECT_THROW(FormRegistry::Show(other), EFormNotRegistered) << "a form answers its own request type only";
}

TEST(FormRegistry, AnUnregisteredRequestRaisesNamingItsForm) {
  AskRequest request;
  try {
    FormRegistry::Show(request);
    FAIL() << "no error";
  } catch (const EFormNotRegistered& e) {
    EXPECT_EQ(e.Message(), "Form not available: TfrmAsk");
  }
  try {
    FormRegistry::Show(request, QStringLiteral("TQrCustom"));
    FAIL() << "no error";
  } catch (const EFormNotRegistered& e) {
    EXPECT_EQ(e.Message(), "Form not available: TQrCustom");
  }
}

TEST(FormRegistry, NamedFormsOfOneRequestTypeAreKeptApartAndScopesRestore) {
  ScopedForm<AskRequest> first([](AskRequest&) { return 1; }, QStringLiteral("TfmFirst"));
  {
    ScopedForm<AskRequest> second([](AskRequest&) { return 2; }, QStringLiteral("TfmSecond"));
    ScopedForm<AskRequest> replaced([](AskRequest&) { return 3; }, QStringLiteral("TfmFirst"));
    AskRequest request;
    EXPECT_EQ(FormRegistry::Show(request, QStringLiteral("TfmFirst")), 3);
    EXPECT_EQ(FormRegistry::Show(request, QStringLiteral("TfmSecond")), 2);
    EXPECT_FALSE(FormRegistry::Has<AskRequest>()) << "the unnamed form is a form of its own";
  }
  AskRequest request;
  EXPECT_EQ(FormRegistry::Show(request, QStringLiteral("TfmFirst")), 1);
  EXPECT_FALSE(FormRegistry::Has<AskRequest>(QStringLiteral("TfmSecond")));
}
