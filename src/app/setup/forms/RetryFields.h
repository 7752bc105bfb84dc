#pragma once
// The three retry edits of both setup windows ("Initial Retries", "Deferred Retries",
// "Time between Attempts" in seconds) with the modem's "Properties" button, in one group.
#include <QGroupBox>

class TUlvaneEdit;

class RetryFields : public QGroupBox {
  Q_OBJECT
public:
  explicit RetryFields(QWidget* parent = nullptr);

  void SetValues(qint32 initRetry, qint32 defRetry, qint32 waitTime);
  // The integer values; an empty edit counts as 0, a text that is not a number shows the
  // control's message and counts as 0.
  qint32 InitRetry() const;
  qint32 DefRetry() const;
  qint32 WaitTime() const;
  // The texts as shown.
  QString InitText() const;
  QString DefText() const;
  QString TimeText() const;

private:
  TUlvaneEdit* initRetry_;
  TUlvaneEdit* defRetry_;
  TUlvaneEdit* time_;
};
