// The inventory export on stored PLU polls: which polls are listed, a poll written into the
// file and recorded in Updated, "Update All" ending after a failure, the full file name,
// the first run without a file name, and a failed write leaving file and tables as they were.
#include "FailingFile.h"
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000PLU.h"
#include "model/EcrForms.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/FormRegistry.h"
#include "reports/InvtFileName.h"
#include "reports/InvtUpdate.h"
#include "reports/InvtUpdtForms.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QDir>
#include <QFile>

namespace {
QString Data() { return QString::fromLatin1(EngineConfig::kDataAlias); }

qint64 Le(const QByteArray& bytes, int offset, int width) {
  quint64 value = 0;
  for (int i = width - 1; i >= 0; --i) value = value * 256 + static_cast<quint8>(bytes[offset + i]);
  return static_cast<qint64>(value);
}

struct Sold {
  qint64 count;
  double total;
};

class InvtExport : public ReportFormFixture {
protected:
  InvtExport() { SetFileName(file); }

  static void SetFileName(const QString& name) {
    OpenSettingsFile(QStringLiteral("V6InvtUpdate"))->WriteString(QStringLiteral("File Name"), name);
  }

  // A PLU poll of memories 1, 2, ... with the given sales.
  qint32 StorePlu(const QList<Sold>& sold, const char* type = "Z", const char* area = "AREA 1", const char* name = "PLU",
                  const PollHeader& header = PollHeader()) {
    QList<QVariantMap> rows;
    int memory = 0;
    for (const Sold& s : sold) rows << QVariantMap{{"Memory Number", ++memory}, {"Count", s.count}, {"Total", s.total}};
    const qint32 poll = Store(plu, rows, header);
    // Polled a second apart, so that each is a poll of its own to the export.
    TQuery(Data()).Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Type\" = ?, \"Polled Area\" = ?, \"Report Name\" = ?, "
                                       "\"Poll Date\" = \"Poll Date\" + ? WHERE \"Poll Id\" = ?"),
                        {QString::fromLatin1(type), QString::fromLatin1(area), QString::fromLatin1(name), poll / 86400.0, poll});
    return poll;
  }
  static void SetClass(qint32 poll, const QString& reportClass) {
    TQuery(Data()).Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"EcrRptClass\" = ? WHERE \"Poll Id\" = ?"), {reportClass, poll});
  }

  QByteArray FileBytes() const {
    QFile read(file);
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
  }
  QByteArray Record(int n) const { return FileBytes().mid(n * 60, 60); }
  static qint64 UpdatedRows() { return Rows(Data(), QStringLiteral("Updated")); }

  QString file = dir.filePath(QStringLiteral("INVT.DTA"));
  tEcrRptCrs3000PLU& plu = AddReport<tEcrRptCrs3000PLU>();
};
} // namespace

TEST_F(InvtExport, OnlyPluPollsOfTypeZFromArea1AreListedInAnyLetterCase) {
  const qint32 listed = StorePlu({{1, 1.0}});
  const qint32 lowerCase = StorePlu({{1, 1.0}}, "z", "area 1", "plu");
  StorePlu({{1, 1.0}}, "X");
  StorePlu({{1, 1.0}}, "Z", "AREA 2");
  StorePlu({{1, 1.0}}, "Z", "AREA 1", "Financial");
  InvtUpdate update;
  update.OpenInvtTables();
  EXPECT_EQ(update.Tables().UpdatablePollIds(), (QList<qint32>{listed, lowerCase}));
  EXPECT_EQ(Rows(Data(), QStringLiteral("V6InventoryUpdate"),
                 QStringLiteral("\"Report Name\" = 'PLU' AND \"Poll Type\" = 'Z' AND \"Polled Area\" = 'AREA 1'")),
            1);
  TTable polls(Data(), QStringLiteral("AllPolls"));
  polls.Open();
  ASSERT_NE(polls.Structure().FindIndex(QStringLiteral("InventoryUpdate")), nullptr);
}

TEST_F(InvtExport, AWrittenPollIsInTheFileAndInUpdatedAndIsNotListedAgainUntilItsRecordGoes) {
  PollHeader header;
  header.machineId = QStringLiteral("FRONT COUNTER 12");
  const qint32 poll = StorePlu({{2, 12.34}, {0, 5.0}, {1, -1.5}}, "Z", "AREA 1", "PLU", header);
  {
    InvtUpdate update;
    update.OpenInvtTables();
    update.UpdateOne(poll);
    EXPECT_TRUE(prompter.Texts().isEmpty()) << prompter.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(update.Tables().UpdatablePollIds(), QList<qint32>{});
  }
  // Header, the two PLUs that sold (memory 2 sold none and takes no number), end record.
  const QByteArray bytes = FileBytes();
  ASSERT_EQ(bytes.size(), 4 * 60);
  EXPECT_EQ(Le(Record(0), 10, 2), 12);
  EXPECT_EQ(Le(Record(0), 12, 2), 3);
  EXPECT_EQ(Record(0).mid(14, 9), QByteArray("\x08" "FRONT CO"));
  EXPECT_EQ(Record(0).mid(23, 10).toHex(' '), QByteArray::fromHex("0303EA07 0403EA07 090F").toHex(' ')) << "3/3, 4/3 9:15";
  EXPECT_EQ(Le(Record(0), 34, 2), 41);
  EXPECT_EQ(Record(1).mid(10, 2), QByteArray("\x01" "1"));
  EXPECT_EQ(Le(Record(1), 28, 8), 2000);
  EXPECT_EQ(Le(Record(1), 36, 8), 12340);
  EXPECT_EQ(Record(2).mid(10, 2), QByteArray("\x01" "3"));
  EXPECT_EQ(Le(Record(2), 26, 2), 2);
  EXPECT_EQ(Le(Record(2), 28, 8), 1000);
  EXPECT_EQ(Le(Record(2), 36, 8), -1500);
  EXPECT_EQ(UpdatedRows(), 1);

  InvtUpdate reopened;
  reopened.OpenInvtTables();
  EXPECT_TRUE(reopened.Tables().UpdatablePollIds().isEmpty());
  reopened.CloseInvtTables();
  TQuery(Data()).Exec(QStringLiteral("DELETE FROM \"Updated\""), {});
  reopened.OpenInvtTables();
  EXPECT_EQ(reopened.Tables().UpdatablePollIds(), QList<qint32>{poll});
}

TEST_F(InvtExport, APollThatSoldNothingIsAHeaderWithoutItems) {
  const qint32 poll = StorePlu({{0, 0.0}, {0, 3.0}});
  InvtUpdate update;
  update.OpenInvtTables();
  EXPECT_EQ(update.UpdateInvtFromPoll(poll).outcome, InvtUpdate::Outcome::Written);
  ASSERT_EQ(FileBytes().size(), 2 * 60);
  EXPECT_EQ(Le(Record(0), 42, 4), 1);
  EXPECT_EQ(Le(Record(1), 38, 4), 0);
}

TEST_F(InvtExport, UpdateAllTriesEachPollOnceSkipsOneThatFailsAndReportsOnce) {
  const qint32 first = StorePlu({{1, 1.0}});
  const qint32 broken = StorePlu({{1, 1.0}});
  const qint32 last = StorePlu({{3, 3.0}});
  SetClass(broken, QStringLiteral("tPollTestRpt"));
  InvtUpdate update;
  update.OpenInvtTables();
  EXPECT_EQ(update.UpdateAll(), 2);
  ASSERT_EQ(prompter.Texts(), QStringList{QStringLiteral("2 of 3 polls were written.\nPoll %1: Table Error").arg(broken)});
  EXPECT_EQ(update.Tables().UpdatablePollIds(), QList<qint32>{broken});
  EXPECT_EQ(UpdatedRows(), 2);
  EXPECT_EQ(FileBytes().size(), 5 * 60);
  // Clicked again, it tries the one left once more and ends.
  EXPECT_EQ(update.UpdateAll(), 0);
  EXPECT_EQ(prompter.Texts().size(), 2);
  EXPECT_EQ(Rows(Data(), QStringLiteral("Updatable"), QStringLiteral("\"Poll Id\" IN (?, ?)"), {first, last}), 0);
}

TEST_F(InvtExport, UpdateAllStopsAtAFileThatCannotBeOpened) {
  SetFileName(dir.filePath(QStringLiteral("no such folder/INVT.DTA")));
  StorePlu({{1, 1.0}});
  StorePlu({{1, 1.0}});
  InvtUpdate update;
  update.OpenInvtTables();
  EXPECT_EQ(update.UpdateAll(), 0);
  ASSERT_EQ(prompter.Texts().size(), 1);
  EXPECT_TRUE(prompter.Texts()[0].startsWith(QStringLiteral("0 of 2 polls were written.\n")));
  EXPECT_TRUE(prompter.Texts()[0].contains(QStringLiteral(": File Was Not Opened Correctly\nThe polls after it were not tried.")))
      << prompter.Texts()[0].toStdString();
  EXPECT_EQ(UpdatedRows(), 0);
  EXPECT_EQ(update.Tables().UpdatablePollIds().size(), 2);
}

TEST_F(InvtExport, AFailedWriteLeavesTheFileAsItWasAndThePollListed) {
  const qint32 written = StorePlu({{1, 1.0}});
  const qint32 failing = StorePlu({{1, 1.0}, {2, 2.0}});
  {
    InvtUpdate update;
    update.OpenInvtTables();
    update.UpdateOne(written);
  }
  const QByteArray before = FileBytes();
  InvtUpdate update([](const QString& name) { return std::make_unique<FailingFile>(name, 90); });
  update.OpenInvtTables();
  update.UpdateOne(failing);
  ASSERT_EQ(prompter.Texts().size(), 1);
  EXPECT_TRUE(prompter.Texts()[0].contains(QStringLiteral("PutPolUpdtFl failed at step 2005"))) << prompter.Texts()[0].toStdString();
  EXPECT_EQ(FileBytes(), before);
  EXPECT_EQ(UpdatedRows(), 1);
  EXPECT_EQ(update.Tables().UpdatablePollIds(), QList<qint32>{failing});
}

TEST_F(InvtExport, TheWholeFileNameIsUsedHoweverLong) {
  const QString folder = dir.filePath(QString(90, QLatin1Char('f')));
  ASSERT_TRUE(QDir().mkpath(folder));
  file = folder + QStringLiteral("/INVENTORY.DTA");
  SetFileName(file);
  const qint32 poll = StorePlu({{1, 1.0}});
  InvtUpdate update;
  update.OpenInvtTables();
  EXPECT_EQ(update.UpdateInvtFromPoll(poll).outcome, InvtUpdate::Outcome::Written);
  EXPECT_EQ(FileBytes().size(), 3 * 60);
}

TEST_F(InvtExport, APollTheExportCannotWriteIsToldAndStaysListed) {
  const qint32 poll = StorePlu({{1, 1.0}});
  InvtUpdate update;
  update.OpenInvtTables();
  update.UpdateOne(poll + 100);
  SetClass(poll, QStringLiteral("tEcrRptCrs3000Plu"));  // the class must match exactly
  update.UpdateOne(poll);
  TQuery(Data()).Exec(QStringLiteral("DELETE FROM \"Updatable\""), {});
  update.UpdateOne(poll);
  EXPECT_EQ(prompter.Texts(), (QStringList{"Not Found", "Table Error", "No more non-updated polls."}));
  EXPECT_FALSE(QFile::exists(file));
  EXPECT_EQ(UpdatedRows(), 0);
}

TEST_F(InvtExport, WithoutAFileOnRecordTheUserIsAskedOnce) {
  SetFileName(QStringLiteral("NO FILE ON RECORD"));
  int asked = 0;
  QString answer;
  ScopedForm<ChangeInvtFileRequest> form([&](ChangeInvtFileRequest& request) {
    ++asked;
    request.fileName = answer;
    return answer.isEmpty() ? 0 : EcrForms::FormOk;
  });
  EXPECT_EQ(InvtFileName::GetInvtFileName(), "NO FILE ON RECORD");
  EXPECT_EQ(asked, 1);
  answer = file;
  EXPECT_EQ(InvtFileName::GetInvtFileName(), file);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(InvtFileName::GetInvtFileName(), file);
  EXPECT_EQ(asked, 2) << "a name on record is not asked for";
}
