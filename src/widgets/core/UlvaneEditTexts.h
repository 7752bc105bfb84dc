#pragma once
// The messages of the numeric edit control, as its users see them.
namespace UlvaneText {
inline constexpr const char* kDollarFirst = "A $ can only be used at the beginning of the mask.";
inline constexpr const char* kMaskCharacters = "Only values allowed for mask are 0,$, and .";
inline constexpr const char* kOnePeriod = "Only one period allowed in the mask!!!";
inline constexpr const char* kNoFloatForInteger = "Floating numbers not allowed for integer!";
inline constexpr const char* kNumberToString = "An Error occurred trying to convert the number to a string.";
// These take the text: prefix + text + suffix.
inline constexpr const char* kIntPrefix = "Error Occured trying to convert String: '";
inline constexpr const char* kIntSuffix = " to Integer.";
inline constexpr const char* kFloatPrefix = "Error Occured trying to convert string: '";
inline constexpr const char* kFloatSuffix = " to Float.";
// "The number must be between " + low + " and " + high + "."
inline constexpr const char* kRangePrefix = "The number must be between ";
inline constexpr const char* kRangeAnd = " and ";
} // namespace UlvaneText
