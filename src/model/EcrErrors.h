#pragma once
// The failures of the register drivers and their data queries.
#include "platform/sys/Exception.h"

// A check of the program's own logic failed (for example an unknown level of the model
// choice); the message says which.
TB_EXCEPTION(EAssertionFailed, Exception)

// An index outside the range that a list or table allows.
TB_EXCEPTION_FIXED(ERangeError, Exception, "Range check error")

// A class named where a register driver class is needed is none.
TB_EXCEPTION(EClassNotEcr, Exception)

// A report row of a poll save names a poll that the save does not hold.
TB_EXCEPTION(EPollIdRange, Exception)
