#include "store/containers/ContainerStreamForm.h"

#include "store/containers/CompareFuncRegistry.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/containers/TContainer.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

#include <memory>

void ContainerStreamForm::WriteHead(TObjectWriter& writer, const TContainer& container) {
  if (!container.ElementClass()) throw EClassNotRegistered();
  const QString compareName = CompareFuncName(container.CompareFunc());
  writer.WriteString(container.ElementClass()->ClassName());
  writer.WriteString(compareName);
}

ContainerStreamForm::THead ContainerStreamForm::ReadHead(TObjectReader& reader) {
  THead head;
  head.ElementClass = &ClassByName(reader.ReadString());
  head.Compare = CompareFuncByName(reader.ReadString());
  return head;
}

qint32 ContainerStreamForm::ReadCount(TObjectReader& reader) {
  const qint32 count = reader.ReadInteger();
  if (count < 0) ReadErrors::InvalidPropertyValue();
  return count;
}

void ContainerStreamForm::ReadItems(TObjectReader& reader, qint32 count,
                                    const std::function<void(TObject*)>& add) {
  for (qint32 i = 0; i < count; ++i) {
    std::unique_ptr<TObject> item = ReadStreamedObject(reader);
    add(item.get());
    item.release();
  }
}
