#include "model/BlockPause.h"

#include "platform/sys/TimingProfile.h"
#include "platform/sys/PumpDelay.h"

#include <QRandomGenerator>
#include <QThread>

void ProcessPendingEvents() { PumpMessage(); }

void PauseBetweenBlocks() {
  PumpMessage();
  const int most = TimingMs("BlockPause", 9);
  if (most > 0) QThread::msleep(QRandomGenerator::global()->bounded(most + 1));
  PumpMessage();
}
