#include "widgets/TWdgColors.h"

#include <QPalette>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(TWdgColors, SettingAColourLeavesTheDefaults) {
  TWdgColors colors(Qt::white, Qt::black);
  QSignalSpy changed(&colors, &TWdgColors::Changed);
  EXPECT_TRUE(colors.UseDefault());
  colors.SetBackColor(Qt::white);  // unchanged: nothing happens
  EXPECT_EQ(changed.count(), 0);
  colors.SetBackColor(Qt::yellow);
  EXPECT_FALSE(colors.UseDefault());
  EXPECT_EQ(colors.BackColor(), QColor(Qt::yellow));
  EXPECT_EQ(changed.count(), 1);
  // Back to the default colour: stored, but UseDefault stays off.
  colors.SetBackColor(Qt::white);
  EXPECT_FALSE(colors.UseDefault());
  EXPECT_EQ(changed.count(), 2);
}

TEST(TWdgColors, UseDefaultBringsBothDefaultsBack) {
  TWdgColors colors(Qt::white, Qt::black);
  colors.SetBackColor(Qt::yellow);
  colors.SetTextColor(Qt::blue);
  QSignalSpy changed(&colors, &TWdgColors::Changed);
  colors.SetUseDefault(false);
  EXPECT_EQ(colors.BackColor(), QColor(Qt::yellow));
  EXPECT_EQ(changed.count(), 0);
  colors.SetUseDefault(true);
  EXPECT_TRUE(colors.UseDefault());
  EXPECT_EQ(colors.BackColor(), QColor(Qt::white));
  EXPECT_EQ(colors.TextColor(), QColor(Qt::black));
  EXPECT_EQ(changed.count(), 1);
}

TEST(TWdgColors, SettingTheDefaultTextColourKeepsUseDefault) {
  TWdgColors colors(Qt::white, Qt::black);
  colors.SetTextColor(Qt::black);
  EXPECT_TRUE(colors.UseDefault());
}

TEST(TWdgColors, AssignCopiesBothColoursThroughTheSetters) {
  TWdgColors source(Qt::white, Qt::black);
  source.SetBackColor(Qt::green);
  TWdgColors target(Qt::red, Qt::black);
  QSignalSpy changed(&target, &TWdgColors::Changed);
  target.Assign(source);
  EXPECT_EQ(target.BackColor(), QColor(Qt::green));
  EXPECT_EQ(target.TextColor(), QColor(Qt::black));
  EXPECT_FALSE(target.UseDefault());
  EXPECT_EQ(changed.count(), 1);  // the text colour was already black
}

TEST(TWdgColors, EntryFieldPairsTakeTheirDefaultsFromThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(4, 5, 6));
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(7, 8, 9));
  palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(10, 11, 12));
  struct Case {
    TWdgColors::Role role;
    QColor back, text;
  } const cases[] = {
      {TWdgColors::Disabled, QColor(1, 2, 3), QColor(4, 5, 6)},
      {TWdgColors::Error, QColor(255, 0, 0), QColor(0, 0, 0)},
      {TWdgColors::Highlight, QColor(7, 8, 9), QColor(10, 11, 12)},
  };
  for (const Case& c : cases) {
    const TWdgColors colors(c.role, palette);
    EXPECT_EQ(colors.BackColor(), c.back) << c.role;
    EXPECT_EQ(colors.TextColor(), c.text) << c.role;
    EXPECT_TRUE(colors.UseDefault());
  }
}
