#pragma once
// Order and equality of container items: a plain function of two objects answering
// 0 (equal), 1 (the first orders before the second) or 2 (the first orders after it).
// Being a plain function, it can be found again by its address and streamed by name.
#include <QtGlobal>

class TObject;

using TCompareFunc = quint8 (*)(const TObject& first, const TObject& second);

namespace CompareResult {
constexpr quint8 Equal = 0;
constexpr quint8 Less = 1;
constexpr quint8 Greater = 2;
} // namespace CompareResult
