#pragma once
// The errors of the communication log.
#include "platform/sys/Exception.h"

// The log table is there but not as the system declares it; the message names the
// differences.
TB_EXCEPTION(ECommLogTable, Exception)
// The export of a row's progress text could not write its file.
TB_EXCEPTION_FIXED(ECommLogExport, Exception, "File I/O error.")
