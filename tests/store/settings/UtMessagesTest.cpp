#include "store/settings/UtMessages.h"

#include <gtest/gtest.h>

namespace {
TEST(UtMessages, TableTexts) {
  const struct {
    int32_t id;
    const char* text;
  } cases[] = {
      {0, "FALSE"},
      {1, "TRUE"},
      {2, "No Ini File or Primary Key specified"},
      {4, "RegIni Class not supported under Win32s"},
      {5, "Failed to create key\\nError Code: %d"},
      {7, "Failed to write value to INI file"},
      {8, "Failed to write value to Registry\\nError Code: %d"},
      {9, "No key name specified"},
      {29, "Function not supported on INI files"},
      {32, "Unable to close remote registry key"},
      {38, "Size of byte array exceeds limit"},
      {40, "No Value Name specified"},
      {73, "Error opening file"},
      {100, "File does not contain version info"},
      {101, "Unable to read version info"},
      {3, ""},
      {-1, ""},
      {102, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UtMessages::Text(c.id), QString::fromLatin1(c.text)) << c.id;
}

TEST(UtMessages, FormatFillsPlaceHoldersInOrder) {
  EXPECT_EQ(UtMessages::Format(5, {13}), QStringLiteral("Failed to create key\\nError Code: 13"));
  EXPECT_EQ(UtMessages::Format(5, {}), QStringLiteral("Failed to create key\\nError Code: %d"));
  EXPECT_EQ(UtMessages::Format(7, {13}), QStringLiteral("Failed to write value to INI file"));
}

TEST(UtMessages, ExceptionsCarryTheirIdAndClass) {
  const EUtRegIniError regIni(8, {5});
  EXPECT_EQ(regIni.ErrorCode(), 8);
  EXPECT_EQ(regIni.Message(), QStringLiteral("Failed to write value to Registry\\nError Code: 5"));
  EXPECT_STREQ(regIni.ClassName(), "EUtRegIniError");
  const EUtVersionInfoError version(100);
  EXPECT_EQ(version.ErrorCode(), 100);
  EXPECT_EQ(version.Message(), QStringLiteral("File does not contain version info"));
  EXPECT_STREQ(version.ClassName(), "EUtVersionInfoError");
  // Callers catch the family by its base.
  try {
    throw EUtRegIniError(40);
  } catch (const EUtException& e) {
    EXPECT_EQ(e.ErrorCode(), 40);
    EXPECT_STREQ(e.what(), "No Value Name specified");
  }
}
} // namespace
