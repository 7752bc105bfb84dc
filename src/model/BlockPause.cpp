#include "model/BlockPause.h"

#include "platform/sys/PumpDelay.h"

void ProcessPendingEvents() { PumpMessage(); }
