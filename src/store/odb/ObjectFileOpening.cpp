#include "store/odb/ObjectFileOpening.h"

#include "platform/engine/EDBEngineError.h"
#include "store/odb/TObjectFile.h"

#include <exception>

void OpenObjectFile(TObjectFile& file, TMissingTableRule rule) {
  std::exception_ptr openError;
  try {
    file.Open();
    return;
  } catch (const EDBEngineError& e) {
    if (rule == TMissingTableRule::MissingCodesOnly && !e.IsMissing()) throw;
    openError = std::current_exception();
  }
  try {
    file.CreateFile();
  } catch (const EDBEngineError&) {
    // The table is there after all: the open's own error is the one to report.
    std::rethrow_exception(openError);
  }
  file.Open();
}
