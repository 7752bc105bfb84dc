#pragma once
// The application-wide error handler: an error that nobody else handles is shown to the
// user as "This program has generated an error - <message>" and the program goes on.
#include <QString>
#include <exception>
#include <utility>

// The text shown for an error that reached the handler.
QString UnhandledErrorText(const std::exception& e);
QString UnhandledErrorText(const QString& message);
// Shows the text through the current prompter, as an error.
void ReportUnhandledError(const std::exception& e);
void ReportUnhandledError(const QString& message);

// Runs a user command; an error it raises goes to the handler instead of further up
// (the event loop must never see an exception).
template <class F>
void RunGuarded(F&& command) {
  try {
    std::forward<F>(command)();
  } catch (const std::exception& e) {
    ReportUnhandledError(e);
  } catch (...) {
    ReportUnhandledError(QStringLiteral("Unknown error"));
  }
}
