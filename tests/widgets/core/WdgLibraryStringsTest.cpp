#include "widgets/core/WdgLibraryStrings.h"

#include <gtest/gtest.h>

namespace {
struct TextCase {
  int id;
  const char* text;
};

TEST(WdgLibraryStrings, KnownTexts) {
  const TextCase cases[] = {
      {30169, "Duplicate command found while adding a new command to the table"},
      {30172, "No Controller assigned"},
      {30179, "Value is not within required range"},
      {30189, "No Window's timers are available"},
      {30203, "Invalid range. Enter a value between (%d) and (%d)"},
      {30211, "Invalid range value"},
      {30277, "(Unknown)"},
      {30278, "Entry Error"},
      {30287, "&Restore"},
      {30288, "Cu&t"},
      {30292, "Select &All"},
      {30368, "Y"},
      {30371, "F"},
  };
  for (const auto& c : cases) EXPECT_EQ(LibraryString(c.id), QString::fromUtf8(c.text)) << c.id;
}

TEST(WdgLibraryStrings, MissingIdReadsUnknown) {
  for (int id : {30000, 0, -1, 30168 - 1, 30171, 30293, 34542, 99999})
    EXPECT_EQ(LibraryString(id), QStringLiteral("Unknown")) << id;
}

TEST(WdgLibraryStrings, IdsOfTheCodeNameTheirTexts) {
  EXPECT_EQ(LibraryString(WdgText::kEntryError), QStringLiteral("Entry Error"));
  EXPECT_EQ(LibraryString(WdgText::kNotInRange), QStringLiteral("Value is not within required range"));
  EXPECT_EQ(LibraryString(WdgText::kMenuPaste), QStringLiteral("&Paste"));
}
} // namespace
