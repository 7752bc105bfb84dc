#pragma once
// A block file that cannot be read or written as it should: missing, short, or holding a
// block length that no block can have.
#include "platform/sys/Exception.h"

TB_EXCEPTION(EInOutError, Exception)
