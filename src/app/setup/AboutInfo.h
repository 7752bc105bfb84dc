#pragma once
// What the About box shows, gathered without windows.
#include <QString>
#include <optional>

class TZorvExeAttachment;

struct AboutInfo {
  // Empty when the program has no version data: the labels keep their own texts.
  std::optional<QString> productName;
  std::optional<QString> fileVersion;
  QString operatingSystem;
  QString memory;
  bool preRelease = false;
};

// True when the attachment's session "PreReleaseData" starts with the line "PRERELEASE"
// (exact letter case). A file without that session has no notice, silently; a damaged
// attachment raises the reader's error.
bool HasPreReleaseNotice(TZorvExeAttachment& reader);

// Everything but the notice, for the program file `exeFile`; version data that is missing
// or unreadable leaves the two version texts empty, silently.
AboutInfo GatherAboutInfo(const QString& exeFile);
