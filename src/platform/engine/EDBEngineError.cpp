#include "platform/engine/EDBEngineError.h"

#include <QStringList>

namespace {
QString JoinMessage(const QList<TDBError>& errors, const QString& context) {
  QStringList lines;
  for (const TDBError& e : errors) lines << e.message;
  if (!context.isEmpty()) lines << context;
  return lines.join(QLatin1Char('\n'));
}
} // namespace

EDBEngineError::EDBEngineError(int code, const QString& context)
    : EDBEngineError(QList<TDBError>{{code, EngineError::Text(code)}}, context) {}

EDBEngineError::EDBEngineError(QList<TDBError> errors, const QString& context)
    : Exception(JoinMessage(errors, context)), errors_(std::move(errors)), context_(context) {}

bool EDBEngineError::IsMissing() const {
  const int code = ErrorCode();
  return code == EngineError::TableMissing || code == EngineError::FileMissing;
}
