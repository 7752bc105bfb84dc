#pragma once
// The one table of the serial library's error codes: for each code its exception class and
// its message. CheckResult raises from it and ErrorText reads its messages.
#include <span>

struct SclErrorRow {
  int code;              // negative, as raised
  const char* className; // nullptr: a message but no class (raised as "Scomm exception")
  const char* message;   // nullptr: the library carries no text of its own for it
  void (*raise)(int code, const char* className);
  bool direct;           // raised by its component itself, never through CheckResult
};

std::span<const SclErrorRow> SclErrorRows();
// The row of a code, given with either sign; nullptr when the table has none.
const SclErrorRow* FindSclError(int code);
