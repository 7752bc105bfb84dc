#pragma once
// Errors of the key command processor: those of the library's error tree, and the one of
// its text files.
#include "widgets/core/WdgExceptions.h"

// A command table file that cannot be read or written; the message names the file.
TB_EXCEPTION(ECommandFileError, ECmdProcessorError)
