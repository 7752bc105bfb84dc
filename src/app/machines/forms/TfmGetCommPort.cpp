#include "app/machines/forms/TfmGetCommPort.h"

#include "comm/link/SclPortChooser.h"

bool TfmGetCommPort::PickPort(QString& port) {
  const int chosen = ChooseSclPort();
  if (chosen <= 0) return false;
  port = QStringLiteral("Direct to COM%1").arg(chosen);
  return true;
}
