#pragma once
// The process-wide registry of compare functions by name, so that a streamed container
// can name its compare function and be rebuilt with it. Names are case-sensitive. Units
// register their functions at start-up, before any container naming them is read.
// The library registers "CompareEqual" (always 0), "CompareLess" (always 1, for lists
// that are only walked) and "CompareGreater" (always 2).
#include "store/containers/TCompareFunc.h"

#include <QString>

struct TCompareFuncEntry {
  QString Name;
  TCompareFunc Func = nullptr;
};

// Raises EDuplicateCompareFunc when the name is taken (the registry keeps the first).
void RegisterCompareFunc(const QString& name, TCompareFunc func);
// The name of the first entry holding the function; ECompareFuncNotRegistered when none.
QString CompareFuncName(TCompareFunc func);
// The function registered under the name; ECompareFuncNotRegistered when none.
TCompareFunc CompareFuncByName(const QString& name);

quint8 CompareEqual(const TObject& first, const TObject& second);
quint8 CompareLess(const TObject& first, const TObject& second);
quint8 CompareGreater(const TObject& first, const TObject& second);
