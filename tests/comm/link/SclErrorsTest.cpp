#include "comm/link/ESclException.h"
#include "comm/link/SclErrorCodes.h"
#include "comm/link/SclErrorTable.h"
#include "comm/link/SclStrings.h"
#include "comm/link/TSclBaseComponent.h"

#include <gtest/gtest.h>

#include <set>

TEST(SclErrors, ErrorTextTakesTheAbsoluteCode) {
  EXPECT_EQ(ErrorText(-3006), "Output buffer too small for block");
  EXPECT_EQ(ErrorText(3006), "Output buffer too small for block");
  EXPECT_EQ(ErrorText(-5), "File access denied");
  EXPECT_EQ(ErrorText(-2008), "ie_Open - device already open");
}

TEST(SclErrors, ErrorTextFallsBackToTheSystemsMessage) {
  EXPECT_EQ(ErrorText(-13), QString::fromLocal8Bit(strerror(13)));
  EXPECT_TRUE(ErrorText(-987654).isEmpty());
}

TEST(SclErrors, LookupFindsLogNamesAndMissesUnknownIds) {
  EXPECT_EQ(LookupString(15001 + 18), "Packet");
  EXPECT_EQ(LookupString(15100 + 251), "Collecting");
  EXPECT_EQ(LookupString(4), "Too many open files");
  EXPECT_TRUE(LookupString(7).isEmpty());
  EXPECT_TRUE(LookupString(99999).isEmpty());
}

TEST(SclErrors, CheckResultPassesResultsThatAreNotErrors) {
  EXPECT_EQ(CheckResult(nullptr, 5), 5);
  EXPECT_EQ(CheckResult(nullptr, 0), 0);
}

TEST(SclErrors, CheckResultNeverRaisesWhileItsComponentIsLoading) {
  TSclBaseComponent component;
  component.BeginLoading();
  EXPECT_EQ(CheckResult(&component, -2008), -2008);
  component.Loaded();
  EXPECT_THROW(CheckResult(&component, -2008), EAlreadyOpen);
}

struct RaisedCase {
  int code;
  const char* className;
  const char* message;
};

class CheckResultRaises : public testing::TestWithParam<RaisedCase> {};

TEST_P(CheckResultRaises, TheClassAndMessageOfTheCode) {
  const RaisedCase c = GetParam();
  try {
    CheckResult(nullptr, c.code);
    FAIL() << "no exception for " << c.code;
  } catch (const Exception& e) {
    EXPECT_STREQ(e.ClassName(), c.className);
    EXPECT_EQ(e.Message(), QString::fromUtf8(c.message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CheckResultRaises,
    testing::Values(RaisedCase{-1002, "EBadArgument", "Bad argument passed to function"},
                    RaisedCase{-2001, "EBadId", "ie_BadId - Specified comport doesn't exist"},
                    RaisedCase{-2008, "EAlreadyOpen", "ie_Open - device already open"},
                    RaisedCase{-2011, "ENoPortSelected",
                               "The ComNumber property of the TSclComPort has not been set"},
                    RaisedCase{-3006, "EOutputBufferTooSmall", "Output buffer too small for block"},
                    RaisedCase{-5003, "EBadTriggerHandle", "Bad trigger handle"},
                    RaisedCase{-13866, "ETapiNoDevice", "No device"},
                    // Codes with a message but no class, and codes unknown altogether.
                    RaisedCase{-1001, "ESclException", "Scomm exception"},
                    RaisedCase{-5001, "ESclException", "Scomm exception"},
                    RaisedCase{-9999, "ESclException", "Scomm exception"},
                    // The class library's own I/O and memory exceptions.
                    RaisedCase{-5, "EIoError", "File access denied"},
                    RaisedCase{-101, "EIoError", "Disk is full"},
                    RaisedCase{-8, "EOutOfMemory", "Out of memory"}));

TEST(SclErrors, ExceptionsCarryTheirCodeAndCategory) {
  try {
    CheckResult(nullptr, -2001);
  } catch (const EOpenComm& e) {
    EXPECT_EQ(e.ErrorCode(), -2001);
  }
  try {
    CheckResult(nullptr, -13815);
  } catch (const ETapi& e) {
    EXPECT_EQ(e.ErrorCode(), -13815);
    EXPECT_STREQ(e.ClassName(), "ETapiInUse");
    EXPECT_EQ(e.Message(), "Resource in use");
  }
  try {
    CheckResult(nullptr, -5);
  } catch (const EIoError& e) {
    EXPECT_EQ(e.ErrorCode(), 5);
  }
  EXPECT_EQ(ESclException(QStringLiteral("own")).ErrorCode(), 0);
}

TEST(SclErrors, BaseComponentVersionIsFixed) {
  TSclBaseComponent component;
  component.SetScommVersion(QStringLiteral("v9"));
  EXPECT_EQ(component.ScommVersion(), "v1.0");
}

// The library's error codes as its documentation lists them: class, category and message.
struct ListedCode {
  int code;
  const char* className; // "ESclException": the code has a message but no class
  const char* category;
  const char* message;
};

const char* CategoryOf(const Exception& e) {
  if (dynamic_cast<const EGeneral*>(&e)) return "EGeneral";
  if (dynamic_cast<const EOpenComm*>(&e)) return "EOpenComm";
  if (dynamic_cast<const ESerialIO*>(&e)) return "ESerialIO";
  if (dynamic_cast<const EModem*>(&e)) return "EModem";
  if (dynamic_cast<const ETrigger*>(&e)) return "ETrigger";
  if (dynamic_cast<const EPacket*>(&e)) return "EPacket";
  if (dynamic_cast<const EProtocol*>(&e)) return "EProtocol";
  if (dynamic_cast<const EINI*>(&e)) return "EINI";
  if (dynamic_cast<const EFax*>(&e)) return "EFax";
  if (dynamic_cast<const ETapi*>(&e)) return "ETapi";
  if (dynamic_cast<const ESclException*>(&e)) return "ESclException";
  return "other";
}

class ListedCodes : public testing::TestWithParam<ListedCode> {};

TEST_P(ListedCodes, RaiseTheirClassWithTheirMessage) {
  const ListedCode c = GetParam();
  EXPECT_EQ(ErrorText(c.code), QString::fromUtf8(c.message));
  EXPECT_EQ(ErrorText(-c.code), QString::fromUtf8(c.message));
  try {
    CheckResult(nullptr, c.code);
    FAIL() << "no exception for " << c.code;
  } catch (const Exception& e) {
    EXPECT_STREQ(e.ClassName(), c.className);
    EXPECT_STREQ(CategoryOf(e), c.category);
    const bool classless = std::string_view(c.className) == "ESclException";
    EXPECT_EQ(e.Message(), classless ? QStringLiteral("Scomm exception") : QString::fromUtf8(c.message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Library, ListedCodes,
    testing::Values(
        ListedCode{-1001, "ESclException", "ESclException", "Bad handle passed to com function"},
        ListedCode{-1002, "EBadArgument", "EGeneral", "Bad argument passed to function"},
        ListedCode{-1003, "EGotQuitMsg", "EGeneral", "Got quit message"},
        ListedCode{-1005, "EPortNotAssigned", "EGeneral", "ComPort component not assigned"},
        ListedCode{-1006, "EInternal", "EGeneral", "Internal error creating window class"},
        ListedCode{-2001, "EBadId", "EOpenComm", "ie_BadId - Specified comport doesn't exist"},
        ListedCode{-2002, "EBaudRate", "EOpenComm", "ie_Baudrate - unsupported baud rate"},
        ListedCode{-2003, "EByteSize", "EOpenComm", "ie_Bytesize - invalid byte size"},
        ListedCode{-2004, "EDefault", "EOpenComm", "ie_Default - error in default parameters"},
        ListedCode{-2005, "EHardware", "EOpenComm", "ie_Hardware - Specified comport in use"},
        ListedCode{-2006, "EMemory", "EOpenComm", "ie_Memory - unable to allocate queues"},
        ListedCode{-2007, "ECommNotOpen", "EOpenComm", "ie_NOpen - device not open"},
        ListedCode{-2008, "EAlreadyOpen", "EOpenComm", "ie_Open - device already open"},
        ListedCode{-2009, "ENoHandles", "EOpenComm", "No more handles, can't open port"},
        ListedCode{-2010, "ENoTimers", "EOpenComm", "No timers available"},
        ListedCode{-2011, "ENoPortSelected", "EOpenComm",
                   "The ComNumber property of the TSclComPort has not been set"},
        ListedCode{-2012, "ENotOpenedByTapi", "EOpenComm", "Comport was not opened by Tapi"},
        ListedCode{-3001, "ENullApi", "ESerialIO", "No device layer specified"},
        ListedCode{-3002, "ESclException", "ESclException", "Function not supported by driver"},
        ListedCode{-3003, "ERegisterHandlerFailed", "ESerialIO", "EnableCommNotification failed"},
        ListedCode{-3004, "EPutBlockFail", "ESerialIO", "Failed to put entire block"},
        ListedCode{-3005, "EGetBlockFail", "ESerialIO", "Failed to get entire block"},
        ListedCode{-3006, "EOutputBufferTooSmall", "ESerialIO", "Output buffer too small for block"},
        ListedCode{-3007, "EBufferIsEmpty", "ESerialIO", "Buffer is empty"},
        ListedCode{-3008, "ETracingNotEnabled", "ESerialIO", "Tracing not enabled"},
        ListedCode{-3009, "ELoggingNotEnabled", "ESerialIO", "Logging not enabled"},
        ListedCode{-3010, "EBaseAddressNotSet", "ESerialIO", "Base address not set"},
        ListedCode{-5001, "ESclException", "ESclException", "No more trigger slots"},
        ListedCode{-5002, "ETriggerTooLong", "ETrigger", "Data trigger too long"},
        ListedCode{-5003, "EBadTriggerHandle", "ETrigger", "Bad trigger handle"},
        ListedCode{-13815, "ETapiInUse", "ETapi", "Resource in use"},
        ListedCode{-13866, "ETapiNoDevice", "ETapi", "No device"},
        ListedCode{-13872, "ETapiOperationFailed", "ETapi", "Operation failed"},
        ListedCode{-13928, "ETapiBusy", "ETapi", "TAPI already open, dialing or answering"},
        ListedCode{-13929, "ETapiNotSet", "ETapi", "TapiMode not set in TSclComPort"},
        ListedCode{-13930, "ETapiNoSelect", "ETapi", "No TAPI device selected"},
        ListedCode{-13931, "ETapiLoadFail", "ETapi", "Failed to find/load TAPI.DLL"},
        ListedCode{-13932, "ETapiGetAddrFail", "ETapi", "Failed to get TAPI address"},
        ListedCode{-13933, "ETapi16Disabled", "ETapi", "TAPI disabled for 16-bit environments"},
        ListedCode{-13935, "ETapiVoiceNotSupported", "ETapi", "TAPI device does not support voice extensions"},
        ListedCode{-13936, "ETapiWaveFail", "ETapi", "TAPI wave file error"},
        ListedCode{-13942, "ETapiTranslateFail", "ETapi", "Unable to translate address"},
        ListedCode{-4006, "EModemNotResponding", "EModem", ""},
        ListedCode{-6008, "EProtocol", "EProtocol", ""},
        ListedCode{-7003, "EInternal", "EGeneral", ""},
        ListedCode{-7008, "ERecordNotFound", "EINI", ""},
        ListedCode{-8068, "EFaxNoCarrier", "EFax", ""}));

// Every code of the table is listed once, and raises exactly its own class with the table's
// message; a code without a class, or one its component raises itself, gives "Scomm exception".
TEST(SclErrorTable, EveryCodeMapsToOneClassAndItsMessage) {
  std::set<int> seen;
  for (const SclErrorRow& row : SclErrorRows()) {
    SCOPED_TRACE(row.code);
    EXPECT_LT(row.code, 0);
    EXPECT_TRUE(seen.insert(row.code).second) << "listed twice";
    EXPECT_EQ(FindSclError(row.code), &row);
    EXPECT_EQ(FindSclError(-row.code), &row);
    EXPECT_EQ(row.className == nullptr, row.raise == nullptr);
    const QString message = row.message ? QString::fromLatin1(row.message) : QString();
    EXPECT_EQ(LookupString(-row.code), message);
    try {
      CheckResult(nullptr, row.code);
      FAIL() << "no exception";
    } catch (const ESclException& e) {
      const bool viaCheck = row.className && !row.direct;
      EXPECT_STREQ(e.ClassName(), viaCheck ? row.className : "ESclException");
      EXPECT_EQ(e.ErrorCode(), viaCheck ? row.code : 0);
      if (viaCheck) {
        EXPECT_EQ(e.Message(), ErrorText(row.code));
      }
    }
  }
}

TEST(SclErrorTable, PacketPropertyErrorsKeepTheirClassAndText) {
  const SclErrorRow* row = FindSclError(SclErr::CharCountWithoutEnd);
  ASSERT_NE(row, nullptr);
  EXPECT_TRUE(row->direct);
  try {
    row->raise(row->code, row->className);
  } catch (const EPacket& e) {
    EXPECT_STREQ(e.ClassName(), "EInvalidProperty");
    EXPECT_EQ(e.Message(), "CharCount packets must have an end-condition");
  }
}
