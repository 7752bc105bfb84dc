#pragma once
// A machine's port is a modem's name or "Direct to COM" and a port number ("Direct to
// COM12" is COM 12).
#include <QString>
#include <optional>

// The port number of a direct port; nullopt for a modem's name. The number is the text
// after "Direct to COM" (spaces around it allowed): EConvertError ("'<text>' is not a valid
// integer value") when that is not a whole number in 0..65535.
std::optional<int> DirectComNumber(const QString& portName);
