#pragma once
// A block (or a decoded record) whose length is not what the record size promises. Its
// own class, so that callers can tell a length error from other errors.
#include "platform/sys/Exception.h"

TB_EXCEPTION(ERecMismatch, Exception)
