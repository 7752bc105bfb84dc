#pragma once
// A poll the inventory export cannot write; the message is what the user is told.
#include "platform/sys/Exception.h"

TB_EXCEPTION(EInvtUpdate, Exception)
