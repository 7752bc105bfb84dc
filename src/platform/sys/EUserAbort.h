#pragma once
// The user cancelled a choice (of a register model); whoever started the choice catches
// it and stops quietly.
#include "platform/sys/Exception.h"

TB_EXCEPTION_FIXED(EUserAbort, Exception, "User Abort")
