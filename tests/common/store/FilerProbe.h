#pragma once
// A registered class whose reader and writer run what the test installs, to try the filer
// primitives one by one: Payload() gives the bytes that a write puts after the object's
// head, ReadPayload() reads given bytes back as the body of an object.
#include "platform/sys/TObject.h"

#include <QByteArray>
#include <functional>

class TObjectReader;
class TObjectWriter;

class TFilerProbe : public TObject {
  TB_OBJECT(TFilerProbe)
public:
  TFilerProbe() = default;
  explicit TFilerProbe(TBlank blank) : TObject(blank) {}

  static std::function<void(TObjectWriter&)> OnWrite;
  static std::function<void(TObjectReader&)> OnRead;
};

namespace FilerProbe {
// "TPF0", the class name and the version: the bytes before the body of a probe.
QByteArray Head();
QByteArray Payload(const std::function<void(TObjectWriter&)>& write);
// Reads the body with the reader procedure; answers where the reader ended, relative to
// the start of the body.
qint64 ReadPayload(const QByteArray& body, const std::function<void(TObjectReader&)>& read);
} // namespace FilerProbe
