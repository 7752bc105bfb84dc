#pragma once
// The failures of opening, creating and writing files.
#include "platform/sys/Exception.h"

// "Cannot open file %s" with the file's name.
TB_EXCEPTION(EFOpenError, Exception)
// "Cannot create file %s" with the file's name.
TB_EXCEPTION(EFCreateError, Exception)
// "Stream write error": a file accepted fewer bytes than it was given.
TB_EXCEPTION_FIXED(EWriteError, Exception, "Stream write error")
