#include "store/odb/OwnedObjectFile.h"

#include "platform/sys/Exception.h"
#include "store/odb/TObjectFile.h"

#include <QCoreApplication>
#include <QList>

void OwnedObjectFile::Open(TObjectFile& file, TMissingTableRule missing, TFirstRecordRule first) {
  try {
    OpenObjectFile(file, missing);
  } catch (const Exception&) {
    if (first == TFirstRecordRule::MustRead || !file.IsOpen()) throw;
  }
  AddObjectDatabaseUser();
}

void OwnedObjectFile::Close(std::unique_ptr<TObjectFile> file) {
  try {
    file->Close();
  } catch (...) {
    // the file goes away either way
  }
  file.reset();
  RemoveObjectDatabaseUser();
}

void OwnedObjectFile::CloseAtExit(void (*close)()) {
  static QList<void (*)()> registered;
  if (registered.contains(close)) return;
  registered << close;
  qAddPostRoutine(close);
}
