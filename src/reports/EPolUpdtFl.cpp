#include "reports/EPolUpdtFl.h"

namespace {
QString Explained(int ioResult) {
  switch (ioResult) {
  case EPolUpdtFl::kNotInUse: return QStringLiteral("the record is not in use");
  case EPolUpdtFl::kNotEndRecord: return QStringLiteral("the file does not end in an end record");
  case EPolUpdtFl::kNotPollHeader: return QStringLiteral("the last poll header is not where the end record says");
  case EPolUpdtFl::kPartialRecord: return QStringLiteral("the file holds a part of a record");
  default: return {};
  }
}

QString MessageOf(const QString& operation, int step, int ioResult, const QString& detail) {
  QString why = detail.isEmpty() ? Explained(ioResult) : detail;
  QString text = QStringLiteral("Inventory file error: %1 failed at step %2 (result %3").arg(operation).arg(step).arg(ioResult);
  if (!why.isEmpty()) text += QStringLiteral(": ") + why;
  return text + QStringLiteral(").");
}
} // namespace

EPolUpdtFl::EPolUpdtFl(QString operation, int step, int ioResult, const QString& detail)
    : EPolUpdtFl(MessageOf(operation, step, ioResult, detail), operation, step, ioResult) {}

EPolUpdtFl::EPolUpdtFl(QString message, QString operation, int step, int ioResult)
    : Exception(std::move(message)), operation_(std::move(operation)), step_(step), ioResult_(ioResult) {}

EPolUpdtFl EPolUpdtFl::NotTakenBack(const QString& why) const {
  return EPolUpdtFl(Message() + QStringLiteral(" The file could not be put back as it was: ") + why, operation_, step_,
                    ioResult_);
}
