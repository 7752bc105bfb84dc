#include "store/streaming/TObjectStream.h"

#include "platform/sys/ScopeGuard.h"
#include "store/streaming/ObjectSignature.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"

namespace {
// Counts one nesting level for as long as it lives.
class DepthLevel {
public:
  explicit DepthLevel(qint32& depth) : depth_(depth) { ++depth_; }
  ~DepthLevel() { --depth_; }
  DepthLevel(const DepthLevel&) = delete;
  DepthLevel& operator=(const DepthLevel&) = delete;

private:
  qint32& depth_;
};

// Creates the filer in the slot when there is none; the level that created it frees it.
template <class Filer> class FilerLevel {
public:
  template <class... Args>
  explicit FilerLevel(std::unique_ptr<Filer>& slot, Args&&... args) : slot_(slot), outermost_(!slot) {
    if (outermost_) slot_ = std::make_unique<Filer>(std::forward<Args>(args)...);
  }
  ~FilerLevel() {
    if (outermost_) slot_.reset();
  }
  FilerLevel(const FilerLevel&) = delete;
  FilerLevel& operator=(const FilerLevel&) = delete;
  bool Outermost() const { return outermost_; }

private:
  std::unique_ptr<Filer>& slot_;
  bool outermost_;
};

const QString& NilObjectName() {
  static const QString name = QString::fromLatin1(ObjectSignature::NilObjectName);
  return name;
}
} // namespace

TObjectStream::TObjectStream(std::unique_ptr<TMemoryStream> stream) : stream_(std::move(stream)) {
  if (!stream_) stream_ = std::make_unique<TMemoryStream>();
}

TObjectStream::~TObjectStream() = default;

void TObjectStream::Rewind() { stream_->SetPosition(0); }

void TObjectStream::WriteObject(const TObject* obj) {
  const TStreamableInterface* entry = obj ? &FindStreamable(obj->ClassName()) : nullptr;
  FilerLevel<TObjectWriter> filer(writer_, *this);
  DepthLevel level(depth_);
  const qsizetype start = writer_->buffer_.size();
  {
    const auto restore = OnScopeFailure([&] {
      writer_->buffer_.truncate(start); // no half object, at any level
    });
    writer_->WriteSignature();
    if (!entry) {
      writer_->WriteString(NilObjectName());
    } else {
      const quint16 version = entry->VersionCount();
      const TStreamWriteProc write = entry->Writer(version);
      writer_->WriteString(entry->ClassName());
      writer_->WriteVersion(version);
      write(*obj, *writer_);
    }
  }
  if (filer.Outermost()) stream_->Write(writer_->buffer_.constData(), writer_->buffer_.size());
}

std::unique_ptr<TObject> TObjectStream::ReadObject() {
  FilerLevel<TObjectReader> filer(reader_, *this, *stream_);
  DepthLevel level(depth_);
  const qint64 start = reader_->Position();
  {
    const auto restore = OnScopeFailure([&] { reader_->SetPosition(start); });
    std::unique_ptr<TObject> obj = ReadOneObject();
    if (filer.Outermost()) stream_->SetPosition(reader_->Position());
    return obj;
  }
}

std::unique_ptr<TObject> TObjectStream::ReadOneObject() {
  if (depth_ > MaxReadDepth) ReadErrors::InvalidStreamFormat();
  reader_->ReadSignature();
  const QString name = reader_->ReadString();
  if (name == NilObjectName()) return nullptr;
  const quint16 version = reader_->ReadVersion();
  const TStreamableInterface& entry = FindStreamable(name);
  std::unique_ptr<TObject> obj(entry.ClassRef().NewBlank());
  if (!obj) throw EClassNotRegistered(); // an abstract class has no instances to read
  entry.Reader(version)(*obj, *reader_);
  return obj;
}

std::unique_ptr<TObject> ReadStreamedObject(TObjectReader& reader) { return reader.Owner().ReadObject(); }

void WriteStreamedObject(TObjectWriter& writer, const TObject* obj) { writer.Owner().WriteObject(obj); }

std::unique_ptr<TObject> CopyObject(const TObject* obj) {
  if (!obj) return nullptr;
  TObjectStream stream;
  stream.WriteObject(obj);
  stream.Rewind();
  return stream.ReadObject();
}
