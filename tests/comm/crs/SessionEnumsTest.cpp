// The session enumerations' texts and the session message.
#include "ProtoFixture.h"
#include "comm/crs/CrsRptCodes.h"
#include "comm/crs/CrsStatus.h"
#include "comm/crs/SessionEnums.h"
#include "comm/crs/TSessionMsgEvent.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(SessionEnums, ResultTexts) {
  const QStringList texts{"Initial", "Failed", "", "Successful", "Done", "Cancelled", "User Cancel",
                          "User Cancel", "Timeout", "Busy", "TAPI CLOSED"};
  for (int m = 0; m < texts.size(); ++m) {
    EXPECT_EQ(MsgResultText(m), texts[m]) << m;
    EXPECT_EQ(MsgResultText(m | 0x80), texts[m]) << "only the low 7 bits count";
  }
  EXPECT_EQ(MsgResultText(11), "");
}

// The values are stored with jobs and carried in session messages: they never move.
TEST(SessionEnums, StoredValues) {
  const std::pair<int, int> states[] = {{MpsInitial, 0}, {MpsLogon, 1}, {MpsLoggingOn, 2}, {MpsLoggedOn, 3},
                                        {MpsPolling, 4}, {MpsDone, 5},  {MpsClosed, 6},    {MpsAbort, 7}};
  for (const auto& [value, stored] : states) EXPECT_EQ(value, stored);
  const std::pair<int, int> messages[] = {{MpmInitial, 0},     {MpmFailed, 1},        {MpmPollStart, 2},
                                          {MpmSuccessfull, 3}, {MpmDone, 4},          {MpmCancelled, 5},
                                          {MpmUserCancel, 6},  {MpmUserCancelAll, 7}, {MpmBusyTimeOut, 8},
                                          {MpmTapiBusy, 9},    {MpmTapiClosed, 10}};
  for (const auto& [value, stored] : messages) EXPECT_EQ(value, stored);
  EXPECT_EQ(sizeof(tMpState), 1u);
  EXPECT_EQ(sizeof(tMpMessage), 1u);
}

TEST(SessionEnums, CommTypeTexts) {
  const QStringList texts{"Initializing", "Get Single Prog", "Get Selected Progs", "Get All Progs", "Send Single Prog",
                          "Send Selected Progs", "Send All Progs", "Get Single Report", "Script"};
  for (int t = 0; t < texts.size(); ++t) EXPECT_EQ(CommTypeText(t | 0x80), texts[t]) << t;
  EXPECT_EQ(CommTypeText(kSessionCommType), "");
}

TEST(SessionMsg, IsPostedToTheControllerWithSlotAndMessage) {
  SessionReceiver controller;
  QObject source;
  PostSessionMsg(&controller, 7, MpmTapiBusy, &source);
  EXPECT_TRUE(controller.messages.isEmpty()) << "posted, never sent";
  QCoreApplication::processEvents();
  ASSERT_EQ(controller.messages.size(), 1);
  EXPECT_EQ(controller.messages[0].slot, 7);
  EXPECT_EQ(controller.messages[0].message, MpmTapiBusy);
  EXPECT_EQ(controller.messages[0].source, &source);
  TSessionMsgEvent event(1, MpmFailed, nullptr);
  EXPECT_EQ(event.Msg(), 0x0590);
  PostSessionMsg(nullptr, 1, MpmFailed, nullptr); // no controller: nothing, and no crash
}

TEST(CrsStatus, Texts) {
  struct Case {
    int byte;
    const char* trace;
    const char* progress;
  };
  const Case cases[] = {{0x00, "Previous_Cns_Status", "pp"}, {0x10, "PRE_POLL_PROCESSING", "pb"},
                        {0x2F, "PRE_POLL_DONE", "ps"},       {0x30, "PRE_POLL_ERROR", "pe"},
                        {0x50, "CLEAR_PROCESSING", "cb"},    {0x60, "CLEAR_DONE", "cs"},
                        {0x70, "CLEAR_ERROR", "ce"},         {0x8A, "Wait_Status(8A)", "W"},
                        {0x4F, "Wait_Status(4F)", "W(4F)"},  {0xF0, "Wait_Status(F0)", "W(F0)"}};
  for (const Case& c : cases) {
    EXPECT_EQ(CrsStatus::TraceText(quint8(c.byte)), c.trace);
    EXPECT_EQ(CrsStatus::ProgressText(quint8(c.byte)), c.progress);
  }
}

TEST(CrsRptCodes, ConsolidationOptionPositions) {
  const std::pair<int, int> positions[] = {{33, 1}, {35, 2}, {34, 3}, {38, 4}, {41, 5},
                                           {42, 6}, {43, 7}, {44, 8}, {45, 9}, {60, 10}};
  for (const auto& [code, position] : positions) {
    const auto options = CrsRptCodes::CnsldtOptions(code, 1, 1);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(options[size_t(i)], i + 1 == position ? 7 : 0) << code << " at " << i + 1;
  }
  EXPECT_EQ(CrsRptCodes::CnsldtOptions(33, 1, 0)[0], 3);
  for (auto byte : CrsRptCodes::CnsldtOptions(70, 1, 1)) EXPECT_EQ(byte, 0);
}

TEST(CrsRptCodes, Families) {
  for (int code : {33, 34, 35, 38, 41, 42, 43, 44, 45, 60, 70, 99}) EXPECT_TRUE(CrsRptCodes::NeedsCnsldt(code)) << code;
  for (int code : {36, 47, 49, 55, 56, 59, 61, 64, 66, 80, 81, 82, 83, 96}) EXPECT_FALSE(CrsRptCodes::NeedsCnsldt(code)) << code;
  for (int code : {47, 49, 50, 51, 52, 53, 54, 55, 61, 64, 65, 66, 82, 83, 96})
    EXPECT_TRUE(CrsRptCodes::ClearsInResetOnly(code)) << code;
  for (int code : {33, 35, 36, 48, 56, 62, 81}) EXPECT_FALSE(CrsRptCodes::ClearsInResetOnly(code)) << code;
}
