// The line-error texts of the communication window, its port names, the modem signals it
// shows and where it stands.
#include "comm/session/CommWindowPlacement.h"
#include "comm/session/DirectPortName.h"
#include "comm/session/LineErrorReport.h"
#include "comm/session/ModemSignalsText.h"
#include "model/EConvertError.h"

#include <gtest/gtest.h>

namespace {
struct LineErrorCase {
  int code;
  bool lineBreak;
  const char* append;
  const char* line;
  const char* mark;
};

class LineErrorTest : public ::testing::TestWithParam<LineErrorCase> {};

TEST_P(LineErrorTest, GivesTheProgressTextAndTheLogMark) {
  const LineErrorCase& c = GetParam();
  const LineErrorReport report = ReportLineError(c.code, c.lineBreak);
  EXPECT_EQ(report.appendToLast, QLatin1String(c.append));
  EXPECT_EQ(report.line, QLatin1String(c.line));
  EXPECT_EQ(report.logMark, QLatin1String(c.mark));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LineErrorTest,
    ::testing::Values(LineErrorCase{0, true, "<B>", "", "Break"}, LineErrorCase{3, true, "<B>", "", "Break"},
                      LineErrorCase{0, false, "", " <UNDEFINED COMM ERROR> ", "Undefined_Comm_Error"},
                      LineErrorCase{1, false, "", " <Comm. Error 1 Buffer overrun> ", "Error_1"},
                      LineErrorCase{2, false, "", " <Comm. Error 2 UART overrun> ", "Error_2"},
                      LineErrorCase{3, false, "", " <Comm. Error 3 parity> ", "Error_3"},
                      LineErrorCase{4, false, "", " <Comm. Error 4 framing> ", "Error_4"},
                      LineErrorCase{5, false, "", " <Comm. Error 5 CTS> ", "Error_5"},
                      LineErrorCase{6, false, "", " <Comm. Error 6 DSR> ", "Error_6"},
                      LineErrorCase{7, false, "", " <Comm. Error 7 RLSD> ", "Error_7"},
                      LineErrorCase{8, false, "", " <Comm. Error 8 Xmit Queue full> ", "Error_8"},
                      LineErrorCase{9, false, "", " <Comm. Error 9 Undefined> ", "Error_9"},
                      LineErrorCase{-1, false, "", " <Comm. Error -1 Undefined> ", "Error_-1"}));

struct PortCase {
  const char* name;
  std::optional<int> number;
};

class PortNameTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortNameTest, ADirectPortIsTheNumberAfterItsName) {
  EXPECT_EQ(DirectComNumber(QString::fromLatin1(GetParam().name)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Ports, PortNameTest,
                         ::testing::Values(PortCase{"Direct to COM12", 12}, PortCase{"Direct to COM1", 1},
                                           PortCase{"Direct to COM 3", 3}, PortCase{"Direct to COM0", 0},
                                           PortCase{"Direct to COM65535", 65535},
                                           PortCase{"Shop Modem", std::nullopt},
                                           PortCase{"direct to com4", std::nullopt}));

TEST(PortName, ADirectPortWithoutAWholeNumberIsAConversionError) {
  for (const char* name : {"Direct to COM", "Direct to COMx", "Direct to COM1.5", "Direct to COM65536",
                           "Direct to COM-1"}) {
    try {
      DirectComNumber(QString::fromLatin1(name));
      ADD_FAILURE() << name << " was taken";
    } catch (const EConvertError& e) {
      EXPECT_TRUE(e.Message().endsWith(QStringLiteral("is not a valid integer value"))) << e.Message().toStdString();
    }
  }
}
TEST(ModemSignals, EachSignalIsOnOrOffInItsOwnWidth) {
  EXPECT_EQ(ModemSignalsText(true, true, true), "CTS: ON   DSR: ON   DCD: ON ");
  EXPECT_EQ(ModemSignalsText(false, false, false), "CTS: OFF  DSR: OFF  DCD: OFF");
  EXPECT_EQ(ModemSignalsText(true, false, true), "CTS: ON   DSR: OFF  DCD: ON ");
}

TEST(CommWindowPlacement, WindowsOfDifferentPortsStandInThreeColumns) {
  const QSize screen(1024, 768);
  const int middle = (1024 - 324) / 2, top = (768 - 600) / 2;
  const struct {
    int portIndex;
    int left;
  } cases[] = {{0, middle - 234}, {1, middle + 234}, {2, middle}, {3, middle - 234},
               {4, middle + 234}, {5, middle},       {-1, middle}};
  for (const auto& c : cases) EXPECT_EQ(CommWindowTopLeft(c.portIndex, screen), QPoint(c.left, top)) << c.portIndex;
  // On a screen smaller than the window its title bar stays on the screen.
  EXPECT_EQ(CommWindowTopLeft(0, QSize(640, 480)), QPoint(0, 0));
  EXPECT_EQ(CommWindowTopLeft(1, QSize(640, 480)), QPoint(158 + 234, 0));
}
} // namespace
