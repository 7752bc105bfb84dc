#pragma once
// The synthesiser's own errors: a value that its field cannot hold, a bad option, a file that
// cannot be written or read back. Each carries the text the program prints.
#include "platform/sys/Exception.h"

TB_EXCEPTION(SynthError, Exception)
TB_EXCEPTION(SynthValueError, SynthError)
TB_EXCEPTION(SynthUsageError, SynthError)
TB_EXCEPTION(SynthFileError, SynthError)
