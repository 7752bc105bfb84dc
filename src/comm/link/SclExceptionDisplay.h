#pragma once
// Where the serial library shows an exception that nobody above it can catch: one raised by
// an event handler it called, or one that ended one of its threads. The program routes it to
// its own display; until then it is written to the debug log.
#include <QString>
#include <exception>
#include <functional>

void SetSclExceptionDisplay(std::function<void(const QString& message)> display);
void SclShowException(const std::exception& e);
