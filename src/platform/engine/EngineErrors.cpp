#include "platform/engine/EngineErrors.h"

namespace {
struct CodeText {
  int code;
  const char* text;
};

constexpr CodeText kTexts[] = {
    {EngineError::KeyViolation, "Key violation."},
    {EngineError::TableMissing, "Table does not exist."},
    {EngineError::RecordLocked, "Record locked by another user."},
    {EngineError::FileMissing, "File or directory does not exist."},
    {EngineError::TableCorrupt, "Corrupt table/index header."},
    {EngineError::RecordDeleted, "Record/key deleted."},
    {EngineError::NoCurrentRecord, "No current record."},
    {EngineError::ValueOutOfRange, "Field value out of range."},
    {EngineError::InvalidValue, "Invalid field value."},
    {EngineError::IndexMissing, "Index does not exist."},
    {EngineError::FieldMissing, "Field not found."},
    {EngineError::InvalidParameter, "Invalid parameter."},
    {EngineError::TableBusy, "Table is busy."},
    {EngineError::NotEditing, "Table is not in edit or insert mode."},
    {EngineError::TableClosed, "Table is not open."},
    {EngineError::TransactionActive, "A transaction is already active."},
    {EngineError::NoTransaction, "No transaction is active."},
    {EngineError::UnknownDatabase, "Unknown database."},
    {EngineError::OsError, "Operating system error."},
    {EngineError::TableExists, "Table already exists."},
    {EngineError::SqlError, "Invalid SQL statement."},
};
} // namespace

QString EngineError::Text(int code) {
  for (const CodeText& entry : kTexts)
    if (entry.code == code) return QString::fromLatin1(entry.text);
  return QStringLiteral("Engine error %1.").arg(code);
}
