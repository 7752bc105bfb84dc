#pragma once
// The windows the job queue opens through the form registry.
#include <QObject>
#include <QString>

// A queue window (not modal): "History" lists the ended jobs, any other name the pending
// jobs of that port ("Pending": of every port). The form fills in the window it opened;
// the window tells the queue when it closes (tHistory::QueueWindowClosed).
struct HistoryQueueRequest {
  static constexpr const char* kForm = "TfmHistoryMaint";
  QString queueName;
  QObject* window = nullptr;
};
