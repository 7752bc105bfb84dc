#pragma once
// The serial library's exceptions: ESclException carries the library's error code; one
// category class per service and one class per error the system meets. CheckResult turns a
// negative result of the library into the exception of its code (SclErrorTable.cpp).
#include "platform/sys/Exception.h"

class TSclBaseComponent;

class ESclException : public Exception {
public:
  // The message of the code from the library's table.
  explicit ESclException(int code);
  // A message of its own; ErrorCode 0.
  explicit ESclException(const QString& message);
  ESclException(int code, const QString& message);
  int ErrorCode() const noexcept { return code_; }
  const char* ClassName() const noexcept override { return "ESclException"; }

private:
  int code_;
};

#define TB_SCL_EXCEPTION(Name, Parent)                                           \
  class Name : public Parent {                                                   \
  public:                                                                        \
    using Parent::Parent;                                                        \
    const char* ClassName() const noexcept override { return #Name; }            \
  };

TB_SCL_EXCEPTION(EGeneral, ESclException)
TB_SCL_EXCEPTION(EOpenComm, ESclException)
TB_SCL_EXCEPTION(ESerialIO, ESclException)
TB_SCL_EXCEPTION(EModem, ESclException)
TB_SCL_EXCEPTION(ETrigger, ESclException)
TB_SCL_EXCEPTION(EPacket, ESclException)
TB_SCL_EXCEPTION(EProtocol, ESclException)
TB_SCL_EXCEPTION(EINI, ESclException)
TB_SCL_EXCEPTION(EFax, ESclException)
TB_SCL_EXCEPTION(ETapi, ESclException)

TB_SCL_EXCEPTION(EBadArgument, EGeneral)
TB_SCL_EXCEPTION(EGotQuitMsg, EGeneral)
TB_SCL_EXCEPTION(EPortNotAssigned, EGeneral)
TB_SCL_EXCEPTION(EInternal, EGeneral)

TB_SCL_EXCEPTION(EBadId, EOpenComm)
TB_SCL_EXCEPTION(EBaudRate, EOpenComm)
TB_SCL_EXCEPTION(EByteSize, EOpenComm)
TB_SCL_EXCEPTION(EDefault, EOpenComm)
TB_SCL_EXCEPTION(EHardware, EOpenComm)
TB_SCL_EXCEPTION(EMemory, EOpenComm)
TB_SCL_EXCEPTION(ECommNotOpen, EOpenComm)
TB_SCL_EXCEPTION(EAlreadyOpen, EOpenComm)
TB_SCL_EXCEPTION(ENoHandles, EOpenComm)
TB_SCL_EXCEPTION(ENoTimers, EOpenComm)
TB_SCL_EXCEPTION(ENoPortSelected, EOpenComm)
TB_SCL_EXCEPTION(ENotOpenedByTapi, EOpenComm)

TB_SCL_EXCEPTION(ENullApi, ESerialIO)
TB_SCL_EXCEPTION(ERegisterHandlerFailed, ESerialIO)
TB_SCL_EXCEPTION(EPutBlockFail, ESerialIO)
TB_SCL_EXCEPTION(EGetBlockFail, ESerialIO)
TB_SCL_EXCEPTION(EOutputBufferTooSmall, ESerialIO)
TB_SCL_EXCEPTION(EBufferIsEmpty, ESerialIO)
TB_SCL_EXCEPTION(ETracingNotEnabled, ESerialIO)
TB_SCL_EXCEPTION(ELoggingNotEnabled, ESerialIO)
TB_SCL_EXCEPTION(EBaseAddressNotSet, ESerialIO)

TB_SCL_EXCEPTION(ETriggerTooLong, ETrigger)
TB_SCL_EXCEPTION(EBadTriggerHandle, ETrigger)

TB_SCL_EXCEPTION(EInvalidProperty, EPacket)

// Errors of the library's services this system does not contain (telephony codes, fax, INI
// database, modem dialer) keep their own class names but are caught by their category.
template <class Category> class ESclNamedException : public Category {
public:
  ESclNamedException(int code, const char* name) : Category(code), name_(name) {}
  const char* ClassName() const noexcept override { return name_; }

private:
  const char* name_;
};

// The class library's own exceptions for I/O errors and for memory.
class EIoError : public Exception {
public:
  EIoError(int errorCode, const QString& message) : Exception(message), code_(errorCode) {}
  int ErrorCode() const noexcept { return code_; }
  const char* ClassName() const noexcept override { return "EIoError"; }

private:
  int code_;
};
TB_EXCEPTION_FIXED(EOutOfMemory, Exception, "Out of memory")

// Raises the exception of a negative library code (see CheckResult); always throws.
[[noreturn]] void RaiseSclError(int code);
// Returns code when it is 0 or more, or while the component is being loaded; otherwise
// raises the exception of the code.
int CheckResult(const TSclBaseComponent* component, int code);
