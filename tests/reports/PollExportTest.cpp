// Exporting stored polls: the five layouts written as CRLF files (checked byte for byte
// against lines written out here by hand), appending, the financial follow-up, the
// consolidated frame, the silent automatic export, a bad format and a file that cannot be
// opened.
#include "PollFixture.h"

#include "model/EPollExport.h"
#include "model/EcrClassDef.h"
#include "model/PollAutoExport.h"
#include "model/PollExport.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TTable.h"
#include "reports/AllPollsExport.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

#include <QDir>
#include <QFile>

// A report whose rows carry a descriptor text: "Number", "Desc", "Amount".
class tExportTestRpt : public tEcrRpt {
  TB_OBJECT(tExportTestRpt)

public:
  explicit tExportTestRpt(TBlank blank) : tEcrRpt(blank) {}
  std::optional<TTableDef> DescribeTable() const override {
    TTableDef def{GetTableName(), {}, {}};
    def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long},
                  {QStringLiteral("Number"), TFieldType::Long},
                  {QStringLiteral("Desc"), TFieldType::Alpha, 20},
                  {QStringLiteral("Amount"), TFieldType::Money}};
    def.indexes = {{QString(), {QStringLiteral("Poll Id"), QStringLiteral("Number")}, true, true}};
    return def;
  }
};
TB_DEFINE_RPT_CLASS(tExportTestRpt, tEcrRpt)

namespace {
struct Item {
  qint64 number;
  const char* desc;
  qint64 cents;
};
const QList<Item> kItems{{1, "Bread", 250}, {2, "FISH, FRIED", 1000}, {3, "Say \"hi\"", -125}};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CrLf(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
  return bytes;
}

void SetFormat(int format) {
  OpenSettingsFile(QString::fromLatin1(SettingsKeys::ExportFormat::Section))
      ->WriteInteger(QString::fromLatin1(SettingsKeys::ExportFormat::Format.Key), format);
}

class PollExportTest : public PollFixture {
protected:
  PollExportTest() {
    auto made = tEcrFnct::New<tExportTestRpt>(&driver);
    items = made.get();
    driver.Add(std::move(made));
    SetFormat(0);
  }

  qint32 StoreItems(const QList<Item>& rows = kItems) {
    PollHeader header;
    header.reportClass = QStringLiteral("tExportTestRpt");
    header.reportName = QStringLiteral("Items");
    const qint32 pollId = StorePoll(header, {});
    TTable table;
    items->OpenTable(table);
    for (const Item& item : rows) {
      table.Append();
      table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(pollId);
      table.FieldByName(QStringLiteral("Number")).SetAsInteger(item.number);
      table.FieldByName(QStringLiteral("Desc")).SetAsString(QString::fromLatin1(item.desc));
      table.FieldByName(QStringLiteral("Amount")).SetAsMoney(item.cents);
      table.Post();
    }
    table.Close();
    return pollId;
  }
  qint32 StoreTest(const char* reportClass, const char* reportName) {
    PollHeader header;
    header.reportClass = QString::fromLatin1(reportClass);
    header.reportName = QString::fromLatin1(reportName);
    return StorePoll(header, {100, 200});
  }
  QString File(const QString& name) const { return QDir(dir.path()).filePath(name); }

  tExportTestRpt* items = nullptr;
};

// The rows of the item poll after "Poll Id": commas and quotes quoted, the rest as it is.
QStringList ItemRest() { return {"1,Bread,2.5", "2,\"FISH, FRIED\",10", "3,\"Say \"\"hi\"\"\",-1.25"}; }

QStringList Prefixed(const QString& front, const QStringList& rest) {
  QStringList lines;
  for (const QString& line : rest) lines << front + line;
  return lines;
}
} // namespace

TEST_F(PollExportTest, EachFormatWritesItsLayoutAsCrLfLines) {
  const qint32 poll = StoreItems();
  const QString id = QString::number(poll);
  // Store 12, machine 3, register date 3/3/2026, Z counter 41, type "Z", area "AREA 1".
  const QStringList expected[] = {
      Prefixed(id + QStringLiteral(","), ItemRest()),
      Prefixed(QStringLiteral("12,3,3/3/2026,41,"), ItemRest()),
      Prefixed(QStringLiteral("Items,12,3,3/3/2026,41,"), ItemRest()),
      Prefixed(QStringLiteral("12,3,3/3/2026,41,Z,AREA 1,"), ItemRest()),
      Prefixed(QStringLiteral("12,3,3/3/2026,") + id + QStringLiteral(","), ItemRest()),
  };
  for (int format = 0; format < PollExport::kFormatCount; ++format) {
    SetFormat(format);
    const QString file = File(QStringLiteral("format%1.txt").arg(format));
    EXPECT_EQ(AllPollsExport::Export({poll}, file), QStringLiteral("Data exported to ") + file);
    EXPECT_EQ(ReadAll(file), CrLf(expected[format])) << "format " << format;
  }
}

TEST_F(PollExportTest, ExportsAppendAndNeverTruncate) {
  const qint32 first = StoreItems();
  const qint32 second = StoreItems({{7, "Tea", 100}});
  SetFormat(1);
  const QString file = File(QStringLiteral("twice.txt"));
  AllPollsExport::Export({first}, file);
  AllPollsExport::Export({second}, file);
  AllPollsExport::Export({first, second}, file);
  const QStringList one = Prefixed(QStringLiteral("12,3,3/3/2026,41,"), ItemRest());
  const QStringList two{QStringLiteral("12,3,3/3/2026,41,7,Tea,1")};
  EXPECT_EQ(ReadAll(file), CrLf(one + two + one + two));
}

TEST_F(PollExportTest, AFormatOutsideTheRangeIsAnErrorNamingItAndWritesNothing) {
  const qint32 poll = StoreItems();
  for (int format : {-1, 5, 17}) {
    SetFormat(format);
    const QString file = File(QStringLiteral("bad.txt"));
    try {
      AllPollsExport::Export({poll}, file);
      ADD_FAILURE() << "format " << format << " was accepted";
    } catch (const EPollExport& e) {
      EXPECT_TRUE(e.Message().contains(QString::number(format))) << e.Message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));
  }
}

TEST_F(PollExportTest, TheFullFileNameIsUsedAndAnUnopenableOneIsReported) {
  const qint32 poll = StoreItems({{1, "Bread", 250}});
  const QString deep = File(QStringLiteral("a-folder-that-is-not-there-yet/and-another-one-below-it/") +
                            QString(60, QLatin1Char('x')) + QStringLiteral(".txt"));
  ASSERT_GT(deep.size(), 79);
  AllPollsExport::Export({poll}, deep);
  EXPECT_EQ(ReadAll(deep), CrLf({QString::number(poll) + QStringLiteral(",1,Bread,2.5")}));

  // A folder's name cannot be opened as a file.
  try {
    AllPollsExport::Export({poll}, dir.path());
    ADD_FAILURE() << "a folder was opened as the export file";
  } catch (const EPollExport& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("File Was Not Opened Correctly"));
  }
}

TEST_F(PollExportTest, AFinancialHeadLastBringsItsOwnSectionsAndNoOtherPolls) {
  const qint32 plain = StoreItems({{1, "Bread", 250}});
  const qint32 broken = StoreTest("tEcrRptCrs3000FinancialTest", "Financial");  // its sections never came
  const qint32 whole = StoreTest("tEcrRptCrs3000FinancialTest", "Financial");
  const char* const sections[] = {"tEcrRptCrs3000SalesTest", "tEcrRptCrs3000RcptsTest", "tEcrRptCrs3000MemoTest",
                                  "tEcrRptCrs3000SysBalTest", "tEcrRptCrs3000TblSrvcTest"};
  for (const char* section : sections) StoreTest(section, "Section");
  const qint32 after = StoreTest("tEcrRptCrs3000DayShiftTest", "Day/Shift");
  SetFormat(0);
  auto linesOf = [](qint32 poll) {
    return QStringList{QString::number(poll) + QStringLiteral(",1,1"), QString::number(poll) + QStringLiteral(",2,2")};
  };

  const QString brokenFile = File(QStringLiteral("broken.txt"));
  AllPollsExport::Export({broken}, brokenFile);
  EXPECT_EQ(ReadAll(brokenFile), CrLf(linesOf(broken)));

  const QString wholeFile = File(QStringLiteral("whole.txt"));
  AllPollsExport::Export({plain, after, whole}, wholeFile);
  QStringList expected = Prefixed(QString::number(plain) + QStringLiteral(","), {QStringLiteral("1,Bread,2.5")}) +
                         linesOf(after) + linesOf(whole);
  for (qint32 section = whole + 1; section <= whole + 5; ++section) expected += linesOf(section);
  EXPECT_EQ(ReadAll(wholeFile), CrLf(expected));
}

TEST_F(PollExportTest, AConsolidatedExportIsFramedAndAlwaysInLayoutZero) {
  PollHeader header;
  header.reportClass = QStringLiteral("tExportTestRpt");
  header.reportName = QStringLiteral("Items");
  header.machineId = QStringLiteral("2");  // first store
  header.store = 9;                        // last store
  header.machine = 1;                      // first machine
  header.zCounter = 4;                     // last machine
  header.polledRegister = -1;
  const qint32 poll = StorePoll(header, {});
  SetFormat(3);
  const QString file = File(QStringLiteral("cons.txt"));
  AllPollsExport::Export({poll}, file, AllPollsExport::Mode::Consolidated);
  // Poll date 3/4/2026 (the first day), register date 3/3/2026 as stored by the fixture.
  EXPECT_EQ(ReadAll(file), CrLf({QStringLiteral("!CONSOLIDATED,Items,3/4/2026,3/3/2026,2,9,1,4"),
                                 QStringLiteral("!ENDCONSOLIDATED")}));
}

TEST_F(PollExportTest, TheAutomaticExportIsSilentAndLogsItsErrors) {
  const qint32 poll = StoreItems({{1, "Bread", 250}});
  const QString database = QString::fromLatin1(EngineConfig::kDataAlias);
  const QString file = File(QStringLiteral("auto/out.txt"));
  SetFormat(1);
  PollAutoExport::Run(database, items->GetTableName(), poll, file);
  EXPECT_EQ(ReadAll(file), CrLf({QStringLiteral("12,3,3/3/2026,41,1,Bread,2.5")}));
  EXPECT_TRUE(prompter.shown.isEmpty());

  SetFormat(9);
  QStringList log;
  {
    const PollAutoExport::ScopedLog sink([&log](const QString& line) { log << line; });
    PollAutoExport::Run(database, items->GetTableName(), poll, file);
  }
  EXPECT_EQ(log.size(), 1);
  EXPECT_TRUE(log.value(0).contains(QStringLiteral("9")));
  EXPECT_EQ(ReadAll(file), CrLf({QStringLiteral("12,3,3/3/2026,41,1,Bread,2.5")}));
  EXPECT_TRUE(prompter.shown.isEmpty());
  // Without a session's log the error reaches the caller.
  EXPECT_THROW(PollAutoExport::Run(database, items->GetTableName(), poll, file), EPollExport);
}
