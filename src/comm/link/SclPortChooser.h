#pragma once
// How the com port asks the user for a port when none is set: a PortChoiceRequest through
// the form registry, answered by the "Select Port" dialog once the program has registered
// the link forms. Without one (no desktop, or tests that do not install one) nobody is
// asked and the open fails as if the choice was cancelled.

// The "Select Port" dialog: fills in the chosen port number.
struct PortChoiceRequest {
  static constexpr const char* kForm = "TComSelectForm";
  int port = 0; // the number after "COM"; 0 when cancelled or there was nothing to choose
};

// The chosen port number, or 0 when the user cancelled or there was nothing to choose.
int ChooseSclPort();
