#pragma once
// The inventory export: writes stored PLU polls into the inventory poll-update file, each
// poll at most once. The polls offered are those of the export's tables (TdmInvtUpdate);
// a poll written is recorded in Updated and leaves the list.
//
// A poll is written whole or not at all, and is recorded only when it is in the file: its
// record in Updated is committed after the file's end record and header are written.
// Messages go through the prompter; the windows only call these operations.
#include "reports/PolUpdtFl.h"
#include "reports/TdmInvtUpdate.h"

#include <QString>
#include <QStringList>

class InvtUpdate {
public:
  static constexpr const char* kNoMorePolls = "No more non-updated polls.";
  static constexpr const char* kNotFound = "Not Found";
  static constexpr const char* kTableError = "Table Error";
  static constexpr const char* kFileNotOpened = "File Was Not Opened Correctly";

  // How a poll's write ended: written, failed for this poll alone, or failed on the file
  // (every later poll would fail too).
  enum class Outcome { Written, PollFailed, FileFailed };
  struct Result {
    Outcome outcome = Outcome::Written;
    QString message;  // why it was not written
  };

  // The device factory reaches the file writer (tests give one that fails).
  explicit InvtUpdate(PolUpdtFl::DeviceFactory factory = {});
  ~InvtUpdate();

  // Open and close the tables; opening shows "Opening Tables" meanwhile.
  void OpenInvtTables();
  void CloseInvtTables();
  bool TablesOpen() const { return tables_.Active(); }
  TdmInvtUpdate& Tables() { return tables_; }

  // Writes one poll; no message.
  Result UpdateInvtFromPoll(qint32 pollId);
  // "OK": writes one poll and tells the user why when it was not written.
  void UpdateOne(qint32 pollId);
  // "Update All": tries each listed poll once, in list order, skipping a poll that fails
  // for itself and stopping at a failure of the file; one message at the end when any
  // poll was not written. Answers the number written.
  int UpdateAll();

private:
  Result Write(qint32 pollId);

  TdmInvtUpdate tables_;
  PolUpdtFl file_;
};
