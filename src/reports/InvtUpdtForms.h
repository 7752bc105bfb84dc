#pragma once
// The windows of the inventory export, opened through the form registry.
#include <QString>
#include <functional>

// "Version 6 Interface To Version 5 Inventory", not modal; it frees itself when closed.
struct InvtUpdtRequest {
  static constexpr const char* kForm = "TfrmInvtUpdt";
};

// "Change File Name", modal: fills in the output file name the user entered and answers
// FormOk, or anything else when cancelled.
struct ChangeInvtFileRequest {
  static constexpr const char* kForm = "TfrmChangeFile";
  QString fileName;
};

// "Select Poll", modal: the polls not yet written, to the given file.
struct SelectPollRequest {
  static constexpr const char* kForm = "TfrmSelectPoll";
  QString fileName;
};

// "Opening Tables", shown (not modal) and painted once; the form fills in how to close it.
struct OpenTableRequest {
  static constexpr const char* kForm = "TfrmOpenTable";
  std::function<void()> close;
};
