#pragma once
// A named entry: a string with an optional object, which the combo frees with itself when
// it owns it (set at creation). Ordered by "CompareStringCombo" (case-sensitive) or
// "CompareStringComboNoCase".
#include "platform/sys/TObject.h"

#include <QString>

class TObjectReader;
class TObjectWriter;

class TStringCombo : public TObject {
  TB_OBJECT(TStringCombo)
public:
  explicit TStringCombo(const QString& str, TObject* obj = nullptr) : str_(str), obj_(obj) {}
  explicit TStringCombo(TBlank blank) : TObject(blank) {}
  ~TStringCombo() override;
  TStringCombo(const TStringCombo&) = delete;
  TStringCombo& operator=(const TStringCombo&) = delete;

  const QString& Str() const { return str_; }
  TObject* Obj() const { return obj_; }
  bool OwnsObject() const { return ownsObject_; }
  void SetOwnsObject(bool owns) { ownsObject_ = owns; }

  // The stream form: the string, whether an object is present, then the object.
  static void ReadCombo(TObject& obj, TObjectReader& reader);
  static void WriteCombo(const TObject& obj, TObjectWriter& writer);

private:
  QString str_;
  TObject* obj_ = nullptr;
  bool ownsObject_ = true;
};

quint8 CompareStringCombo(const TObject& first, const TObject& second);
quint8 CompareStringComboNoCase(const TObject& first, const TObject& second);
