#include "app/TMainActivation.h"

#include "app/TWaitMessage.h"
#include "comm/jobs/tHistory.h"
#include "model/MachineList.h"
#include "platform/sys/Termination.h"

#include <QCoreApplication>

TMainActivation::~TMainActivation() {
  if (starter_ && HistoryExists()) TheHistory().SetSessionStarter(nullptr);
}

void TMainActivation::Activate() {
  if (TerminationRequested() || QCoreApplication::closingDown()) return;
  if (firstActivation_) {
    firstActivation_ = false;
    FirstActivation();
  }
  if (notice_) notice_(QLatin1String(kNotice));
}

void TMainActivation::FirstActivation() {
  const TWaitMessage wait{QLatin1String(kWaitText)};
  if (!InitMachineFile()) return; // the user has been told; the program ends
  tHistory& history = TheHistory();
  if (starter_) history.SetSessionStarter(starter_);
  if (!history.GetPendingList().isEmpty()) history.FailPending();
}
