#pragma once
// The writer of the inventory poll-update file: a ".DTA" file of 60-byte records
// (InvtFileRecord) in which each poll is a header followed by its items, the headers
// chained forward and backward, the file closed by an end record that names the last
// header. The file is only appended to: a poll goes where the end record stood.
//
// One poll between an open and a close: OpenPolUpdtFl, PutPollHeader, PutPollItem for
// each item (numbered 1, 2, 3 in writing order), ClosePolUpdtFl.
//
// A poll is written whole or not at all. Opening remembers the file's length; the items
// and the new end record go past the old end first, and the poll's header goes over the
// old end record last. Any error (a failed read or write, a value that does not fit, an
// Abandon, the writer going away with the poll unfinished) truncates the file to that
// length and writes back every old record that was overwritten, so the file is byte for
// byte what it was (a file the opening made is removed again).
//
// Opening refuses a file whose last record is not an end record, or whose end record does
// not lead to a poll header (EPolUpdtFl), and leaves it untouched.
#include "reports/InvtFileRecord.h"

#include <QMap>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QFileDevice;

class PolUpdtFl {
public:
  // Makes the (unopened) device for a file name; a test gives a device that fails.
  using DeviceFactory = std::function<std::unique_ptr<QFileDevice>(const QString& fileName)>;

  explicit PolUpdtFl(QString fileName = {}, DeviceFactory factory = {});
  ~PolUpdtFl();
  PolUpdtFl(const PolUpdtFl&) = delete;
  PolUpdtFl& operator=(const PolUpdtFl&) = delete;

  void SetFileName(const QString& fileName) { fileName_ = fileName; }
  const QString& FileName() const { return fileName_; }
  bool FileOpen() const { return file_ != nullptr; }
  bool HeaderWritten() const { return header_.has_value(); }
  qint32 LastHeader() const { return lastHeader_; }
  qint32 NextRecord() const { return nextRecord_; }

  // Opens or creates the file and finds where to append. False when the name is empty or
  // the file cannot be opened or created; raises EPolUpdtFl for a file that is not sound.
  bool OpenPolUpdtFl();
  // Raise EPolUpdtFl or EInvtFileValue after taking the poll back.
  void PutPollHeader(const InvtPollHeader& values);
  void PutPollItem(const InvtPollItem& values);
  // Completes the poll under way (if any) and closes the file.
  void ClosePolUpdtFl();
  // Takes the poll under way back and closes the file.
  void Abandon();

private:
  InvtFileRecord GetPolUpdtFl(int step, qint32 record);
  void PutPolUpdtFl(int step, qint32 record, InvtFileRecord buffer);
  void FindEnd(qint64 length);
  void Remember(int step, qint32 record);
  std::optional<QByteArray> ReadRaw(qint32 record);
  // Runs a step; on an error takes the poll back and lets the error go on.
  void Guarded(const std::function<void()>& step);
  // Empty when the file is as it was; else why not.
  QString TakeBack();
  void Reset();
  QString IoError() const;

  QString fileName_;
  DeviceFactory factory_;
  std::unique_ptr<QFileDevice> file_;
  qint32 lastHeader_ = 0;
  qint32 nextRecord_ = 0;

  // The poll under way: its header (written at the close), where it goes, the previous
  // header with its new forward link, the items so far.
  std::optional<InvtFileRecord> header_;
  qint32 headerAt_ = 0;
  std::optional<std::pair<qint32, InvtFileRecord>> previousHeader_;
  qint64 items_ = 0;

  // What the file was at the opening.
  bool created_ = false;
  qint64 startLength_ = 0;
  QMap<qint32, QByteArray> overwritten_;
};
