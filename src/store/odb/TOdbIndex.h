#pragma once
// An index of an object file: its name, its options and the names of its fields in key
// order (a list of TStringCombo compared by "CompareStringComboNoCase").
//
// Ordered by "CompareOdbIndex" (by name, case ignored). The stream form: the field-name
// list as a nested object, the name, the number of options set, then the bit number of
// each option set, ascending.
#include "platform/sys/TObject.h"
#include "store/odb/OdbTypes.h"

#include <QString>
#include <QStringList>
#include <memory>

class TObjectReader;
class TObjectWriter;
class TUnorderedList;

class TOdbIndex : public TObject {
  TB_OBJECT(TOdbIndex)
public:
  TOdbIndex(const QString& name, TOdbIndexOptions options, const QStringList& fieldNames);
  explicit TOdbIndex(TBlank blank);
  ~TOdbIndex() override;

  const QString& Name() const { return name_; }
  TOdbIndexOptions Options() const { return options_; }
  bool IsPrimaryOrUnique() const;
  QStringList FieldNameList() const;
  const TUnorderedList& FieldNameItems() const { return *fieldNames_; }
  // The field names in key order joined with the separator.
  QString FieldNames(QChar separator) const;

  static void ReadIndex(TObject& obj, TObjectReader& reader);
  static void WriteIndex(const TObject& obj, TObjectWriter& writer);

private:
  std::unique_ptr<TUnorderedList> fieldNames_;
  TOdbIndexOptions options_;
  QString name_;
};

quint8 CompareOdbIndex(const TObject& first, const TObject& second);
// The indexes of a list of TOdbIndex, in list order.
QList<TOdbIndex*> OdbIndexesOf(const TUnorderedList& indexes);
