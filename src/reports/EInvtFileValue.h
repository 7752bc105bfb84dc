#pragma once
// A poll value that the inventory poll-update file cannot hold (a store number above
// 65535, a PLU number of more than 15 characters): the poll is refused, nothing written.
#include "platform/sys/Exception.h"

TB_EXCEPTION(EInvtFileValue, Exception)
