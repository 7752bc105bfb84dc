#include "FilerProbe.h"

#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

#include <memory>

TB_DEFINE_CLASS(TFilerProbe, TObject)

std::function<void(TObjectWriter&)> TFilerProbe::OnWrite;
std::function<void(TObjectReader&)> TFilerProbe::OnRead;

namespace {
qint64 g_endOfBody = 0;

[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(
      TFilerProbe::StaticClass(),
      {[](TObject&, TObjectReader& reader) {
        if (TFilerProbe::OnRead) TFilerProbe::OnRead(reader);
        g_endOfBody = reader.Position();
      }},
      {[](const TObject&, TObjectWriter& writer) {
        if (TFilerProbe::OnWrite) TFilerProbe::OnWrite(writer);
      }});
  return true;
}();
} // namespace

QByteArray FilerProbe::Head() { return Payload({}); }

QByteArray FilerProbe::Payload(const std::function<void(TObjectWriter&)>& write) {
  TFilerProbe::OnWrite = write;
  TObjectStream stream;
  TFilerProbe probe;
  stream.WriteObject(&probe);
  TFilerProbe::OnWrite = nullptr;
  const QByteArray all = stream.Stream().Bytes();
  return write ? all.mid(Head().size()) : all;
}

qint64 FilerProbe::ReadPayload(const QByteArray& body, const std::function<void(TObjectReader&)>& read) {
  const QByteArray head = Head();
  TObjectStream stream(std::make_unique<TMemoryStream>(head + body));
  TFilerProbe::OnRead = read;
  struct Reset {
    ~Reset() { TFilerProbe::OnRead = nullptr; }
  } reset;
  stream.ReadObject();
  return g_endOfBody - head.size();
}
