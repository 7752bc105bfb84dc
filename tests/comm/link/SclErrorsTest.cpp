#include "comm/link/ESclException.h"
#include "comm/link/SclStrings.h"
#include "comm/link/TSclBaseComponent.h"

#include <gtest/gtest.h>

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
