#pragma once
// The serial library's message table: error messages, the dispatch log's kind and sub-kind
// names and its header lines, keyed by number as the library has always numbered them.
#include <QString>

// The message with that number; empty when the table has none.
QString LookupString(int id);
// The message of the absolute value of code; failing that the operating system's message
// for the number (control characters as blanks, double blanks single); at most 255 chars.
QString ErrorText(int code);
