// The fault syntax, and when a planned fault fires.
#include "crs-sim/SimErrors.h"
#include "crs-sim/SimFault.h"
#include "crs-sim/SimFaultPlan.h"

#include <gtest/gtest.h>

TEST(SimFault, ParsesEveryOption) {
  struct Case {
    const char* text;
    SimFaultKind kind;
    quint8 command;
    int occurrence, frame, times, code;
  } cases[] = {
      {"badcrc", SimFaultKind::BadCrc, 0, SimFault::Any, 1, 1, 1},
      {"NAK:cmd=F0,frame=3", SimFaultKind::Nak, 0xF0, SimFault::Any, 3, 1, 1},
      {"silence:times=3", SimFaultKind::Silence, 0, SimFault::Any, 1, 3, 1},
      {"silence:forever", SimFaultKind::Silence, 0, SimFault::Any, SimFault::Any, SimFault::Forever, 1},
      {"lostack:cmd=e0,n=2,frame=2", SimFaultKind::LostAck, 0xE0, 2, 2, 1, 1},
      {"skip:frame=any,times=forever", SimFaultKind::SkipBlock, 0, SimFault::Any, SimFault::Any, SimFault::Forever, 1},
      {"error:cmd=D0,code=7", SimFaultKind::ErrorBlock, 0xD0, SimFault::Any, 1, 1, 7},
      {"eot:cmd=C1", SimFaultKind::EarlyEot, 0xC1, SimFault::Any, 1, 1, 1},
      {"ack:cmd=C0", SimFaultKind::AckAnswer, 0xC0, SimFault::Any, 1, 1, 1},
  };
  for (const Case& c : cases) {
    const SimFault f = SimFault::Parse(QLatin1String(c.text));
    EXPECT_EQ(f.kind, c.kind) << c.text;
    EXPECT_EQ(f.command, c.command) << c.text;
    EXPECT_EQ(f.occurrence, c.occurrence) << c.text;
    EXPECT_EQ(f.frame, c.frame) << c.text;
    EXPECT_EQ(f.times, c.times) << c.text;
    EXPECT_EQ(f.errorCode, c.code) << c.text;
  }
}

TEST(SimFault, RefusesBadText) {
  for (const char* text : {"", "crash", "badcrc:cmd=77", "badcrc:cmd=XY", "nak:frame=0", "nak:times=-2",
                           "error:code=300", "eot:when=now", "silence:n=0"})
    EXPECT_THROW(SimFault::Parse(QLatin1String(text)), SimFaultSyntaxError) << text;
  try {
    SimFault::Parse(QStringLiteral("crash"));
  } catch (const SimFaultSyntaxError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Bad fault \"crash\": unknown kind \"crash\""));
  }
}

TEST(SimFaultPlan, FiresWhereItIsPlacedAndAsOftenAsAsked) {
  SimFaultPlan plan;
  plan.Add(SimFault::Parse(QStringLiteral("nak:cmd=E0,n=2,frame=3,times=2")));
  EXPECT_FALSE(plan.Take(SimFaultKind::Nak, 0xD0, 2, 3)); // another command
  EXPECT_FALSE(plan.Take(SimFaultKind::Nak, 0xE0, 1, 3)); // another occurrence
  EXPECT_FALSE(plan.Take(SimFaultKind::Nak, 0xE0, 2, 2)); // another frame
  EXPECT_FALSE(plan.Take(SimFaultKind::BadCrc, 0xE0, 2, 3)); // another kind
  EXPECT_TRUE(plan.Take(SimFaultKind::Nak, 0xE0, 2, 3));
  EXPECT_TRUE(plan.Take(SimFaultKind::Nak, 0xE0, 2, 3));
  EXPECT_FALSE(plan.Take(SimFaultKind::Nak, 0xE0, 2, 3));
  EXPECT_TRUE(plan.Pending().isEmpty());
}

TEST(SimFaultPlan, AnyFrameRulesAlsoMatchUnnumberedEvents) {
  SimFaultPlan plan;
  plan.Add(SimFault::Parse(QStringLiteral("silence:times=2")));  // frame 1 only
  plan.Add(SimFault::Parse(QStringLiteral("silence:forever")));  // everything
  EXPECT_TRUE(plan.Take(SimFaultKind::Silence, 0xA0, 1, 0));     // only the forever rule fits
  ASSERT_EQ(plan.Pending().size(), 2);
  EXPECT_EQ(plan.Pending()[0].times, 2);
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(plan.Take(SimFaultKind::Silence, 0xA0, 1, 7));
}
