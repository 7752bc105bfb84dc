#include "widgets/core/WdgLibraryStrings.h"

#include <algorithm>
#include <iterator>

namespace {
struct TextEntry {
  int id;
  const char* text;
};

// Sorted by id.
constexpr TextEntry kTexts[] = {
    {30169, "Duplicate command found while adding a new command to the table"},
    {30170, "Command table not found or command table index out of range"},
    {30172, "No Controller assigned"},
    {30179, "Value is not within required range"},
    {30180, "Value is not valid for this field type"},
    {30181, "A value is required in this field"},
    {30182, "Value is not a valid date"},
    {30183, "Value is not a valid time"},
    {30184, "This field should contain no blanks"},
    {30185, "This field should be either empty or completely full"},
    {30188, "Parameter value is invalid"},
    {30189, "No Window's timers are available"},
    {30194, "Invalid data type for this field"},
    {30202, "Invalid picture mask: %s"},
    {30203, "Invalid range. Enter a value between (%d) and (%d)"},
    {30204, "Invalid range. Enter a value between (-1.7e+38) and (+1.7e+38)"},
    {30205, "Invalid range. Enter a value between (-1.1e+4932) and (+1.1e+4932)"},
    {30206, "Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)"},
    {30207, "Invalid range. Enter a value between (-3.4e+38) and (+3.4e+38)"},
    {30208, "Invalid range. Enter a value between (-9.2e+18) and (+9.2e+18)"},
    {30209, "Invalid date range. Enter a value using '%s' as the format"},
    {30210, "Invalid time range. Enter a value using '%s' as the format"},
    {30211, "Invalid range value"},
    {30217, "Unknown sparse array error"},
    {30218, "Sparse array is at the maximum size"},
    {30219, "Index is out of bounds for sparse array"},
    {30244, "Label not attached"},
    {30266, "Grid"},
    {30275, "Default"},
    {30276, "WordStar"},
    {30277, "(Unknown)"},
    {30278, "Entry Error"},
    {30287, "&Restore"},
    {30288, "Cu&t"},
    {30289, "&Copy"},
    {30290, "&Paste"},
    {30291, "&Delete"},
    {30292, "Select &All"},
    {30368, "Y"},
    {30369, "N"},
    {30370, "T"},
    {30371, "F"},
};

static_assert(std::is_sorted(std::begin(kTexts), std::end(kTexts),
                             [](const TextEntry& a, const TextEntry& b) { return a.id < b.id; }),
              "the text table must stay sorted by id");
} // namespace

QString LibraryString(int id) {
  const auto* found = std::lower_bound(std::begin(kTexts), std::end(kTexts), id,
                                       [](const TextEntry& entry, int key) { return entry.id < key; });
  if (found == std::end(kTexts) || found->id != id || *found->text == '\0')
    return QStringLiteral("Unknown");
  return QString::fromUtf8(found->text);
}
