// The block files of a program table: writing a send file and reading a received one.
#include "model/EcrErrors.h"
#include "model/EcrForms.h"
#include "model/TBlockFileReader.h"
#include "model/TBlockFileWriter.h"
#include "model/TProgramReceive.h"
#include "model/tEcrPrg.h"
#include "platform/engine/TTable.h"
#include "platform/sys/FormRegistry.h"

#include <QFile>
#include <QScopeGuard>
#include <QScopedValueRollback>

namespace {
// The "Save Progress" window of a long receive, when a window library provides one.
class SaveProgress {
public:
  SaveProgress(TObject* subject, qint32 blocks)
      : subject_(subject), blocks_(blocks), shown_(blocks > 1 && FormRegistry::Has<SaveProgressRequest>()) {
    if (shown_) Show(0, false);
  }
  ~SaveProgress() {
    if (!shown_) return;
    try {
      Show(100, true);
    } catch (...) {
    }
  }
  SaveProgress(const SaveProgress&) = delete;
  SaveProgress& operator=(const SaveProgress&) = delete;
  void Step(qint32 done) {
    if (shown_) Show(done * 100 / blocks_, false);
  }

private:
  void Show(int percent, bool close) {
    SaveProgressRequest request{.subject = subject_, .percent = percent, .close = close};
    FormRegistry::Show(request);
  }

  TObject* subject_;
  qint32 blocks_;
  bool shown_;
};

// Closes the program's table on every way out.
class TableCloser {
public:
  explicit TableCloser(tEcrPrg& program) : program_(program) {}
  ~TableCloser() {
    try {
      program_.CloseTable();
    } catch (...) {
    }
  }
  TableCloser(const TableCloser&) = delete;
  TableCloser& operator=(const TableCloser&) = delete;

private:
  tEcrPrg& program_;
};
} // namespace

void tEcrPrg::WriteBlockFile(QFile& file, bool isNew) {
  TEcrBlock buffer{};
  BlkCount = 0;
  BlkLen = 0;
  qint32 storedCount = 0;
  TBlockFileWriter writer = isNew ? TBlockFileWriter::Rewrite(file) : TBlockFileWriter::Continue(file, buffer, BlkLen);
  if (!isNew) {
    storedCount = writer.StoredCount();
    // The counter stands before the file's last block, which the first call continues.
    BlkCount = qMax(writer.BlocksFound() - 1, 0);
  }
  {
    TableCloser closer(*this);
    TTable& table = OpenTable();
    for (;;) {
      EncodeBlock(buffer, BlkCount, BlkLen, table);
      if (BlkLen <= 0) break;
      writer.Write(buffer, BlkLen);
      buffer.fill(0);
    }
    writer.Finish(qMax(BlkCount, storedCount));
    SetLastSnt(TDateTime::Now());
  }
  AfterWriteBlockFile(file);
}

void tEcrPrg::ReadBlockFile(QFile& file) {
  if (joined_) return ReadInto(*joined_, file);
  TProgramReceive receive(GetDataBaseName());
  ReadInto(receive, file);
  receive.Commit();
}

void tEcrPrg::ReadChained(tEcrPrg& next, QFile& file) {
  if (!joined_) return next.ReadBlockFile(file);
  // The next program takes part in this receive while it reads.
  const QScopedValueRollback join(next.joined_, joined_);
  next.ReadBlockFile(file);
}

void tEcrPrg::ReadInto(TProgramReceive& receive, QFile& file) {
  // Events run while a program is received; they must not start another receive of it.
  if (receiving_) throw EAssertionFailed(ClassName() + QStringLiteral(" is already being received"));
  receiving_ = true;
  const auto done = qScopeGuard([this] { receiving_ = false; });
  TBlockFileReader reader(file);
  TTable* rows = nullptr;
  {
    TableCloser closer(*this);
    rows = &receive.Twin(*this, OpenTable().Structure());
  }
  // The chain's next programs, read from AfterReadBlockFile, join this receive.
  const QScopedValueRollback join(joined_, &receive);
  {
    SaveProgress progress(this, reader.Count());
    ReadBlocks(reader, [&](const TEcrBlock& block) {
      progress.Step(BlkCount);
      if (BlkLen > 0) DecodeBlock(*rows, block);
    });
  }
  AfterReadBlockFile(file);
}
