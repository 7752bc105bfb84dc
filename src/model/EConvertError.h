#pragma once
// A value that is no valid date or time of day (a register field holding month 13 or
// 25 o'clock, for instance).
#include "platform/sys/Exception.h"

TB_EXCEPTION(EConvertError, Exception)
