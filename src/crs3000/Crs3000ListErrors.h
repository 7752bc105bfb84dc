#pragma once
// The failures of the CRS 3000 program and report lists.
#include "platform/sys/Exception.h"

// A ROM list names a class that the program does not have and that is not among the
// classes still to be built (Crs3000UnbuiltClasses); the message names class and ROM.
TB_EXCEPTION(EListedClassMissing, Exception)

// A row of the ROM lists does not hold one well-formed cell per column; the message
// names the row.
TB_EXCEPTION(EMalformedRomList, Exception)
