#pragma once
// The table grid's own error: a row outside the row limit or too many columns. Its library
// texts are empty, so the message reads "Unknown".
#include "platform/sys/Exception.h"

TB_EXCEPTION_FIXED(EWdgTable, Exception, "Unknown")
