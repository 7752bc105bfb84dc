#pragma once
// The modem's own configuration, offered by "Preferences" and "Communications Setup"
// ("Properties", "Modem Setup"). The telephony side registers a form for the request;
// until it does, asking tells the user in one line that modem setup is not available yet.
struct ModemSetupRequest {
  static constexpr const char* kForm = "TModemConfig";
};

// Opens the modem configuration, or says that it is not available yet.
void RunModemSetup();
