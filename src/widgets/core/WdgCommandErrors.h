#pragma once
// Errors of the key command processor.
#include "platform/sys/Exception.h"

TB_EXCEPTION_FIXED(EDuplicateCommand, Exception,
                   "Duplicate command found while adding a new command to the table")
TB_EXCEPTION_FIXED(ETableNotFound, Exception,
                   "Command table not found or command table index out of range")
// A command table file that cannot be read or written; the message names the file.
TB_EXCEPTION(ECommandFileError, Exception)
