#include "app/AppError.h"

#include "platform/sys/Exception.h"
#include "platform/sys/Prompter.h"

QString UnhandledErrorText(const QString& message) {
  return QStringLiteral("This program has generated an error - ") + message;
}

QString UnhandledErrorText(const std::exception& e) { return UnhandledErrorText(ExceptionMessage(e)); }

void ReportUnhandledError(const QString& message) {
  Prompter::ShowMessage(UnhandledErrorText(message), Prompter::Kind::Error);
}

void ReportUnhandledError(const std::exception& e) { ReportUnhandledError(ExceptionMessage(e)); }
