#include "platform/sys/TObject.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
class TAnimal : public TObject {
  TB_OBJECT(TAnimal)
public:
  TAnimal() : legs(4) {}
  explicit TAnimal(TBlank b) : TObject(b) {}
  int legs = 0;
};
class TBird : public TAnimal {
  TB_OBJECT(TBird)
public:
  TBird() { legs = 2; }
  explicit TBird(TBlank b) : TAnimal(b) {}
};
TB_DEFINE_CLASS(TAnimal, TObject)
TB_DEFINE_CLASS(TBird, TAnimal)
} // namespace

TEST(TObject, ClassNamesAndInheritance) {
  TBird bird;
  EXPECT_EQ(bird.ClassName(), "TBird");
  EXPECT_TRUE(bird.InheritsFrom(TAnimal::StaticClass()));
  EXPECT_TRUE(bird.Is<TObject>());
  TAnimal animal;
  EXPECT_FALSE(animal.Is<TBird>());
  EXPECT_EQ(TBird::StaticClass().ClassParent(), &TAnimal::StaticClass());
}

TEST(TObject, BlankInstanceSkipsTheOrdinaryConstructor) {
  std::unique_ptr<TObject> blank(TBird::StaticClass().NewBlank());
  ASSERT_TRUE(blank);
  EXPECT_EQ(blank->ClassName(), "TBird");
  EXPECT_EQ(static_cast<TBird*>(blank.get())->legs, 0);
}
