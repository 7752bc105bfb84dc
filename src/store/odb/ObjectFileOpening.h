#pragma once
// How an owner opens its object file: open it, and when the table is missing, create it
// and open again.
class TObjectFile;

enum class TMissingTableRule {
  // Only the engine's "table does not exist" (9988) and "file or folder does not exist"
  // (11010) mean missing; other engine errors pass on (the machine file).
  MissingCodesOnly,
  // Any engine error may mean missing: the table is created and opened again. The engine
  // never replaces an existing table, so when the create fails the open's own error
  // passes on, and nothing stored is lost.
  AnyEngineError
};

void OpenObjectFile(TObjectFile& file, TMissingTableRule rule);
