#pragma once
// A poll export that cannot be made: a format the settings do not allow, or an output file
// that cannot be opened. Nothing of the poll is written when it is raised.
#include "platform/sys/Exception.h"

TB_EXCEPTION(EPollExport, Exception)
