#pragma once
// The windows that actions open through the form registry (FormRegistry), one request type
// each. A window answers its modal result: ActnForms::FormOk when the user chose.
namespace ActnForms {
constexpr int FormOk = 1;
} // namespace ActnForms

class tActnChoice;

// The action chooser "Select Action": lists the choice's entries; a click on one runs
// choice.Choose and closes the window with FormOk when it returned true, else with Cancel.
struct ActnSelectRequest {
  static constexpr const char* kForm = "TfmActnSelect";
  tActnChoice& choice;
};
