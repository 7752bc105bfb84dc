#pragma once
// How one totaliser (a money total followed by a count) of a register record is read and
// declared. Flags combine as a bit set.
namespace tTotalizerFlags {
// The count's bytes are there and passed over; no count column.
inline constexpr int tfSkipCount = 1;
// The total's bytes are there and passed over; no total column.
inline constexpr int tfSkipTotal = 2;
// The record has no count: nothing read, the position stays.
inline constexpr int tfNoCount = 4;
// The record has no total: nothing read, the position stays.
inline constexpr int tfNoTotal = 8;
// The column bears the bare name, without " Count" or " Total".
inline constexpr int tfNoSuffix = 16;
} // namespace tTotalizerFlags
