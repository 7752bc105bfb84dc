#pragma once
// Loads the table-definition library "libtblscn.so" at run time and runs its checks.
// The library is looked for first in the folder of the engine configuration's "DLLPath",
// then by its bare name (the system's library search). Loading is tried once per loader:
// the first failure raises ETblScnNotFound ("Could not find libtblscn.so") or
// ETblScnLoadError ("Unable to Load " + path), later calls answer false without raising,
// so a missing library is reported once and its checks are skipped.
#include "platform/engine/TblScnRecords.h"

#include <QString>
#include <optional>

class TTblScnLoader {
public:
  static constexpr char kFileName[] = "libtblscn.so";

  // dllPath: the folder looked in first; the configuration's "DLLPath" when not given.
  explicit TTblScnLoader(std::optional<QString> dllPath = std::nullopt);
  ~TTblScnLoader();
  TTblScnLoader(const TTblScnLoader&) = delete;
  TTblScnLoader& operator=(const TTblScnLoader&) = delete;

  // The program's loader, released when the program ends.
  static TTblScnLoader& Instance();

  bool Load();
  bool IsLoaded() const { return handle_ != nullptr; }
  // The path the loader built (DLLPath + "/libtblscn.so"), or the bare name without a
  // DLLPath; once loaded, the path it was loaded from.
  const QString& LibraryPath() const { return path_; }

  // One check: the handshake, the caller's arguments, the declaration through the
  // describer, the closing call; then the library's message ("" when the table is fine).
  // Loads first (see Load: answers "" when the library is not there). Raises
  // ETblScnInvalidVersion when the library lacks "DEF" or "GET"; an exception of the
  // describer is raised after the library's message has been read.
  QString Check(const TDefValues& arguments, const QString& fileName, const TDescriber& describer);

private:
  QString dllPath_;
  QString path_;
  void* handle_ = nullptr;
  bool attempted_ = false;
};
