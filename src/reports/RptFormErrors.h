#pragma once
// Errors a report form raises while it is generated.
#include "platform/sys/Exception.h"

// A 32-bit sum of register counts went past its range.
TB_EXCEPTION(EIntOverflow, Exception)
