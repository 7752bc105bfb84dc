// The status bytes of a poll in "Misc Data 1": every one of the 24 is kept, in a table of
// stored polls made now or made before fields kept their flag; no other field gets that.
#include "model/ModelFixture.h"

#include "model/TdmAllPolls.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);
const QString kAllPolls = QStringLiteral("AllPolls");
const QString kStatus = QStringLiteral("Misc Data 1");

// A poll whose range starts at register 5: the status bytes of registers 1 to 4 are 0.
QByteArray StatusFromRegister5() {
  QByteArray status(24, '\0');
  const char bits[] = {'\x07', '\xFF', '\x81', '\x80', '\x00', '\x9D', '\x01'};
  for (int i = 0; i < int(sizeof bits); ++i) status[4 + i] = bits[i];
  status[22] = '\xC3';
  return status;
}

class AllPollsStatusBytes : public SaveFixture {
protected:
  static TDatabase& Data() { return TSession::Default().Database(kData); }

  // Stores one poll through the model's own cursor on the table of stored polls.
  static void StorePoll() {
    tEcrRpt::OpenAllPolls();
    TTable& polls = dmAllPolls().tblAllPolls;
    polls.Append();
    polls.FieldByName(QStringLiteral("EcrRptClass")).SetAsString(QStringLiteral("tTestRpt"));
    polls.FieldByName(QStringLiteral("Report Name")).SetAsString(QStringLiteral("Day") + QChar(0) + QStringLiteral("junk"));
    polls.FieldByName(kStatus).SetAsString(Cp1252::Decode(StatusFromRegister5()));
    polls.Post();
    polls.Close();
  }

  // A field's bytes as a cursor of its own that declares nothing reads them.
  static QByteArray Stored(const QString& table, const QString& field) {
    TTable cursor(kData, table);
    cursor.Open();
    cursor.Last();
    return cursor.FieldByName(field).AsBytes();
  }
};
} // namespace

TEST_F(AllPollsStatusBytes, ANewTableKeepsAllTwentyFourStatusBytesOfAPollFromRegister5) {
  StorePoll();
  EXPECT_EQ(Stored(kAllPolls, kStatus), StatusFromRegister5());
  EXPECT_EQ(Stored(kAllPolls, QStringLiteral("Report Name")), QByteArray("Day"));
  const TTableDef stored = *Data().ReadTableDef(kAllPolls);
  for (const TFieldDef& field : stored.fields) EXPECT_EQ(field.keepsEveryByte, field.name == kStatus) << field.name.toStdString();
}

TEST_F(AllPollsStatusBytes, ATableMadeBeforeTheFlagOpensAndStillKeepsTheStatusBytes) {
  TTableDef before = tEcrRpt::AllPollsDef();
  for (TFieldDef& field : before.fields) field.keepsEveryByte = false;
  Data().CreateTable(before);
  StorePoll();
  EXPECT_EQ(Stored(kAllPolls, kStatus), StatusFromRegister5());
  EXPECT_FALSE(Data().ReadTableDef(kAllPolls)->fields[before.FieldIndex(kStatus)].keepsEveryByte); // left as it was
}

TEST_F(AllPollsStatusBytes, AFieldOfTheSameNameInAnotherTableEndsAtItsZero) {
  tEcrRpt::OpenAllPolls();
  Data().CreateTable({QStringLiteral("Other"), {{kStatus, TFieldType::Alpha, 32}}, {}});
  TTable other(kData, QStringLiteral("Other"));
  other.Open();
  other.Append();
  other.FieldByName(kStatus).SetAsString(Cp1252::Decode(QByteArray("AB\0CD", 5)));
  other.Post();
  other.Close();
  EXPECT_EQ(Stored(QStringLiteral("Other"), kStatus), QByteArray("AB"));
}
