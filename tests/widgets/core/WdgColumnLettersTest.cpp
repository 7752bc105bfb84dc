#include "widgets/core/WdgColumnLetters.h"

#include <gtest/gtest.h>

TEST(WdgColumnLetters, CountLikeASpreadsheet) {
  const std::pair<int, const char*> cases[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"},
                                               {53, "BA"}, {702, "ZZ"}, {703, "AAA"},
                                               {0, ""}, {-3, ""}};
  for (const auto& [n, letters] : cases) EXPECT_EQ(WdgColumnLetters(n), letters) << n;
}
