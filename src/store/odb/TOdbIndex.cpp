#include "store/odb/TOdbIndex.h"

#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/CompareRoutines.h"
#include "store/containers/ContainerItems.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"
#include "store/odb/TOdbField.h"
#include "store/containers/TStringCombo.h"
#include "store/containers/TUnorderedList.h"

TB_DEFINE_CLASS(TOdbIndex, TObject)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TOdbIndex::StaticClass(), {&TOdbIndex::ReadIndex}, {&TOdbIndex::WriteIndex});
  RegisterCompareFunc(QStringLiteral("CompareOdbIndex"), CompareOdbIndex);
  return true;
}();

constexpr int kOptionBits = 4;

std::unique_ptr<TUnorderedList> NewNameList() {
  return std::make_unique<TUnorderedList>(TStringCombo::StaticClass(), CompareStringComboNoCase);
}
} // namespace

TOdbIndex::TOdbIndex(const QString& name, TOdbIndexOptions options, const QStringList& fieldNames)
    : fieldNames_(NewNameList()), options_(options), name_(name) {
  for (const QString& fieldName : fieldNames) fieldNames_->Add(new TStringCombo(fieldName));
}

TOdbIndex::TOdbIndex(TBlank blank) : TObject(blank) {}

TOdbIndex::~TOdbIndex() = default;

bool TOdbIndex::IsPrimaryOrUnique() const {
  return options_.testFlag(TOdbIndexOption::Primary) || options_.testFlag(TOdbIndexOption::Unique);
}

QStringList TOdbIndex::FieldNameList() const {
  QStringList names;
  for (const TStringCombo* name : ItemsOf<TStringCombo>(*fieldNames_)) names.append(name->Str());
  return names;
}

QString TOdbIndex::FieldNames(QChar separator) const { return FieldNameList().join(separator); }

void TOdbIndex::ReadIndex(TObject& obj, TObjectReader& reader) {
  auto& index = static_cast<TOdbIndex&>(obj);
  std::unique_ptr<TObject> names = ReadStreamedObject(reader);
  auto* list = dynamic_cast<TUnorderedList*>(names.get());
  if (!list || !list->ElementClass()->InheritsFrom(TStringCombo::StaticClass())) ReadErrors::InvalidPropertyValue();
  names.release();
  index.fieldNames_.reset(list);
  index.name_ = reader.ReadString();
  const qint32 count = reader.ReadInteger();
  if (count < 0 || count > kOptionBits) ReadErrors::InvalidPropertyValue();
  index.options_ = {};
  for (qint32 i = 0; i < count; ++i) {
    const qint32 bit = reader.ReadInteger();
    if (bit < 0 || bit >= kOptionBits) ReadErrors::InvalidPropertyValue();
    index.options_ |= TOdbIndexOption(1u << bit);
  }
}

void TOdbIndex::WriteIndex(const TObject& obj, TObjectWriter& writer) {
  const auto& index = static_cast<const TOdbIndex&>(obj);
  WriteStreamedObject(writer, index.fieldNames_.get());
  writer.WriteString(index.name_);
  QList<qint32> bits;
  for (int bit = 0; bit < kOptionBits; ++bit)
    if (index.options_.testFlag(TOdbIndexOption(1u << bit))) bits << bit;
  writer.WriteInteger(qint32(bits.size()));
  for (qint32 bit : bits) writer.WriteInteger(bit);
}

quint8 CompareOdbIndex(const TObject& first, const TObject& second) {
  return CompareTextNoCase(ItemAs<TOdbIndex>(first).Name(), ItemAs<TOdbIndex>(second).Name());
}

QList<TOdbIndex*> OdbIndexesOf(const TUnorderedList& indexes) { return ItemsOf<TOdbIndex>(indexes); }
