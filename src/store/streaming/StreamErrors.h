#pragma once
// The failures of the class registry and of reading object streams.
#include "platform/sys/Exception.h"

TB_EXCEPTION_FIXED(EClassNotRegistered, Exception, "Class not registered")
TB_EXCEPTION_FIXED(EClassVersionNotRegistered, Exception, "Class version not registered")
TB_EXCEPTION_FIXED(EDuplicateRegisteredClass, Exception, "Duplicate registered class")

// A stream that cannot be read: "Invalid stream format" (no signature where an object
// starts), "Invalid property value" (a value of the wrong type or out of range) or
// "Stream read error" (the stream ends before the value does).
TB_EXCEPTION(EReadError, Exception)

namespace ReadErrors {
[[noreturn]] void InvalidStreamFormat();
[[noreturn]] void InvalidPropertyValue();
[[noreturn]] void StreamReadError();
} // namespace ReadErrors
