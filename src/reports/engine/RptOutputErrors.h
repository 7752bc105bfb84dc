#pragma once
// Errors of putting a page model out: a PDF that cannot be written, a printer that is not there.
#include "platform/sys/Exception.h"

// A report file that could not be written (its folder missing, no room, no rights).
TB_EXCEPTION(ERptOutput, Exception)
// No printer to print on: none installed, or none of the name asked for.
TB_EXCEPTION(ERptNoPrinter, ERptOutput)
// The printer was found but refused the job.
TB_EXCEPTION(ERptPrint, ERptOutput)
