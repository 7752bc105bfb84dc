#include "store/containers/TStack.h"

#include "StreamTestItems.h"
#include "store/containers/ContainerErrors.h"

#include <gtest/gtest.h>
#include <memory>

TEST(TStack, LastInFirstOut) {
  const int liveBefore = TStreamTestItem::Live;
  {
    TStack stack(TStreamTestItem::StaticClass(), &CompareStreamTestItem);
    EXPECT_TRUE(stack.IsEmpty());
    ExpectRaises<EContainerIsEmpty>([&] { stack.Pop(); }, "TContainer is empty");
    ExpectRaises<EContainerIsEmpty>([&] { stack.Top(); }, "TContainer is empty");
    for (qint32 key : {1, 2, 3}) stack.Push(new TStreamTestItem(key));
    EXPECT_EQ(stack.Count(), 3);
    EXPECT_EQ(KeyOf(stack.Top()), 3);
    std::unique_ptr<TObject> popped(stack.Pop());
    EXPECT_EQ(KeyOf(popped.get()), 3);
    EXPECT_EQ(KeyOf(stack.Top()), 2);
    TStreamTestOther other;
    ExpectRaises<EInvalidObjectType>([&] { stack.Push(&other); }, "Invalid object type in TContainer");
    stack.SetOwnsItems(false);
    EXPECT_FALSE(stack.GetOwnsItems());
    stack.SetOwnsItems(true);
  }
  EXPECT_EQ(TStreamTestItem::Live, liveBefore); // the two left were freed with the stack
}
