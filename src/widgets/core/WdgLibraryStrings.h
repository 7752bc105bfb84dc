#pragma once
// The widget library's texts: every message, name and caption of its controls, by id.
#include <QString>

// Ids of the texts the library's code names.
namespace WdgText {
constexpr int kDuplicateCommand = 30169;
constexpr int kTableNotFound = 30170;
constexpr int kNoController = 30172;
constexpr int kNotInRange = 30179;
constexpr int kNotValidForType = 30180;
constexpr int kRequired = 30181;
constexpr int kNotValidDate = 30182;
constexpr int kNotValidTime = 30183;
constexpr int kNoBlanks = 30184;
constexpr int kEmptyOrFull = 30185;
constexpr int kInvalidParameter = 30188;
constexpr int kNoTimers = 30189;
constexpr int kInvalidDataType = 30194;
constexpr int kInvalidPictureMask = 30202;
constexpr int kRangeIntegers = 30203;
constexpr int kRangeReal = 30204;
constexpr int kRangeExtended = 30205;
constexpr int kRangeDouble = 30206;
constexpr int kRangeSingle = 30207;
constexpr int kRangeComp = 30208;
constexpr int kRangeDate = 30209;
constexpr int kRangeTime = 30210;
constexpr int kRangeInvalid = 30211;
constexpr int kSparseArrayUnknown = 30217;
constexpr int kSparseArrayAtMaxSize = 30218;
constexpr int kSparseArrayOutOfBounds = 30219;
constexpr int kLabelNotAttached = 30244;
constexpr int kGrid = 30266;
constexpr int kDefault = 30275;
constexpr int kWordStar = 30276;
constexpr int kUnknownName = 30277;
constexpr int kEntryError = 30278;
constexpr int kMenuRestore = 30287;
constexpr int kMenuCut = 30288;
constexpr int kMenuCopy = 30289;
constexpr int kMenuPaste = 30290;
constexpr int kMenuDelete = 30291;
constexpr int kMenuSelectAll = 30292;
constexpr int kYes = 30368;
constexpr int kNo = 30369;
constexpr int kTrue = 30370;
constexpr int kFalse = 30371;
} // namespace WdgText

// The text of an id; "Unknown" when the library has no text of that id.
QString LibraryString(int id);
