#pragma once
// Where the widget library shows an exception that nobody above it can catch: one raised by
// an event handler that a queued call ran. The program routes it to its own display; until
// then it is written to the debug log.
#include <QString>
#include <exception>
#include <functional>

// nullptr (an empty function) puts the log back.
void SetWdgExceptionDisplay(std::function<void(const QString& message)> display);
void WdgShowException(const std::exception& e);
// Runs the call; whatever it throws goes to the display instead of on.
void WdgRunGuarded(const std::function<void()>& call);
