#pragma once
// The process-wide registry of streamable classes, also the factory for classes named in
// stored data. Every persistent class registers once in its unit's start-up code, before
// any stream is read; nothing is ever unregistered. Names match exactly (case-sensitive).
#include "store/streaming/TStreamableInterface.h"

// EDuplicateRegisteredClass when the class name is registered already (the first stays).
void RegisterStreamable(const TClass& cls, QList<TStreamReadProc> readers, QList<TStreamWriteProc> writers);
// The entry of the class name; EClassNotRegistered when none.
const TStreamableInterface& FindStreamable(const QString& className);
// The class of that entry; EClassNotRegistered when none.
const TClass& ClassByName(const QString& className);
// The class registered under that name; nullptr when none is (no exception: a lookup
// that may miss on a common path).
const TClass* FindClass(const QString& className);
