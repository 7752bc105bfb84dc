#include "platform/engine/SqlErrors.h"

namespace {
// Result codes of the database library (primary codes are the low byte).
constexpr int kError = 1, kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kCorrupt = 11,
              kFull = 13, kCantOpen = 14, kConstraint = 19, kNotADb = 26;
constexpr int kConstraintPrimaryKey = 1555, kConstraintUnique = 2067;

int ConstraintCode(int native) {
  if (native == kConstraintUnique || native == kConstraintPrimaryKey) return EngineError::KeyViolation;
  return EngineError::InvalidValue;
}
} // namespace

int SqlErrors::CodeOf(const QSqlError& error) {
  bool ok = false;
  const int native = error.nativeErrorCode().toInt(&ok);
  if (!ok) return EngineError::SqlError;
  switch (native & 0xFF) {
  case kConstraint: return ConstraintCode(native);
  case kBusy:
  case kLocked: return EngineError::TableBusy;
  case kCorrupt:
  case kNotADb: return EngineError::TableCorrupt;
  case kPerm:
  case kReadOnly:
  case kIoErr:
  case kFull:
  case kCantOpen: return EngineError::OsError;
  case kError:
    if (error.databaseText().startsWith(QLatin1String("no such table"))) return EngineError::TableMissing;
    return EngineError::SqlError;
  default: return EngineError::SqlError;
  }
}

EDBEngineError SqlErrors::ToEngineError(const QSqlError& error, const QString& context) {
  QString detail = context;
  const QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
  if (!text.isEmpty()) detail += (detail.isEmpty() ? QString() : QStringLiteral("\n")) + text;
  return EDBEngineError(CodeOf(error), detail);
}

void SqlErrors::Raise(const QSqlError& error, const QString& context) { throw ToEngineError(error, context); }
