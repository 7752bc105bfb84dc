#pragma once
// The sections and keys of the settings file that the core, the communication side and
// the CRS 3000 reports use, with their defaults. Each key's meaning belongs to the code
// that reads it. Booleans are stored as "TRUE" and "FALSE".
#include <cstdint>

namespace SettingsKeys {
struct BooleanKey {
  const char* Section;
  const char* Key;
  bool Default;
};
struct IntegerKey {
  const char* Section;
  const char* Key;
  int32_t Default;
};
struct FloatKey {
  const char* Section;
  const char* Key;
  double Default;
};

namespace CalendarFiles {
inline constexpr char Section[] = "CalendarFiles";
inline constexpr BooleanKey Active{Section, "Active", false};
// A time of day: only the fraction counts.
inline constexpr FloatKey StartTime{Section, "Start Time", 0.0};
// A date-time.
inline constexpr FloatKey LastTimeRan{Section, "Last Time Ran", 0.0};
} // namespace CalendarFiles

namespace History {
inline constexpr char Section[] = "History";
inline constexpr IntegerKey InitRetry{Section, "InitRetry", 1};
inline constexpr IntegerKey DefRetry{Section, "DefRetry", 1};
// Seconds.
inline constexpr IntegerKey WaitTime{Section, "WaitTime", 30};
} // namespace History

namespace CommMonitor {
inline constexpr char Section[] = "COMM_MONITOR";
inline constexpr BooleanKey Port{Section, "PORT", false};
inline constexpr BooleanKey Tapi{Section, "TAPI", false};
} // namespace CommMonitor

namespace ExportFormat {
inline constexpr char Section[] = "ExportFormat";
// 0..4.
inline constexpr IntegerKey Format{Section, "Format", 0};
} // namespace ExportFormat

namespace Reporting {
inline constexpr char Section[] = "Reporting";
inline constexpr BooleanKey CRS3000Fncl{Section, "CRS3000Fncl", false};
} // namespace Reporting

namespace Reports {
inline constexpr char Section[] = "Reports";
inline constexpr BooleanKey ZeroSkip{Section, "Zero Skip", true};
} // namespace Reports

namespace CRSExport {
inline constexpr char Section[] = "CRSExport";
// The Preferences' default; the PLU listing export reads it with true.
inline constexpr BooleanKey Headers{Section, "Headers", false};
inline constexpr bool HeadersListingDefault = true;
// 0..2.
inline constexpr IntegerKey ListingIndex{Section, "ListingIndex", 0};
} // namespace CRSExport

namespace Drommet {
inline constexpr char Section[] = "Drommet";
inline constexpr BooleanKey Value{Section, "Value", false};
} // namespace Drommet
} // namespace SettingsKeys
