#pragma once
// The error of the database engine: a stack of entries (code and text), the last one
// being the error that callers test (ErrorCode). The message is the entries' texts, one
// per line, followed by what the engine was doing (the table, the file, the statement).
#include "platform/engine/EngineErrors.h"
#include "platform/sys/Exception.h"

#include <QList>

struct TDBError {
  int code = 0;
  QString message;
};

class EDBEngineError : public Exception {
public:
  // One entry with the engine's own text for the code.
  explicit EDBEngineError(int code, const QString& context = QString());
  EDBEngineError(QList<TDBError> errors, const QString& context);
  const char* ClassName() const noexcept override { return "EDBEngineError"; }

  int ErrorCount() const { return static_cast<int>(errors_.size()); }
  const TDBError& Errors(int index) const { return errors_.at(index); }
  // The code of the last entry.
  int ErrorCode() const { return errors_.isEmpty() ? 0 : errors_.last().code; }
  const QString& Context() const { return context_; }

  // True for the two codes that mean "not there yet": the table or its folder is missing.
  bool IsMissing() const;

private:
  QList<TDBError> errors_;
  QString context_;
};
