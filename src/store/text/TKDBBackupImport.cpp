// TKDBBackup: reading a table's text files back into the table.
#include "store/text/TKDBBackup.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/ScopeGuard.h"
#include "store/streaming/FileErrors.h"
#include "store/text/TableTextCodec.h"
#include "store/text/TableTextRows.h"
#include "store/text/TextImportErrors.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kDuplicateKeyMessage = QStringLiteral(
    "Duplicate Key Violation\n\rThis file contains PLUs that already\n\rexist in the PLU program.");

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw EFOpenError(QStringLiteral("Cannot open file ") + path);
  return file.readAll();
}

// The ".mem" bytes, taken row by row in order; never read past their end.
class BlobSource {
public:
  BlobSource(QByteArray bytes, QString name) : bytes_(std::move(bytes)), name_(std::move(name)) {}

  // The bytes of a row's blob fields, by field (empty for the other fields). They are
  // taken before any field is set, so that a row skipped for another reason (a bad
  // number, a duplicate key) still uses up its own bytes and the rows after it get
  // theirs. A row whose lengths the file cannot serve takes none.
  QList<QByteArray> TakeRow(TTable& table, const QStringList& pieces) {
    QList<QByteArray> row(table.FieldCount());
    qint64 at = offset_;
    for (int i = 0; i < table.FieldCount(); ++i) {
      const TFieldDef& field = table.Fields(i).Def();
      if (!TableTextRows::IsBlob(field)) continue;
      const qint64 length = Length(field, i < pieces.size() ? pieces[i] : QString());
      const qint64 left = bytes_.size() - at;
      if (length > left)
        throw ETextImportError(QStringLiteral("Field '%1' needs %2 bytes, but only %3 are left in \"%4\"")
                                   .arg(field.name).arg(length).arg(left).arg(name_));
      row[i] = bytes_.mid(at, length);
      at += length;
    }
    offset_ = at;
    return row;
  }

private:
  // The length a line gives in place of a blob field; none or one below 1 is no bytes.
  static qint64 Length(const TFieldDef& field, const QString& lengthText) {
    const QString text = lengthText.trimmed();
    bool ok = true;
    const qint64 length = text.isEmpty() ? 0 : text.toLongLong(&ok);
    if (!ok)
      throw ETextImportError(QStringLiteral("'%1' is not a length of bytes for field '%2'").arg(lengthText, field.name));
    return qMax<qint64>(length, 0);
  }

  QByteArray bytes_;
  QString name_;
  qint64 offset_ = 0;
};

// What to tell the user about skipped rows: the first duplicate key and the first other
// failure, each once, then how many rows were skipped. Shown once the import is over, so
// that no message waits for a click while the table is held.
class SkipReport {
public:
  void Failed(int line, const Exception& e) {
    ++skipped_;
    const auto* engine = dynamic_cast<const EDBEngineError*>(&e);
    if (engine && engine->ErrorCode() == EngineError::KeyViolation) {
      if (duplicate_.isEmpty()) duplicate_ = kDuplicateKeyMessage;
      return;
    }
    if (other_.isEmpty()) other_ = QStringLiteral("Line %1 could not be imported:\n%2").arg(line).arg(e.Message());
  }

  void Show(int rows, const QString& file) const {
    if (skipped_ == 0) return;
    for (const QString& message : {duplicate_, other_})
      if (!message.isEmpty()) Prompter::ShowMessage(message, Prompter::Kind::Error);
    Prompter::ShowMessage(QStringLiteral("%1 of the %2 rows in \"%3\" were not imported.").arg(skipped_).arg(rows).arg(file),
                          Prompter::Kind::Warning);
  }

  qint32 Skipped() const { return skipped_; }

private:
  qint32 skipped_ = 0;
  QString duplicate_;
  QString other_;
};

void FillRow(TTable& table, const QStringList& pieces, const QList<QByteArray>& blobs) {
  for (int i = 0; i < table.FieldCount(); ++i) {
    TField& field = table.Fields(i);
    if (TableTextRows::IsBlob(field.Def())) {
      if (!blobs[i].isEmpty()) field.SetAsBytes(blobs[i]);
      continue;
    }
    // A missing or null piece leaves the field empty.
    if (i < pieces.size() && !pieces[i].isNull()) field.SetAsString(pieces[i]);
  }
}

qint32 ImportRows(TTable& table, const QList<QStringList>& records, BlobSource& blobs, SkipReport& report) {
  qint32 imported = 0;
  for (qsizetype i = 0; i < records.size(); ++i) {
    try {
      const QList<QByteArray> rowBlobs = blobs.TakeRow(table, records[i]);
      table.Append();
      FillRow(table, records[i], rowBlobs);
      table.Post();
      ++imported;
    } catch (const Exception& e) {
      try {
        table.Cancel();
      } catch (const Exception&) {
      }
      report.Failed(int(i + 1), e);
    }
  }
  return imported;
}
} // namespace

TTableImportResult TKDBBackup::ImportTable(const QString& tableName, const QString& fileName) {
  const QString textPath = FilePath(fileName, ".txt");
  const QString memPath = FilePath(fileName, ".mem");
  const QList<QStringList> records = TableTextCodec::ParseRecords(Cp1252::Decode(ReadWholeFile(textPath)));
  BlobSource blobs(QFileInfo::exists(memPath) ? ReadWholeFile(memPath) : QByteArray(), QFileInfo(memPath).fileName());

  TDatabase& database = Database();
  TTable table;
  table.SetDatabase(&database);
  table.SetTableName(tableName);
  // One transaction: fast, and a failure that ends the import leaves the table as it was.
  const bool ownTransaction = !database.InTransaction();
  if (ownTransaction) database.StartTransaction();
  SkipReport report;
  TTableImportResult result;
  {
    const auto rollback = OnScopeFailure([&] {
      if (ownTransaction && database.InTransaction()) database.Rollback();
    });
    const auto close = OnScopeFailure([&] { table.Close(); });
    if (emptyTables_) table.EmptyTable();
    table.Open();
    result.imported = ImportRows(table, records, blobs, report);
    table.Close();
    if (ownTransaction) database.Commit();
  }
  result.skipped = report.Skipped();
  report.Show(int(records.size()), QFileInfo(textPath).fileName());
  return result;
}
