#include "app/setup/TZorvExeAttachment.h"

#include "app/setup/ZorvErrors.h"
#include "platform/sys/Folders.h"

#include <QFile>
#include <QIODevice>
#include <algorithm>
#include <zlib.h>

namespace {
constexpr qint64 kPiece = 65536;

// An inflate stream that ends itself.
class Inflater {
public:
  Inflater() { ok_ = inflateInit(&stream_) == Z_OK; }
  ~Inflater() {
    if (ok_) inflateEnd(&stream_);
  }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  bool ok() const { return ok_; }
  z_stream& stream() { return stream_; }

private:
  z_stream stream_{};
  bool ok_ = false;
};

// The folder as the message names it: a non-empty one ends in ":" or "\".
QString MessageFolder(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(QLatin1Char(':')) || folder.endsWith(QLatin1Char('\\'))) return folder;
  return folder + QLatin1Char('\\');
}
} // namespace

void TZorvExeAttachment::SetExeFile(const QString& file) {
  exeFile_ = file;
  useCurrentExe_ = file.isEmpty();
}

void TZorvExeAttachment::SetUseCurrentExeOnExtract(bool on) {
  useCurrentExe_ = on;
  if (on) exeFile_.clear();
}

QString TZorvExeAttachment::SourceFile() const { return useCurrentExe_ ? Folders::ExecutablePath() : exeFile_; }

void TZorvExeAttachment::SetCreator(const QString& text) {
  if (text.size() >= 64) throw EZorvCreatorNameTooLong(QStringLiteral("Creator name too long"));
  creator_ = text;
}

void TZorvExeAttachment::SetKey(const QString& text) {
  if (text.size() > 23) throw EZorvKeyTooLong(QStringLiteral("Key too long"));
  key_ = text;
}

void TZorvExeAttachment::SetUser(const QString& text) {
  if (text.size() > 35) throw EZorvUserNameTooLong(QStringLiteral("User name too long"));
  user_ = text;
}

void TZorvExeAttachment::SetCompressionLevel(int level) { level_ = std::clamp(level, 0, 3); }

void TZorvExeAttachment::ExtractSession(const QString& name) {
  if (name.size() > ZorvFormat::kSessionNameMax) throw EZorvSessionNameTooLong(QStringLiteral("Session name too long"));
  const QString source = SourceFile();
  if (!target_) throw EZorvExtractError(QStringLiteral("No target stream on extract from ") + source);
  QFile file(source);
  if (!file.open(QIODevice::ReadOnly)) throw EZorvExtractError(QStringLiteral("Cannot open file ") + source);
  ExtractSession(file, source, name);
}

void TZorvExeAttachment::ExtractSession(QIODevice& input, const QString& source, const QString& name) {
  if (name.size() > ZorvFormat::kSessionNameMax) throw EZorvSessionNameTooLong(QStringLiteral("Session name too long"));
  if (!target_) throw EZorvExtractError(QStringLiteral("No target stream on extract from ") + source);
  const ZorvFormat::Trailer trailer = FindSession(input, source, name);
  if (!Report(OnProgress, trailer.sessionName, 0, trailer.totalSize)) return;
  ExtractItems(input, source, trailer);
}

ZorvFormat::Trailer TZorvExeAttachment::FindSession(QIODevice& file, const QString& source, const QString& name) const {
  qint64 end = file.size();
  for (;;) {
    const qint64 at = end - ZorvFormat::kTrailerSize;
    std::optional<ZorvFormat::Trailer> trailer;
    if (at >= 0 && file.seek(at)) trailer = ZorvFormat::ParseTrailer(file.read(ZorvFormat::kTrailerSize));
    // A first item after its own trailer cannot be: the walk would never end.
    if (!trailer || trailer->firstItem < 0 || trailer->firstItem > at)
      throw EZorvSessionNotFound(QStringLiteral("Session not found on extract from ") + source);
    if (trailer->sessionName.compare(name, Qt::CaseInsensitive) == 0) return *trailer;
    end = trailer->firstItem;
  }
}

bool TZorvExeAttachment::ExtractItems(QIODevice& file, const QString& source, const ZorvFormat::Trailer& trailer) {
  qint64 position = trailer.firstItem;
  qint64 done = 0;
  for (int32_t i = 0; i < trailer.itemCount; ++i) {
    std::optional<ItemHeader> header;
    if (file.seek(position)) header = ZorvFormat::ParseItemHeader(file.read(ZorvFormat::kItemHeaderSize));
    if (!header || header->size < 0 || header->storedSize < 0)
      throw EZorvItemPrefixFormat(QStringLiteral("File prefix format error on extract from ") + source);
    if (header->level < 0 || header->level > 3)
      throw EZorvUnsupportedCompression(QStringLiteral("Unsupported compression error on extract from ") +
                                        source);
    const qint64 dataStart = position + ZorvFormat::kItemHeaderSize;
    bool skip = false;
    if (BeforeExtractItem) BeforeExtractItem(header->name, skip, *header);
    if (!skip) {
      if (!InflateItem(file, *header)) return false;
      target_->seek(0);
      if (AfterExtractItem) AfterExtractItem(header->name, *header);
      done += header->size;
      if (!Report(OnProgress, header->name, done, trailer.totalSize)) return false;
    }
    position = dataStart + header->storedSize;
  }
  return true;
}

bool TZorvExeAttachment::InflateItem(QIODevice& file, const ItemHeader& header) {
  const auto fail = [&header]() {
    return EZorvExtractError(QStringLiteral("Extract error on ") + MessageFolder(header.folder) + header.name);
  };
  Inflater inflater;
  if (!inflater.ok()) throw fail();
  z_stream& zs = inflater.stream();
  QByteArray input;
  QByteArray output;
  qint64 storedLeft = header.storedSize;
  qint64 remaining = header.size;
  bool ended = false;
  while (remaining > 0) {
    const qint64 piece = std::min(kPiece, remaining);
    output.resize(piece);
    zs.next_out = reinterpret_cast<Bytef*>(output.data());
    zs.avail_out = static_cast<uInt>(piece);
    while (zs.avail_out > 0 && !ended) {
      if (zs.avail_in == 0) {
        if (storedLeft == 0) break;
        input = file.read(std::min(kPiece, storedLeft));
        if (input.isEmpty()) break;
        storedLeft -= input.size();
        zs.next_in = reinterpret_cast<Bytef*>(input.data());
        zs.avail_in = static_cast<uInt>(input.size());
      }
      const int result = inflate(&zs, Z_NO_FLUSH);
      if (result == Z_STREAM_END) ended = true;
      else if (result != Z_OK) break;
    }
    const qint64 got = piece - zs.avail_out;
    if (got < piece || target_->write(output.constData(), got) != got) throw fail();
    remaining -= piece;
    if (!Report(OnProgressItem, header.name, header.size - remaining, header.size)) return false;
  }
  return true;
}

bool TZorvExeAttachment::Report(const ProgressEvent& event, const QString& name, qint64 done, qint64 total) const {
  if (!event) return true;
  const int percent = total <= 0 ? 100 : static_cast<int>(std::clamp<qint64>(done * 100 / total, 0, 100));
  bool abort = false;
  event(name, abort, percent);
  return !abort;
}
