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

TEST(FormRegistry, MissingFormRaisesAndScopedFormRestores) {
  EXPECT_THROW(FormRegistry::Show(QStringLiteral("TfrmNothing"), nullptr), EFormNotRegistered);
  {
    ScopedForm form(QStringLiteral("TfrmNothing"),
                    [](TObject*, const QVariantMap& args) { return args.value("x").toInt() + 1; });
    EXPECT_EQ(FormRegistry::Show(QStringLiteral("TfrmNothing"), nullptr, {{"x", 41}}), 42);
  }
  EXPECT_FALSE(FormRegistry::Has(QStringLiteral("TfrmNothing")));
}
