#pragma once
// A last-in, first-out container over an inner unordered list, to which its count, owns
// flag, iteration and clearing pass.
#include "store/containers/TContainer.h"
#include "store/containers/TUnorderedList.h"

#include <memory>

class TObjectReader;
class TObjectWriter;

class TStack : public TContainer {
  TB_OBJECT(TStack)
public:
  TStack(const TClass& elementClass, TCompareFunc compare);
  explicit TStack(TBlank blank) : TContainer(blank) {}

  qint32 Count() const override;
  bool GetOwnsItems() const override;
  void SetOwnsItems(bool owns) override;
  // From the bottom of the stack to its top.
  void ForEach(TForEachProc proc, void* parameter) override;
  void ForEachMethod(void* parameter, const TForEachMethod& method) override;
  void Clear() override;

  // Puts an item on top (class check as for every container).
  void Push(TObject* obj);
  // Takes the top item off and hands it to the caller; EContainerIsEmpty when empty.
  TObject* Pop();
  // The top item, which stays; EContainerIsEmpty when empty.
  TObject* Top() const;

  // The stream form: element class name, compare function name, then the inner list as
  // one nested object.
  static void ReadStack(TObject& obj, TObjectReader& reader);
  static void WriteStack(const TObject& obj, TObjectWriter& writer);

private:
  std::unique_ptr<TUnorderedList> list_; // none only in a blank stack not yet read
};
