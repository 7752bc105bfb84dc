#include "store/settings/TUtComponent.h"

#include <QVariant>
#include <gtest/gtest.h>

namespace {
TEST(TUtComponent, VersionIsFixed) {
  TUtComponent component;
  EXPECT_EQ(component.Version(), QStringLiteral("2.03"));
  component.SetVersion(QStringLiteral("9.99"));
  EXPECT_EQ(component.Version(), QStringLiteral("2.03"));
  // Through the published property, as stored component properties are applied.
  component.setProperty("Version", QStringLiteral("1.00"));
  EXPECT_EQ(component.property("Version").toString(), QStringLiteral("2.03"));
}
} // namespace
