#pragma once
// Errors of a query request: each ends the request with an error reply and a logged line.
#include "platform/sys/Exception.h"

// A request the server cannot carry out: unknown command or kind, a number that is none,
// a machine that is not stored, a line too long.
TB_EXCEPTION(EQueryRequest, Exception)
// The answer file cannot be created or written.
TB_EXCEPTION(EFCreateError, Exception)
