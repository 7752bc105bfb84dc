#include "store/odb/TOdbBookmark.h"

#include "store/odb/TObjectFile.h"
#include "store/odb/TOdbDriver.h"

TOdbBookmark::TOdbBookmark(TObjectFile& file, QString indexName, std::unique_ptr<TOdbDriverBookmark> mark)
    : file_(file), indexName_(std::move(indexName)), mark_(std::move(mark)) {}

TOdbBookmark::~TOdbBookmark() {
  // Freeing a mark needs no open table; a driver that fails to free it loses only memory.
  try {
    file_.DriverUnchecked().FreeBookmark(file_.Handle(), std::move(mark_));
  } catch (...) {
  }
}
