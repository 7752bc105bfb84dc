#pragma once
// The read-only properties of one job: its ids, machine, kind, outcome, times, source,
// port, queue, phase and the retries it used. Shown modal from a queue window.
#include <QDialog>

class tHistoryEvent;

class TfmHistoryEventMaint : public QDialog {
  Q_OBJECT
public:
  TfmHistoryEventMaint(QWidget* parent, const tHistoryEvent& job);
};
