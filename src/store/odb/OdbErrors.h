#pragma once
// The failures of the object database and its drivers, and the one routine that raises
// them all (OdbError) through a replaceable error procedure.
//
// Each exception's message is its class name, or its class name, ".", a carriage return
// and a text: "EOdbKeyViolation.\rMachineId".
#include "platform/sys/Exception.h"

#include <QString>

TB_EXCEPTION(EOdbTransactionNotSupported, Exception)
TB_EXCEPTION(EOdbFileLockingNotSupported, Exception)
TB_EXCEPTION(EOdbObjectLockingNotSupported, Exception)
TB_EXCEPTION(EOdbFieldTypeNotSupported, Exception)
TB_EXCEPTION(EOdbInvalidFieldType, Exception)
TB_EXCEPTION(EOdbInvalidObjectFileHandle, Exception)
TB_EXCEPTION(EOdbDatabaseNotOpened, Exception)
TB_EXCEPTION(EOdbObjectFileNotPositioned, Exception)
TB_EXCEPTION(EOdbFieldsNotComparable, Exception)
TB_EXCEPTION(EOdbFieldDoesNotExist, Exception)   // text: the field name
TB_EXCEPTION(EOdbIndexDoesNotExist, Exception)   // text: the index name
TB_EXCEPTION(EOdbKeyViolation, Exception)        // text: the index name
TB_EXCEPTION(EOdbDriverAlreadyRegistered, Exception) // text: the driver name
// The engine driver's tables cannot be packed (they never hold deleted records).
TB_EXCEPTION(EEnginePackNotSupported, Exception)

// An exception class as OdbError takes it: its name and how to raise it with a message.
struct TOdbExceptionClass {
  QString name;
  void (*raise)(const QString& message); // always throws
};

// The error procedure: raises the exception of the class with the text (which may be
// empty). A procedure that returns is followed by OdbErrorDefault.
using TOdbErrorProc = void (*)(const TOdbExceptionClass& cls, const QString& text);

// The default procedure: message = the class name, or the class name + "." + CR + text.
[[noreturn]] void OdbErrorDefault(const TOdbExceptionClass& cls, const QString& text);
// Installs an error procedure (nullptr: the default) and answers the one it replaces.
TOdbErrorProc SetOdbErrorProc(TOdbErrorProc proc);
[[noreturn]] void RaiseOdbError(const TOdbExceptionClass& cls, const QString& text);

template <class E> const TOdbExceptionClass& OdbExceptionClass() {
  static const TOdbExceptionClass cls{QString::fromLatin1(E(QString()).ClassName()),
                                      [](const QString& message) { throw E(message); }};
  return cls;
}

// Raises an error of the object database: OdbError<EOdbKeyViolation>(indexName).
template <class E> [[noreturn]] void OdbError(const QString& text = QString()) {
  RaiseOdbError(OdbExceptionClass<E>(), text);
}
