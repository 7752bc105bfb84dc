#pragma once
// Errors of the local socket transport.
#include "platform/sys/Exception.h"

// The server could not listen (another instance holds the name, or the folder refuses).
TB_EXCEPTION(ELocalServer, Exception)
// A client could not reach the server or got no answer in time.
TB_EXCEPTION(ELocalClient, Exception)
