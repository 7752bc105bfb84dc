#pragma once
// An object file that a unit opens once on the shared object database and keeps until it
// closes it (the machine list, the job queue's files, the scripts): made, opened by the
// missing-table rule and counted as a user of the database; closed with its errors ignored,
// freed, and its use given up. Closing the database itself, when the owner was its last
// user, is the owner's.
#include "store/odb/ObjectFileOpening.h"
#include "store/odb/StorageGlobals.h"

#include <memory>

class TObjectFile;

enum class TFirstRecordRule {
  MustRead,    // an open whose first record cannot be read fails
  MayBeUnread  // the file stays open: the record's error is met again by its lookup
};

namespace OwnedObjectFile {
// Opens the file and counts it as a user of the database; on an error the file is not
// counted and the error passes on.
void Open(TObjectFile& file, TMissingTableRule missing, TFirstRecordRule first);
void Close(std::unique_ptr<TObjectFile> file);
// Closes the shared database at the end of the program (before the engine closes its
// databases) by calling close; registered once for each function.
void CloseAtExit(void (*close)());
} // namespace OwnedObjectFile

// The file made on the object database and open; nullptr when the database could not be
// opened (the user has been told).
template <class File>
std::unique_ptr<File> OpenOwnedObjectFile(TMissingTableRule missing,
                                          TFirstRecordRule first = TFirstRecordRule::MustRead) {
  TObjectDatabase* database = OpenObjectDatabase();
  if (!database) return nullptr;
  auto file = std::make_unique<File>(*database);
  OwnedObjectFile::Open(*file, missing, first);
  return file;
}

// Closes and frees the file, if any, and gives up its use of the database.
template <class File>
void CloseOwnedObjectFile(std::unique_ptr<File>& file) {
  if (file) OwnedObjectFile::Close(std::unique_ptr<TObjectFile>(file.release()));
}
