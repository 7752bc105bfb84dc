#pragma once
// Errors of the timer pool.
#include "platform/sys/Exception.h"

TB_EXCEPTION_FIXED(ENoTimersAvailable, Exception, "No Window's timers are available")
