#include "StreamTestItems.h"

#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/CompareRoutines.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(TStreamTestItem, TObject)
TB_DEFINE_CLASS(TStreamTestDerived, TStreamTestItem)
TB_DEFINE_CLASS(TStreamTestOther, TObject)
TB_DEFINE_CLASS(TStreamTestEmpty, TObject)
TB_DEFINE_CLASS(TStreamTestUnregistered, TObject)

int TStreamTestItem::Live = 0;

TStreamTestItem::TStreamTestItem(qint32 k, const QString& t, bool f, double a)
    : key(k), text(t), flag(f), amount(a) {
  ++Live;
}
TStreamTestItem::TStreamTestItem(TBlank blank) : TObject(blank) { ++Live; }
TStreamTestItem::TStreamTestItem(const TStreamTestItem& other)
    : TObject(other), key(other.key), text(other.text), flag(other.flag), amount(other.amount) {
  ++Live;
}
TStreamTestItem::~TStreamTestItem() { --Live; }

qint32 KeyOf(const TObject* obj) { return static_cast<const TStreamTestItem*>(obj)->key; }

quint8 CompareStreamTestItem(const TObject& first, const TObject& second) {
  return CompareIntegers(KeyOf(&first), KeyOf(&second));
}

quint8 CompareStreamTestNear(const TObject& first, const TObject& second) {
  return KeyOf(&first) < KeyOf(&second) + 10 ? 1 : 0;
}

namespace {
void ReadItem(TObject& obj, TObjectReader& reader) {
  auto& item = static_cast<TStreamTestItem&>(obj);
  item.key = reader.ReadInteger();
  item.text = reader.ReadString();
  item.flag = reader.ReadBoolean();
  item.amount = reader.ReadFloat();
}

void WriteItem(const TObject& obj, TObjectWriter& writer) {
  const auto& item = static_cast<const TStreamTestItem&>(obj);
  writer.WriteInteger(item.key);
  writer.WriteString(item.text);
  writer.WriteBoolean(item.flag);
  writer.WriteFloat(item.amount);
}

void ReadNothing(TObject&, TObjectReader&) {}
void WriteNothing(const TObject&, TObjectWriter&) {}

[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TStreamTestItem::StaticClass(), {&ReadItem}, {&WriteItem});
  RegisterStreamable(TStreamTestDerived::StaticClass(), {&ReadItem}, {&WriteItem});
  RegisterStreamable(TStreamTestOther::StaticClass(), {&ReadNothing}, {&WriteNothing});
  RegisterStreamable(TStreamTestEmpty::StaticClass(), {&ReadNothing}, {&WriteNothing});
  RegisterCompareFunc(QStringLiteral("CompareStreamTestItem"), &CompareStreamTestItem);
  RegisterCompareFunc(QStringLiteral("CompareStreamTestNear"), &CompareStreamTestNear);
  return true;
}();
} // namespace
