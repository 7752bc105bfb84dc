#pragma once
// A row of a table text file that cannot be read back: a blob length that is not a
// number, or one that asks for more bytes than the ".mem" file has left.
#include "platform/sys/Exception.h"

TB_EXCEPTION(ETextImportError, Exception)
