#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgGridCommands.h"

#include <gtest/gtest.h>

TEST(WdgGridCommands, ExtendingCommandsMapToTheirPlainMoves) {
  const std::pair<quint16, quint16> cases[] = {
      {ccExtendDown, ccDown},         {ccExtendEnd, ccEnd},           {ccExtendHome, ccHome},
      {ccExtendLeft, ccLeft},         {ccExtendPgDn, ccNextPage},     {ccExtendPgUp, ccPrevPage},
      {ccExtendRight, ccRight},       {ccExtendUp, ccUp},             {ccExtBotOfPage, ccBotOfPage},
      {ccExtFirstPage, ccFirstPage},  {ccExtLastPage, ccLastPage},    {ccExtTopOfPage, ccTopOfPage},
      {ccExtWordLeft, ccWordLeft},    {ccExtWordRight, ccWordRight},  {ccDown, ccNone},
      {ccFirstPage, ccNone},
  };
  for (const auto& [extend, plain] : cases) EXPECT_EQ(WdgGridPlainCommand(extend), plain) << extend;
}

TEST(WdgGridCommands, OnlyMovesOfTheActiveCellAreNavigation) {
  for (quint16 c : {ccDown, ccUp, ccLeft, ccRight, ccHome, ccEnd, ccNextPage, ccPrevPage,
                    ccPageLeft, ccPageRight, ccTopOfPage, ccBotOfPage, ccFirstPage, ccLastPage,
                    ccTopLeftCell, ccBotRightCell})
    EXPECT_TRUE(WdgIsGridNavigation(c)) << c;
  for (quint16 c : {quint16(ccNone), quint16(ccTableEdit), quint16(ccWordLeft), quint16(ccExtendDown),
                    quint16(ccCopy), quint16(CmdPlainKey)})
    EXPECT_FALSE(WdgIsGridNavigation(c)) << c;
}
