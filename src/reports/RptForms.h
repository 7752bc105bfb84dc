#pragma once
// The windows of stored polls that the dispatcher opens through the form registry.

// The browser of stored polls, modal.
struct AllPollsRequest {
  static constexpr const char* kForm = "TfrmAllPolls";
};
