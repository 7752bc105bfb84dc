// The two entries of the table-definition library.
#include "platform/tblscn/DeclarationSession.h"
#include "platform/tblscn/TblScnAbi.h"

#define TBLSCN_EXPORT __attribute__((visibility("default")))

extern "C" {
TBLSCN_EXPORT void DEF(const TblScnValue* values, int32_t high) {
  try {
    DeclarationSession::Current().Def(values, high);
  } catch (...) {
    // Nothing may unwind into the caller through the C interface; the check then finds
    // its declaration incomplete and says so.
  }
}

TBLSCN_EXPORT void GET(char* buffer, int32_t size) { DeclarationSession::Current().Get(buffer, size); }
}
