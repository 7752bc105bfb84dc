#include "reports/PolUpdtFl.h"

#include "reports/EInvtFileValue.h"
#include "reports/EPolUpdtFl.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kGet = QStringLiteral("GetPolUpdtFl");
const QString kPut = QStringLiteral("PutPolUpdtFl");
constexpr qint64 kSize = InvtFileRecord::kSize;

// Steps: what each read or write is for.
enum Step {
  OpenNewFile = 2001,   // the first end record of a new file; the last record of a file
  OpenEmptyFile = 2002, // the first end record of an empty file
  WriteItem = 2005,
  WriteEnd = 2007,
  ReadPreviousHeader = 20001,
  WritePreviousHeader = 20002,
  WriteHeader = 20003,
};

std::unique_ptr<QFileDevice> PlainFile(const QString& name) { return std::make_unique<QFile>(name); }
} // namespace

PolUpdtFl::PolUpdtFl(QString fileName, DeviceFactory factory)
    : fileName_(std::move(fileName)), factory_(factory ? std::move(factory) : DeviceFactory(PlainFile)) {}

PolUpdtFl::~PolUpdtFl() {
  if (header_)
    TakeBack();
  else if (file_)
    file_->close();
}

QString PolUpdtFl::IoError() const { return file_ ? file_->errorString() : QString(); }

InvtFileRecord PolUpdtFl::GetPolUpdtFl(int step, qint32 record) {
  if (!file_->seek(record * kSize)) throw EPolUpdtFl(kGet, step, file_->error(), IoError());
  const QByteArray bytes = file_->read(kSize);
  if (bytes.size() != kSize) {
    const bool failed = file_->error() != QFileDevice::NoError;
    throw EPolUpdtFl(kGet, step, failed ? file_->error() : EPolUpdtFl::kPartialRecord, failed ? IoError() : QString());
  }
  InvtFileRecord read(bytes);
  if (!read.InUse()) throw EPolUpdtFl(kGet, step, EPolUpdtFl::kNotInUse);
  return read;
}

void PolUpdtFl::PutPolUpdtFl(int step, qint32 record, InvtFileRecord buffer) {
  Remember(step, record);
  buffer.SetInUse();
  if (!file_->seek(record * kSize) || file_->write(buffer.Bytes()) != kSize) {
    const int error = file_->error() != QFileDevice::NoError ? file_->error() : QFileDevice::WriteError;
    throw EPolUpdtFl(kPut, step, error, IoError());
  }
}

// An old record is read before it is first overwritten, so that it can be written back.
void PolUpdtFl::Remember(int step, qint32 record) {
  if ((record + 1) * kSize > startLength_ || overwritten_.contains(record)) return;
  const std::optional<QByteArray> bytes = ReadRaw(record);
  if (!bytes) throw EPolUpdtFl(kGet, step, EPolUpdtFl::kPartialRecord, IoError());
  overwritten_.insert(record, *bytes);
}

std::optional<QByteArray> PolUpdtFl::ReadRaw(qint32 record) {
  if (!file_->seek(record * kSize)) return std::nullopt;
  QByteArray bytes = file_->read(kSize);
  if (bytes.size() != kSize) return std::nullopt;
  return bytes;
}

bool PolUpdtFl::OpenPolUpdtFl() {
  if (file_) Abandon();
  Reset();
  if (fileName_.isEmpty()) return false;
  const bool existed = QFileInfo::exists(fileName_);
  file_ = factory_(fileName_);
  if (!file_->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
    file_.reset();
    return false;
  }
  created_ = !existed;
  startLength_ = file_->size();
  Guarded([this] { FindEnd(startLength_); });
  return true;
}

void PolUpdtFl::FindEnd(qint64 length) {
  if (length == 0) {
    PutPolUpdtFl(created_ ? OpenNewFile : OpenEmptyFile, 0, InvtFileRecord::End(0));
    nextRecord_ = lastHeader_ = 0;
    return;
  }
  if (length % kSize != 0) throw EPolUpdtFl(kGet, OpenNewFile, EPolUpdtFl::kPartialRecord);
  const auto last = static_cast<qint32>(length / kSize - 1);
  const InvtFileRecord end = GetPolUpdtFl(OpenNewFile, last);
  if (!end.IsEnd()) throw EPolUpdtFl(kGet, OpenNewFile, EPolUpdtFl::kNotEndRecord);
  const qint32 header = end.Previous();
  // Record 0 as the last header is a poll header, or the end record of a file without polls.
  if (header < 0 || (last > 0 && header >= last)) throw EPolUpdtFl(kGet, OpenNewFile, EPolUpdtFl::kNotPollHeader);
  nextRecord_ = last;
  lastHeader_ = header;
}

void PolUpdtFl::PutPollHeader(const InvtPollHeader& values) {
  if (!file_ || header_) throw EInvtFileValue(QStringLiteral("The inventory file takes one poll at a time."));
  Guarded([&] {
    const qint32 at = nextRecord_;
    InvtFileRecord header = InvtFileRecord::PollHeader(at, values, lastHeader_);
    if (lastHeader_ != at) {
      InvtFileRecord previous = GetPolUpdtFl(ReadPreviousHeader, lastHeader_);
      if (!previous.IsPollHeader() || previous.OwnNumber() != lastHeader_)
        throw EPolUpdtFl(kGet, ReadPreviousHeader, EPolUpdtFl::kNotPollHeader);
      if (previous.Next() != at) {
        previous.SetNext(at);
        previousHeader_.emplace(lastHeader_, previous);
      }
    }
    header_ = header;
    headerAt_ = at;
    items_ = 0;
    lastHeader_ = at;
    nextRecord_ = at + 1;
  });
}

void PolUpdtFl::PutPollItem(const InvtPollItem& values) {
  if (!header_) throw EInvtFileValue(QStringLiteral("An item of the inventory file needs its poll header first."));
  Guarded([&] {
    PutPolUpdtFl(WriteItem, nextRecord_, InvtFileRecord::PollItem(nextRecord_, values, items_ + 1));
    ++items_;
    ++nextRecord_;
  });
}

void PolUpdtFl::ClosePolUpdtFl() {
  if (header_) {
    Guarded([this] {
      const qint32 end = nextRecord_;
      PutPolUpdtFl(WriteEnd, end, InvtFileRecord::End(lastHeader_));
      header_->SetNext(end);
      if (previousHeader_) PutPolUpdtFl(WritePreviousHeader, previousHeader_->first, previousHeader_->second);
      PutPolUpdtFl(WriteHeader, headerAt_, *header_);
      nextRecord_ = end;
    });
  }
  if (file_) file_->close();
  file_.reset();
  Reset();
}

void PolUpdtFl::Abandon() {
  if (file_) TakeBack();
}

void PolUpdtFl::Guarded(const std::function<void()>& step) {
  try {
    step();
  } catch (const EPolUpdtFl& e) {
    const QString why = TakeBack();
    if (!why.isEmpty()) throw e.NotTakenBack(why);
    throw;
  } catch (...) {
    TakeBack();
    throw;
  }
}

QString PolUpdtFl::TakeBack() {
  QString why;
  const auto failed = [this] {
    const QString error = IoError();
    return error.isEmpty() ? QStringLiteral("the device refused the change") : error;
  };
  if (!file_) return why;
  if (created_) {
    file_->close();
    if (!QFile::remove(fileName_)) why = QStringLiteral("the new file could not be removed");
  } else {
    if (!file_->resize(startLength_)) why = failed();
    // Only records that did change are written back: a device that fails every write
    // may still have left them as they were.
    for (auto it = overwritten_.cbegin(); it != overwritten_.cend() && why.isEmpty(); ++it) {
      if (ReadRaw(it.key()) == it.value()) continue;
      if (!file_->seek(it.key() * kSize) || file_->write(it.value()) != kSize) why = failed();
    }
    file_->close();
  }
  file_.reset();
  Reset();
  return why;
}

void PolUpdtFl::Reset() {
  header_.reset();
  previousHeader_.reset();
  items_ = 0;
  created_ = false;
  startLength_ = 0;
  overwritten_.clear();
}
