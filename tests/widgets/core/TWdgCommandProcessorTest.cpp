#include "widgets/core/TWdgCommandProcessor.h"
#include "widgets/core/WdgBuiltinCommandTables.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgCommandErrors.h"

#include <gtest/gtest.h>

namespace {
using M = Qt::KeyboardModifier;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kCtrl = M::ControlModifier;
const Qt::KeyboardModifiers kShift = M::ShiftModifier;
const Qt::KeyboardModifiers kAlt = M::AltModifier;
const Qt::KeyboardModifiers kShiftCtrl = kShift | kCtrl;

struct Press {
  int key;
  Qt::KeyboardModifiers modifiers;
  quint16 expected;
};

struct SequenceCase {
  const char* name;
  QStringList active; // the tables switched on, all others off
  std::vector<Press> presses;
};

void ActivateOnly(TWdgCommandProcessor& processor, const QStringList& active) {
  for (int i = 0; i < processor.TableCount(); ++i) {
    TWdgCommandTable& table = processor.TableAt(i);
    table.SetActive(active.contains(table.TableName()));
  }
}

const SequenceCase kSequences[] = {
    {"DefaultCtrlRight", {"Default"}, {{Qt::Key_Right, kCtrl, ccWordRight}}},
    {"DefaultLetterIsPlain", {"Default"}, {{Qt::Key_A, kNone, CmdPlainKey}}},
    {"DefaultCtrlZ", {"Default"}, {{Qt::Key_Z, kCtrl, ccUndo}}},
    {"DefaultAltBackspace", {"Default"}, {{Qt::Key_Backspace, kAlt, ccRestore}}},
    {"DefaultShiftDelete", {"Default"}, {{Qt::Key_Delete, kShift, ccCut}}},
    {"DefaultShiftCtrlZ", {"Default"}, {{Qt::Key_Z, kShiftCtrl, ccRedo}}},
    {"DefaultCtrlEnter", {"Default"}, {{Qt::Key_Return, kCtrl, ccNewLine}}},
    {"DefaultCtrl3", {"Default"}, {{Qt::Key_3, kCtrl, ccGotoMarker3}}},
    // Shift turns the digit key into its symbol; the marker is still found.
    {"DefaultShiftCtrl3", {"Default"}, {{Qt::Key_NumberSign, kShiftCtrl, ccSetMarker3}}},
    {"DefaultShiftTab", {"Default"}, {{Qt::Key_Backtab, kShift, CmdPlainKey}}},
    {"DefaultModifierAlone", {"Default"}, {{Qt::Key_Control, kCtrl, CmdPlainKey}}},
    {"GridF2", {"Grid"}, {{Qt::Key_F2, kNone, ccTableEdit}}},
    {"GridCtrlUp", {"Grid"}, {{Qt::Key_Up, kCtrl, ccTopLeftCell}}},
    {"GridCtrlRight", {"Grid"}, {{Qt::Key_Right, kCtrl, ccPageRight}}},
    // Active tables are asked in list order: Default before Grid.
    {"FirstActiveTableDecides", {"Grid", "Default"}, {{Qt::Key_Z, kCtrl, ccUndo}}},
    {"LaterTableWhenFirstHasNothing", {"Grid", "Default"}, {{Qt::Key_F2, kNone, ccTableEdit}}},
    {"WordStarPlainS", {"WordStar"},
     {{Qt::Key_Q, kCtrl, CmdPending}, {Qt::Key_S, kNone, ccHome}, {Qt::Key_S, kCtrl, ccLeft}}},
    {"WordStarCtrlS", {"WordStar"},
     {{Qt::Key_Q, kCtrl, CmdPending}, {Qt::Key_S, kCtrl, ccHome}, {Qt::Key_D, kCtrl, ccRight}}},
    {"WordStarShiftS", {"WordStar"},
     {{Qt::Key_Q, kCtrl, CmdPending}, {Qt::Key_S, kShift, CmdBadSequence},
      {Qt::Key_S, kShift, CmdPlainKey}}},
    {"WordStarShiftAlone", {"WordStar"},
     {{Qt::Key_Q, kCtrl, CmdPending}, {Qt::Key_Shift, kShift, CmdPending},
      {Qt::Key_Y, kNone, ccDelEol}}},
    {"WordStarMarkers", {"WordStar"},
     {{Qt::Key_K, kCtrl, CmdPending}, {Qt::Key_7, kNone, ccSetMarker7},
      {Qt::Key_Q, kCtrl, CmdPending}, {Qt::Key_7, kCtrl, ccGotoMarker7}}},
    {"WordStarCtrlCharThenAnyKey", {"WordStar"},
     {{Qt::Key_P, kCtrl, ccCtrlChar}, {Qt::Key_S, kCtrl, CmdPlainKey},
      {Qt::Key_S, kCtrl, ccLeft}}},
    {"WordStarCtrlCharThenModifier", {"WordStar"},
     {{Qt::Key_P, kCtrl, ccCtrlChar}, {Qt::Key_Control, kCtrl, CmdPlainKey},
      {Qt::Key_Q, kCtrl, CmdPlainKey}, {Qt::Key_S, kCtrl, ccLeft}}},
    // The sequence begun in WordStar is finished in the same table even when Default,
    // scanned first, knows the second key by itself.
    {"SequenceAcrossTables", {"Default", "WordStar"},
     {{Qt::Key_Q, kCtrl, CmdPending}, {Qt::Key_S, kCtrl, ccHome}}},
    {"NoTableActive", {}, {{Qt::Key_Right, kCtrl, CmdPlainKey}}},
};

class CommandSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(CommandSequence, TranslatesEachPress) {
  TWdgCommandProcessor processor;
  ActivateOnly(processor, GetParam().active);
  int step = 0;
  for (const Press& press : GetParam().presses)
    EXPECT_EQ(processor.KeyToCommand(press.key, press.modifiers), press.expected)
        << "press " << step++;
}

INSTANTIATE_TEST_SUITE_P(Tables, CommandSequence, ::testing::ValuesIn(kSequences),
                         [](const ::testing::TestParamInfo<SequenceCase>& param) {
                           return std::string(param.param.name);
                         });

TEST(CommandProcessor, StartsWithTheBuiltInTablesOnlyDefaultActive) {
  TWdgCommandProcessor processor;
  ASSERT_EQ(processor.TableCount(), 3);
  const std::pair<QString, int> expected[] = {{"Default", 64}, {"WordStar", 40}, {"Grid", 38}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(processor.TableAt(i).TableName(), expected[i].first);
    EXPECT_EQ(processor.TableAt(i).EntryCount(), expected[i].second);
    EXPECT_EQ(processor.TableAt(i).IsActive(), i == 0);
  }
}

TEST(CommandProcessor, KeySequencePacksKey1Lowest) {
  EXPECT_EQ((TWdgCommandEntry{0x5A, 4, 0, 0, ccUndo}.KeySequence()), 0x0000045Au);
  EXPECT_EQ((TWdgCommandEntry{'Q', 4, 'S', 0x80, ccHome}.KeySequence()), 0x80530451u);
  EXPECT_EQ(TWdgCommandEntry::FromSequence(0x80530451u, ccHome),
            (TWdgCommandEntry{'Q', 4, 'S', 0x80, ccHome}));
}

TEST(CommandProcessor, NamedTablesAreUsedInTheGivenOrderActiveOrNot) {
  TWdgCommandProcessor processor;
  EXPECT_EQ(processor.KeyToCommandIn({"Grid", "Default"}, Qt::Key_Z, kCtrl), ccRestore);
  EXPECT_EQ(processor.KeyToCommandIn({"nosuch", "default", "Grid"}, Qt::Key_Z, kCtrl), ccUndo);
  EXPECT_EQ(processor.KeyToCommandIn({"nosuch"}, Qt::Key_F2, kNone), CmdPlainKey);
}

TEST(CommandProcessor, VirtualKeysAreComparedOnTheirLowByte) {
  TWdgCommandProcessor processor;
  EXPECT_EQ(processor.KeyStateToCommand(39, 4), ccWordRight);
  EXPECT_EQ(processor.KeyStateToCommand(0x127, 4), ccWordRight);
  EXPECT_EQ(processor.KeyStateToCommand(39, 6), ccExtWordRight);
  EXPECT_EQ(processor.KeyStateToCommand(39, 12), CmdPlainKey);
}

TEST(CommandProcessor, ResetSequenceForgetsTheFirstKey) {
  TWdgCommandProcessor processor;
  ActivateOnly(processor, {"WordStar"});
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_Q, kCtrl), CmdPending);
  processor.ResetSequence();
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_S, kCtrl), ccLeft);
}

TEST(CommandProcessor, AnEntryWithoutCommandLeavesTheKeyToTheNextTable) {
  TWdgCommandProcessor processor;
  processor.AddEntryToTable("Default", {113, 0, 0, 0, ccNone});
  processor.TableAt(2).SetActive(true);
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_F2, kNone), ccTableEdit);
}

struct RenameCase {
  const char* name;
  QStringList existing; // added before, after the built-in tables
  QString added;
  QString expected;
};

const RenameCase kRenames[] = {
    {"SecondDefault", {}, "Default", "Default1"},
    {"CaseDoesNotMatter", {}, "grid", "grid1"},
    {"DigitsStrippedWhenStemExists", {"Custom"}, "Custom7", "Custom1"},
    {"KeptWhenStemIsFree", {}, "Custom7", "Custom7"},
    {"NextFreeNumber", {"Custom", "Custom1", "Custom2"}, "Custom", "Custom3"},
    {"NumberedNameOfABuiltIn", {}, "Default1", "Default1"},
    {"NumberedNameTaken", {"Default1"}, "Default1", "Default2"},
    {"OneDigitNameKept", {}, "7", "7"},
    {"OneDigitStemTaken", {"1"}, "12", "11"},
};

class TableRename : public ::testing::TestWithParam<RenameCase> {};

TEST_P(TableRename, GivesTheTableAFreeName) {
  TWdgCommandProcessor processor;
  for (const auto& name : GetParam().existing) processor.NewTable(name, true);
  const int index = processor.AddTableUnique(std::make_unique<TWdgCommandTable>(GetParam().added));
  EXPECT_EQ(index, processor.TableCount() - 1);
  EXPECT_EQ(processor.TableAt(index).TableName(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, TableRename, ::testing::ValuesIn(kRenames),
                         [](const ::testing::TestParamInfo<RenameCase>& param) {
                           return std::string(param.param.name);
                         });

TEST(CommandProcessor, NewTableIsFoundByItsGivenName) {
  TWdgCommandProcessor processor;
  const int index = processor.NewTable("Custom", false);
  processor.AddEntryToTable("CUSTOM", {112, 0, 0, 0, ccRestore});
  EXPECT_EQ(processor.FindTable("custom"), &processor.TableAt(index));
  EXPECT_EQ(processor.KeyToCommandIn({"Custom"}, Qt::Key_F1, kNone), ccRestore);
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_F1, kNone), CmdPlainKey); // not active
}

TEST(CommandProcessor, DuplicateKeysAreRefused) {
  TWdgCommandProcessor processor;
  try {
    processor.AddEntryToTable("Default", {'Z', 4, 0, 0, ccRestore});
    FAIL() << "no error";
  } catch (const EDuplicateCommand& e) {
    EXPECT_EQ(e.Message(), "Duplicate command found while adding a new command to the table");
  }
  EXPECT_EQ(processor.FindTable("Default")->EntryCount(), 64);
  EXPECT_EQ(processor.KeyToCommand(Qt::Key_Z, kCtrl), ccUndo);
  // The same keys with other shift flags are another sequence.
  EXPECT_NO_THROW(processor.AddEntryToTable("Default", {'Z', 8, 0, 0, ccRestore}));
}

TEST(CommandProcessor, MissingTableIsReported) {
  TWdgCommandProcessor processor;
  try {
    processor.AddEntryToTable("Custom", {112, 0, 0, 0, ccRestore});
    FAIL() << "no error";
  } catch (const ETableNotFound& e) {
    EXPECT_EQ(e.Message(), "Command table not found or command table index out of range");
  }
  EXPECT_THROW(processor.TableAt(3), ETableNotFound);
  EXPECT_THROW(processor.TableAt(-1), ETableNotFound);
}
} // namespace
