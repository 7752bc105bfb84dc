#pragma once
// A failure of the inventory file routines: the operation ("GetPolUpdtFl" for reads,
// "PutPolUpdtFl" for writes), the step that names what was being done, and the I/O
// result (the file device's error code, or one of the codes below for a file whose
// records are not what they must be).
#include "platform/sys/Exception.h"

class EPolUpdtFl : public Exception {
public:
  // A record read that is not in use (its first byte is not 1).
  static constexpr int kNotInUse = -9999;
  // The file's last record is not an end record.
  static constexpr int kNotEndRecord = -9998;
  // The end record's link does not lead to a poll header.
  static constexpr int kNotPollHeader = -9997;
  // The file's length is not a whole number of records, or a read came back short.
  static constexpr int kPartialRecord = -9996;

  EPolUpdtFl(QString operation, int step, int ioResult, const QString& detail = {});
  const char* ClassName() const noexcept override { return "EPolUpdtFl"; }

  const QString& Operation() const { return operation_; }
  int Step() const { return step_; }
  int IoResult() const { return ioResult_; }

  // The same failure, saying that the file could not be put back as it was.
  EPolUpdtFl NotTakenBack(const QString& why) const;

private:
  EPolUpdtFl(QString message, QString operation, int step, int ioResult);

  QString operation_;
  int step_;
  int ioResult_;
};
