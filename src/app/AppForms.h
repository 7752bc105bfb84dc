#pragma once
// The windows of the application shell that the dispatcher and the start-up open through
// the form registry.
#include <QString>
#include <functional>

class TdmEffector;

// The "Setup Menu", modal; its buttons call the dispatcher's operations.
struct SetupMenuRequest {
  static constexpr const char* kForm = "TfmSetup";
  TdmEffector& effector;
};

// The "Communications Menu", modal; its buttons call the dispatcher's operations.
struct CommMenuRequest {
  static constexpr const char* kForm = "TfrmCommMenu";
  TdmEffector& effector;
};

// The wait window, shown (not modal) with the text and painted once. The form fills in
// how to close it; the caller closes it when its work has ended.
struct WaitMessageRequest {
  static constexpr const char* kForm = "TfrmWaitMessage";
  QString text;
  std::function<void()> close;
};
