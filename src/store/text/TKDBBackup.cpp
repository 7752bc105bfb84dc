#include "store/text/TKDBBackup.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/FieldText.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Cp1252.h"
#include "store/streaming/FileErrors.h"
#include "store/text/TableTextCodec.h"
#include "store/text/TableTextRows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString kTextBackupFolder = QStringLiteral("TextBkup");

// One piece of a poll export line.
struct Piece {
  enum Kind { StoreNumber, MachineNumber, EcrDate, ZCounter, ReportName, PollType, PolledArea, PollId, AllFields, Rest, Field, Literal };
  Kind kind;
  const char* text = nullptr; // the field's name, or the literal text
};

using Layout = QList<Piece>;

// A poll export field: quoted only when it holds a comma, a quote or a line break, so that
// every other line stays as the readers of the exports have always had it. An empty text
// stays empty.
QString PeerField(const QString& text) { return text.isEmpty() ? text : TableTextCodec::QuotedField(text); }

const Layout kPollRows{{Piece::AllFields}};
const Layout kByLocation{{Piece::StoreNumber}, {Piece::MachineNumber}, {Piece::EcrDate}, {Piece::ZCounter}, {Piece::Rest}};
const Layout kByReportType{{Piece::ReportName}, {Piece::StoreNumber}, {Piece::MachineNumber},
                           {Piece::EcrDate},    {Piece::ZCounter},    {Piece::Rest}};
const Layout kByArea{{Piece::StoreNumber}, {Piece::MachineNumber}, {Piece::EcrDate}, {Piece::ZCounter},
                     {Piece::PollType},    {Piece::PolledArea},    {Piece::Rest}};
const Layout kFoodTrak{{Piece::StoreNumber}, {Piece::MachineNumber}, {Piece::EcrDate}, {Piece::PollId}, {Piece::Rest}};
const Layout kFoodTrakItems{{Piece::StoreNumber}, {Piece::MachineNumber}, {Piece::EcrDate},
                            {Piece::PollId},      {Piece::Field, "Number"}, {Piece::Field, "Number"},
                            {Piece::Field, "Desc"}, {Piece::Field, "Amount"}, {Piece::Field, "Count"},
                            {Piece::Field, "Promo"}, {Piece::Field, "Waste"}, {Piece::Literal, "0"},
                            {Piece::Literal, "0"},  {Piece::Literal, "0"}};

// The text of one row: field texts, and the bytes of its blob fields collected in the
// order in which their lengths appear.
class RowLine {
public:
  RowLine(const TTableDef& def, const QVariantList& values, QByteArray& blobs, bool quoted)
      : def_(def), values_(values), blobs_(blobs), quoted_(quoted) {}

  QString FieldAt(int index) {
    const TFieldDef& field = def_.fields[index];
    if (TableTextRows::IsBlob(field)) {
      const QByteArray bytes = TableTextRows::Bytes(field, values_[index]);
      blobs_ += bytes;
      return QString::number(bytes.size());
    }
    const QString text = TableTextRows::Text(field, values_[index]);
    if (!quoted_) return PeerField(text);
    // An empty text that is a value, not a null, is kept apart from "no value".
    const bool null = !values_[index].isValid() || values_[index].isNull();
    return TableTextCodec::QuotedField(null ? QString() : text.isEmpty() ? QStringLiteral("") : text);
  }

  QString Named(const QString& name) {
    const int index = def_.FieldIndex(name);
    if (index < 0) throw EDBEngineError(EngineError::FieldMissing, QStringLiteral("Table: %1\nField: %2").arg(def_.name, name));
    return FieldAt(index);
  }

  QStringList From(int first) {
    QStringList texts;
    for (int i = first; i < def_.fields.size(); ++i) texts << FieldAt(i);
    return texts;
  }

private:
  const TTableDef& def_;
  const QVariantList& values_;
  QByteArray& blobs_;
  bool quoted_;
};

// In the order of TKDBBackup::PollLayout.
const Layout& LayoutOf(int which) {
  static const QList<const Layout*> layouts{&kPollRows, &kByLocation, &kByReportType, &kByArea, &kFoodTrakItems, &kFoodTrak};
  return *layouts[which];
}

QString ShortDate(TDateTime value) { return FieldText::DateText(value.Days()); }

QStringList PieceTexts(const Piece& piece, RowLine& row, qint32 pollId, const TPollExportValues& poll) {
  switch (piece.kind) {
  case Piece::StoreNumber: return {QString::number(poll.storeNumber)};
  case Piece::MachineNumber: return {QString::number(poll.machineNumber)};
  case Piece::EcrDate: return {ShortDate(poll.ecrDate)};
  case Piece::ZCounter: return {QString::number(poll.zCounter)};
  case Piece::ReportName: return {PeerField(poll.reportName)};
  case Piece::PollType: return {PeerField(poll.pollType)};
  case Piece::PolledArea: return {PeerField(poll.polledArea)};
  case Piece::PollId: return {QString::number(pollId)};
  case Piece::AllFields: return row.From(0);
  case Piece::Rest: return row.From(1);
  case Piece::Field: return {row.Named(QLatin1String(piece.text))};
  case Piece::Literal: return {QLatin1String(piece.text)};
  }
  return {};
}

QByteArray LinesBytes(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += Cp1252::Encode(line) + "\r\n";
  return bytes;
}

void WriteAll(QFileDevice& file, const QByteArray& bytes) {
  if (file.write(bytes) != bytes.size()) throw EWriteError();
}

// Replaces the file as a whole: a failed write leaves the old one.
void ReplaceFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throw EFCreateError(QStringLiteral("Cannot create file ") + path);
  WriteAll(file, bytes);
  if (!file.commit()) throw EWriteError();
}

void AppendFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
    throw EFCreateError(QStringLiteral("Cannot create file ") + path);
  WriteAll(file, bytes);
}

} // namespace

void TKDBBackup::SetDatabaseName(const QString& name) {
  databaseName_ = name;
  if (name.isEmpty()) return;
  const std::optional<QString> alias = EngineConfig::AliasPath(name);
  const QString folder = alias ? *alias : QDir::isAbsolutePath(name) ? name : TSession::Default().AliasPath(name);
  workDir_ = QDir(folder).filePath(kTextBackupFolder);
}

QString TKDBBackup::FilePath(const QString& fileName, const char* extension) const {
  return QDir(workDir_).filePath(fileName + QLatin1String(extension));
}

void TKDBBackup::ExportTable(const QString& tableName, const QString& fileName) {
  QDir().mkpath(workDir_);
  QStringList lines;
  QByteArray blobs;
  TableTextRows::ForEachRow(Database(), tableName, std::nullopt, [&](const TTableDef& def, const QVariantList& values) {
    lines << RowLine(def, values, blobs, true).From(0).join(QLatin1Char(','));
  });
  ReplaceFile(FilePath(fileName, ".txt"), LinesBytes(lines));
  const QString memPath = FilePath(fileName, ".mem");
  if (blobs.isEmpty()) QFile::remove(memPath); // a stale one would pair with no lengths
  else ReplaceFile(memPath, blobs);
}

TDatabase& TKDBBackup::Database() const { return TSession::Default().Database(databaseName_); }

void TKDBBackup::ExportPoll(PollLayout which, const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                            const QString& exportFile) {
  const Layout& layout = LayoutOf(int(which));
  QDir().mkpath(workDir_);
  QStringList lines;
  QByteArray blobs;
  TableTextRows::ForEachRow(Database(), tableName, pollId, [&](const TTableDef& def, const QVariantList& values) {
    RowLine row(def, values, blobs, false);
    QStringList texts;
    for (const Piece& piece : layout) texts << PieceTexts(piece, row, pollId, poll);
    lines << texts.join(QLatin1Char(','));
  });
  const bool appending = QFileInfo::exists(exportFile);
  AppendFile(exportFile, LinesBytes(lines));
  // The blob bytes follow the export file: appended when it was, started anew when it is new.
  const QString memPath = FilePath(tableName, ".mem");
  if (!appending) QFile::remove(memPath);
  if (!blobs.isEmpty()) AppendFile(memPath, blobs);
}

void TKDBBackup::ExportPollRows(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                                const QString& exportFile) {
  ExportPoll(PollLayout::Rows, tableName, pollId, poll, exportFile);
}

void TKDBBackup::ExportPollByLocation(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                                      const QString& exportFile) {
  ExportPoll(PollLayout::ByLocation, tableName, pollId, poll, exportFile);
}

void TKDBBackup::ExportPollByReportType(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                                        const QString& exportFile) {
  ExportPoll(PollLayout::ByReportType, tableName, pollId, poll, exportFile);
}

void TKDBBackup::ExportPollByArea(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                                  const QString& exportFile) {
  ExportPoll(PollLayout::ByArea, tableName, pollId, poll, exportFile);
}

void TKDBBackup::ExportPollFoodTrakItems(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                                         const QString& exportFile) {
  ExportPoll(PollLayout::FoodTrakItems, tableName, pollId, poll, exportFile);
}

void TKDBBackup::ExportPollFoodTrak(const QString& tableName, qint32 pollId, const TPollExportValues& poll,
                                    const QString& exportFile) {
  ExportPoll(PollLayout::FoodTrak, tableName, pollId, poll, exportFile);
}
