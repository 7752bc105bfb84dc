#pragma once
// One entry of the job queue's port list: a queue (a port name, or "History"), the job
// its session runs, whether a session runs on it, and its open queue window.
#include <QObject>
#include <QPointer>
#include <QString>

class tHisMaint {
public:
  explicit tHisMaint(QString queueName) : QueueName(std::move(queueName)) {}

  QString QueueName;
  QString EventId;           // the job the port's session runs now
  bool Busy = false;
  QPointer<QObject> Window;  // the queue window showing this queue, or none
};
