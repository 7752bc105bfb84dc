// Reading command bodies, and refusing what is not one.
#include "crs-sim/SimCommand.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using TestSupport::Hex;

TEST(SimCommand, ReadsEachField) {
  const auto read = SimCommand::Parse(Hex("D0 21 30 30 34 32 03 12"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->code, 0xD0);
  EXPECT_EQ(read->Subject(), 33);
  EXPECT_EQ(read->StoreNumber(), 42);
  EXPECT_EQ(read->first, 0x03);
  EXPECT_EQ(read->last, 0x12);
  EXPECT_EQ(read->Describe(), QStringLiteral("D0 read report 33, store 0042, registers 03..12"));

  const auto consolidate = SimCommand::Parse(Hex("C1 07 0000000000000000000000000000 2A2A2A2A 01 24"));
  ASSERT_TRUE(consolidate);
  EXPECT_EQ(consolidate->data.size(), 15);
  EXPECT_EQ(consolidate->StoreNumber(), -1);
  EXPECT_TRUE(consolidate->Describe().contains(QStringLiteral("option 07 at position 1")));
}

TEST(SimCommand, RefusesWhatIsNotACommand) {
  struct Case {
    const char* body;
    const char* why;
  } cases[] = {
      {"", "empty body"},
      {"90 00 30 30 30 31 01 24", "unknown command 90"},
      {"A0 00 30 30 30 31 01", "A0 with 7 body bytes, not 8"},
      {"C0 07 30 30 30 31 01 24", "C0 with 8 body bytes, not 22"},
      {"E0 0E 30 41 30 31 01 24", "store field is not four digits"},
      {"E0 0E 30 30 30 31 1A 24", "register range 1A..24 is not BCD"},
  };
  for (const Case& c : cases) {
    QString problem;
    EXPECT_FALSE(SimCommand::Parse(Hex(c.body), &problem)) << c.body;
    EXPECT_EQ(problem, QLatin1String(c.why)) << c.body;
  }
}
