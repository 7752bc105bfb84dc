#pragma once
// One run of crs-decode: a machine with the driver of the ROM, the report of the class
// asked for, the data folder (or a temporary one for a dry run), the save of the work
// file, and what it stored printed.
#include "DecodeOptions.h"

#include <cstdio>

class DecodeRun {
public:
  DecodeRun(const DecodeOptions& options, std::FILE* out, std::FILE* err);

  // The exit status (see DecodeOptions).
  int Exec();

private:
  int Decode(const QString& folder);
  void Print(std::FILE* to, const QString& line) const;

  const DecodeOptions& options_;
  std::FILE* out_;
  std::FILE* err_;
};
