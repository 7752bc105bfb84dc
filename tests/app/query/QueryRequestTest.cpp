// A request line cut into its four fields.
#include "app/query/QueryRequest.h"

#include <gtest/gtest.h>

TEST(QueryRequest, FieldsAreCutAtTheFirstThreeTabs) {
  const struct {
    const char* line;
    const char* command;
    const char* machine;
    const char* file;
    const char* param;
    int tabs;
  } cases[] = {
      {"MachineList\t\t/tmp/a.txt\t", "MachineList", "", "/tmp/a.txt", "", 3},
      {"Poll\tFront\t/tmp/p.txt\t17\t1", "Poll", "Front", "/tmp/p.txt", "17\t1", 3},
      {"Poll\tFront\t/tmp/p.txt\t\t\t", "Poll", "Front", "/tmp/p.txt", "\t\t", 3},
      // A missing TAB leaves the field it would end empty; the text goes on to the parameter.
      {"PLUList\tFront\t/tmp/x.txt", "PLUList", "Front", "", "/tmp/x.txt", 2},
      {"MachineList", "", "", "", "MachineList", 0},
      {"PLUList\tFront", "PLUList", "", "", "Front", 1},
      {"", "", "", "", "", 0},
      {"\t\t\t", "", "", "", "", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const QueryRequest r = QueryRequest::Parse(QString::fromUtf8(c.line));
    EXPECT_EQ(r.command, QString::fromUtf8(c.command));
    EXPECT_EQ(r.machineId, QString::fromUtf8(c.machine));
    EXPECT_EQ(r.outputFile, QString::fromUtf8(c.file));
    EXPECT_EQ(r.param, QString::fromUtf8(c.param));
    EXPECT_EQ(r.tabs, c.tabs);
  }
}
