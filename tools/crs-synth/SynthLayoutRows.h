#pragma once
// Short forms for the rows of a record's layout table, so that the tables read like the
// record descriptions they are written from.
#include "crs-synth/SynthTotaliserLayout.h"

namespace SynthLayoutRows {
// One totaliser: total bytes (0: none), count bytes (0: none).
inline SynthTotaliserRun One(const char* name, int total, int count, int scale = 100) {
  return {QString::fromLatin1(name), 0, 1, total, count, scale, 0};
}
// A run of `members` totalisers named prefix + number, the number `digits` wide.
inline SynthTotaliserRun Run(const char* prefix, int members, int digits, int total, int count) {
  return {QString::fromLatin1(prefix), members, digits, total, count, 100, 0};
}
// A column named without suffix.
inline SynthTotaliserRun Bare(const char* name, int total, int count) {
  return {QString::fromLatin1(name), 0, 1, total, count, 100, SynthTotaliserRun::kBare};
}
// A total whose count bytes follow in the record but are not stored.
inline SynthTotaliserRun TotalOnly(const char* name, int total, int unstoredCount) {
  return {QString::fromLatin1(name), 0, 1, total, unstoredCount, 100, SynthTotaliserRun::kCountUnstored};
}
inline SynthTotaliserRun Gap(int bytes) { return {QString(), 0, 1, bytes, 0, 100, SynthTotaliserRun::kGap}; }
} // namespace SynthLayoutRows
