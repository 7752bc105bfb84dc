#pragma once
// Pictures kept in stored objects (a store's logo, for example) as the bytes of the saved
// picture, opaque here: TBitmap, TIcon and TMetafile differ only in what those bytes are.
#include "platform/sys/TObject.h"

#include <QByteArray>

class TObjectReader;
class TObjectWriter;

class TSavedGraphic : public TObject {
  TB_OBJECT(TSavedGraphic)
public:
  TSavedGraphic() = default;
  explicit TSavedGraphic(const QByteArray& saved) : saved_(saved) {}
  explicit TSavedGraphic(TBlank blank) : TObject(blank) {}

  // The picture's own saved form, as a picture file holds it.
  const QByteArray& SavedData() const { return saved_; }
  void SetSavedData(const QByteArray& saved) { saved_ = saved; }

  // The stream form: the size of the saved data, then the data.
  static void ReadGraphic(TObject& obj, TObjectReader& reader);
  static void WriteGraphic(const TObject& obj, TObjectWriter& writer);

private:
  QByteArray saved_;
};

class TBitmap : public TSavedGraphic {
  TB_OBJECT(TBitmap)
public:
  using TSavedGraphic::TSavedGraphic;
};

class TIcon : public TSavedGraphic {
  TB_OBJECT(TIcon)
public:
  using TSavedGraphic::TSavedGraphic;
};

class TMetafile : public TSavedGraphic {
  TB_OBJECT(TMetafile)
public:
  using TSavedGraphic::TSavedGraphic;
};
