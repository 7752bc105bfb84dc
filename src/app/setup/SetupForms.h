#pragma once
// The setup windows that the dispatcher and the main window open through the form
// registry. They read and write the settings and the job queue's retry values themselves,
// so their requests carry nothing.

struct PreferencesRequest {
  static constexpr const char* kForm = "TfrmFiles";
};

struct CommSetupRequest {
  static constexpr const char* kForm = "TfmCommSetup";
};

struct AboutRequest {
  static constexpr const char* kForm = "TAboutBox";
};
