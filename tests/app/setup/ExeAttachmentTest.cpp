// The attachment reader over executables built in the test: which session is found, what
// each item gives, and how damaged tails are refused.
#include "AttachmentWriter.h"

#include "app/setup/TZorvExeAttachment.h"
#include "app/setup/ZorvErrors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using AttachmentWriter::AppendSession;
using AttachmentWriter::Item;

namespace {
const QString kPreRelease = QStringLiteral("PreReleaseData");
const QByteArray kNotice = QByteArrayLiteral("PRERELEASE\r\n");

class ExeAttachmentTest : public ::testing::Test {
protected:
  ExeAttachmentTest() {
    buffer.open(QIODevice::ReadWrite);
    reader.SetTargetStream(&buffer);
  }
  // Program bytes that the reader must never take for appended data.
  static QByteArray Program() { return QByteArray("\x7F" "ELF", 4) + QByteArray(1000, '\x55'); }
  QString Save(const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("tillbridge"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    reader.SetExeFile(path);
    return path;
  }
  // What each extracted item gave, by name, in order.
  QList<QPair<QString, QByteArray>> ExtractAll(const QString& session) {
    QList<QPair<QString, QByteArray>> got;
    reader.AfterExtractItem = [&](const QString& name, const ZorvFormat::ItemHeader& header) {
      EXPECT_EQ(buffer.pos(), 0);
      got.append({name, buffer.data().left(header.size)});
    };
    reader.ExtractSession(session);
    return got;
  }
  template <class E>
  QString Refusal(const QString& session) {
    try {
      reader.ExtractSession(session);
    } catch (const E& e) {
      return e.Message();
    } catch (const Exception& e) {
      ADD_FAILURE() << "wrong error " << e.ClassName() << ": " << e.what();
    }
    return QStringLiteral("<no error>");
  }

  QTemporaryDir dir;
  QBuffer buffer;
  TZorvExeAttachment reader;
};

TEST_F(ExeAttachmentTest, ThePreReleaseSessionGivesItsTextAtPositionZero) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}});
  Save(exe);
  const auto got = ExtractAll(kPreRelease);
  ASSERT_EQ(got.size(), 1);
  EXPECT_EQ(got[0].first, QStringLiteral("Data"));
  EXPECT_EQ(buffer.data(), kNotice);
  EXPECT_EQ(buffer.pos(), 0);
}

TEST_F(ExeAttachmentTest, OfTwoSessionsOfOneNameTheLaterWins) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), "earlier"}});
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), "later"}});
  Save(exe);
  reader.ExtractSession(kPreRelease);
  EXPECT_EQ(buffer.data(), QByteArray("later"));
}

TEST_F(ExeAttachmentTest, AWalkBackPassesLaterSessionsOfOtherNames) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}});
  AppendSession(exe, QStringLiteral("Help"), {{QStringLiteral("Index"), "index"}, {QStringLiteral("Page"), "p"}});
  AppendSession(exe, QStringLiteral("Empty"), {});
  Save(exe);
  reader.ExtractSession(kPreRelease);
  EXPECT_EQ(buffer.data(), kNotice);
}

TEST_F(ExeAttachmentTest, TheNameIsFoundInOtherLetterCase) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}});
  Save(exe);
  for (const char* name : {"prereleasedata", "PRERELEASEDATA", "pReReLeAsEdAtA"}) {
    buffer.buffer().clear();
    reader.ExtractSession(QString::fromLatin1(name));
    EXPECT_EQ(buffer.data(), kNotice) << name;
  }
}

TEST_F(ExeAttachmentTest, ATwelveByteItemAndASecondItemAreEachReadFromTheirOwnHeader) {
  QByteArray exe = Program();
  const QByteArray second = QByteArray("second item, longer than the first one");
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}, {QStringLiteral("More"), second}});
  Save(exe);
  const auto got = ExtractAll(kPreRelease);
  ASSERT_EQ(got.size(), 2);
  EXPECT_EQ(got[0], qMakePair(QStringLiteral("Data"), kNotice));
  EXPECT_EQ(got[1], qMakePair(QStringLiteral("More"), second));
}

TEST_F(ExeAttachmentTest, AnExecutableWithoutAppendedDataHasNoSession) {
  for (const QByteArray& exe : {Program(), QByteArray("short"), QByteArray()}) {
    const QString path = Save(exe);
    EXPECT_EQ(Refusal<EZorvSessionNotFound>(kPreRelease), QStringLiteral("Session not found on extract from ") + path)
        << exe.size();
  }
}

TEST_F(ExeAttachmentTest, ADamagedTrailerByteMakesTheSessionUnfindable) {
  // Offsets in the magic, the banner, the first-item offset, the name, the last summed
  // byte, the checksum and the closing magic.
  for (int offset : {0, 3, 4, 61, 62, 146, 150, 269, 270, 273, 274, 277}) {
    QByteArray exe = Program();
    const qint64 trailer = AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}});
    exe[trailer + offset] = static_cast<char>(exe[trailer + offset] ^ 0x01);
    Save(exe);
    EXPECT_EQ(Refusal<EZorvSessionNotFound>(kPreRelease).left(26), QStringLiteral("Session not found on extra"))
        << "offset " << offset;
  }
}

TEST_F(ExeAttachmentTest, ADamagedLaterTrailerHidesTheSessionsBeforeIt) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}});
  const qint64 trailer = AppendSession(exe, QStringLiteral("Help"), {{QStringLiteral("Index"), "x"}});
  exe[trailer + 200] = '\x7F';
  Save(exe);
  Refusal<EZorvSessionNotFound>(kPreRelease);
}

TEST_F(ExeAttachmentTest, AFirstItemOffsetAtOrAfterItsTrailerEndsTheWalk) {
  QByteArray exe = Program();
  const qint32 at = static_cast<qint32>(exe.size());
  exe += AttachmentWriter::Trailer(QStringLiteral("Loop"), at + 1, 0, 0);
  Save(exe);
  Refusal<EZorvSessionNotFound>(kPreRelease);
}

TEST_F(ExeAttachmentTest, ASessionNameOverSixtyThreeCharactersIsRefused) {
  Save(Program());
  EXPECT_EQ(Refusal<EZorvSessionNameTooLong>(QString(64, QLatin1Char('n'))), QStringLiteral("Session name too long"));
  Refusal<EZorvSessionNotFound>(QString(63, QLatin1Char('n')));
}

TEST_F(ExeAttachmentTest, DamagedItemHeadersAreRefusedByKind) {
  struct Case {
    const char* what;
    int offset;
    qint32 value;
    bool keepChecksum;
    const char* message;
  };
  const Case cases[] = {
      {"a wrong magic", 0, 0x12345678, true, "File prefix format error on extract from "},
      {"a wrong checksum", 100, 0x01010101, false, "File prefix format error on extract from "},
      {"a negative stored size", 520, -5, true, "File prefix format error on extract from "},
      {"level 4", 532, 4, true, "Unsupported compression error on extract from "},
      {"level -1", 532, -1, true, "Unsupported compression error on extract from "},
  };
  for (const Case& c : cases) {
    QByteArray exe = Program();
    const qint64 first = exe.size();
    AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}});
    QByteArray header = exe.mid(first, 544);
    if (c.keepChecksum) AttachmentWriter::Patch(header, c.offset, c.value, 536);
    else header[c.offset] = static_cast<char>(c.value);
    exe.replace(first, 544, header);
    const QString path = Save(exe);
    QString message;
    try {
      reader.ExtractSession(kPreRelease);
    } catch (const EZorvItemPrefixFormat& e) {
      message = e.Message();
    } catch (const EZorvUnsupportedCompression& e) {
      message = e.Message();
    }
    EXPECT_EQ(message, QString::fromLatin1(c.message) + path) << c.what;
  }
}

TEST_F(ExeAttachmentTest, ShortOrDamagedItemDataIsAnExtractErrorNamingFolderAndItem) {
  struct Case {
    const char* what;
    QString folder;
    qint32 sizeChange;   // added to the uncompressed size in the header
    int damageAt;        // byte of the stored data to spoil, -1 none
    const char* message;
  };
  const Case cases[] = {
      {"more bytes announced than stored", QStringLiteral("C:\\tmp"), 5, -1, "Extract error on C:\\tmp\\Data"},
      {"a spoilt zlib header", QString(), 0, 0, "Extract error on Data"},
      {"a folder ending in a colon", QStringLiteral("C:"), 1, -1, "Extract error on C:Data"},
  };
  for (const Case& c : cases) {
    QByteArray exe = Program();
    const qint64 first = exe.size();
    AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), QByteArray(300, 'z') + kNotice, c.folder}});
    QByteArray header = exe.mid(first, 544);
    AttachmentWriter::Patch(header, 516, 312 + c.sizeChange, 536);
    exe.replace(first, 544, header);
    if (c.damageAt >= 0) exe[first + 544 + c.damageAt] = static_cast<char>(exe[first + 544 + c.damageAt] ^ 0x5A);
    Save(exe);
    try {
      reader.ExtractSession(kPreRelease);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EZorvExtractError& e) {
      EXPECT_EQ(e.Message(), QString::fromLatin1(c.message)) << c.what;
    }
  }
}

TEST_F(ExeAttachmentTest, AStoredSizePastTheFileEndIsAnExtractError) {
  QByteArray exe = Program();
  const qint64 first = exe.size();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), QByteArray(5000, 'q')}});
  QByteArray header = exe.mid(first, 544);
  AttachmentWriter::Patch(header, 520, 1 << 30, 536);
  exe.replace(first, 544, header);
  // Cut the data short, then put a trailer back behind what is left.
  exe.truncate(first + 544 + 10);
  exe += AttachmentWriter::Trailer(kPreRelease, static_cast<qint32>(first), 1, 5000);
  Save(exe);
  EXPECT_THROW(reader.ExtractSession(kPreRelease), EZorvExtractError);
}

TEST_F(ExeAttachmentTest, HeaderNamesAndFoldersNeverBecomeFiles) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease,
                {{QStringLiteral("../escaped.txt"), "outside", dir.filePath(QStringLiteral("sub"))},
                 {QStringLiteral("plain.txt"), "inside", dir.path()}});
  Save(exe);
  const auto got = ExtractAll(kPreRelease);
  ASSERT_EQ(got.size(), 2);
  EXPECT_EQ(got[1].second, QByteArray("inside"));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("escaped.txt"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("plain.txt"))));
}

TEST_F(ExeAttachmentTest, WithoutATargetStreamNothingIsRead) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Data"), kNotice}});
  const QString path = Save(exe);
  reader.SetTargetStream(nullptr);
  EXPECT_EQ(Refusal<EZorvExtractError>(kPreRelease), QStringLiteral("No target stream on extract from ") + path);
}

TEST_F(ExeAttachmentTest, ASkippedItemIsPassedOverByItsStoredSize) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Skip"), QByteArray(4000, 's')}, {QStringLiteral("Keep"), "kept"}});
  Save(exe);
  reader.BeforeExtractItem = [](const QString& name, bool& skip, const ZorvFormat::ItemHeader& header) {
    skip = name == QStringLiteral("Skip");
    if (skip) {
      EXPECT_EQ(header.size, 4000);
    }
  };
  const auto got = ExtractAll(kPreRelease);
  ASSERT_EQ(got.size(), 1);
  EXPECT_EQ(got[0], qMakePair(QStringLiteral("Keep"), QByteArray("kept")));
}

TEST_F(ExeAttachmentTest, AnItemLargerThanOnePieceArrivesWholeWithItsProgress) {
  QByteArray big;
  for (int i = 0; i < 200000; ++i) big += static_cast<char>((i * 7919) % 251);
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("Big"), big}, {QStringLiteral("Data"), kNotice}});
  Save(exe);
  QList<int> itemPercents;
  QList<int> sessionPercents;
  reader.OnProgressItem = [&](const QString&, bool&, int percent) { itemPercents.append(percent); };
  reader.OnProgress = [&](const QString&, bool&, int percent) { sessionPercents.append(percent); };
  const auto got = ExtractAll(kPreRelease);
  ASSERT_EQ(got.size(), 2);
  EXPECT_EQ(got[0].second, big);
  // Four pieces of the big item, then the small one in one.
  EXPECT_EQ(itemPercents, (QList<int>{32, 65, 98, 100, 100}));
  EXPECT_EQ(sessionPercents, (QList<int>{0, 99, 100}));
}

TEST_F(ExeAttachmentTest, AnAbortFromTheProgressEndsTheExtraction) {
  QByteArray exe = Program();
  AppendSession(exe, kPreRelease, {{QStringLiteral("One"), "1"}, {QStringLiteral("Two"), "2"}});
  Save(exe);
  reader.OnProgress = [](const QString& name, bool& abort, int) { abort = name == QStringLiteral("One"); };
  const auto got = ExtractAll(kPreRelease);
  ASSERT_EQ(got.size(), 1);
  EXPECT_EQ(got[0].first, QStringLiteral("One"));
}

TEST_F(ExeAttachmentTest, TheSourceFileFollowsExeFileAndUseCurrentExe) {
  EXPECT_TRUE(reader.UseCurrentExeOnExtract());
  reader.SetExeFile(QStringLiteral("/x/y"));
  reader.SetUseCurrentExeOnExtract(true);
  EXPECT_TRUE(reader.ExeFile().isEmpty());
  EXPECT_EQ(reader.SourceFile(), QCoreApplication::applicationFilePath());
  reader.SetExeFile(QStringLiteral("/x/y"));
  EXPECT_FALSE(reader.UseCurrentExeOnExtract());
  EXPECT_EQ(reader.SourceFile(), QStringLiteral("/x/y"));
  reader.SetExeFile(QString());
  EXPECT_TRUE(reader.UseCurrentExeOnExtract());
}

TEST(ExeAttachmentSettings, TheAttachingSideTextsAreCheckedForLength) {
  TZorvExeAttachment reader;
  reader.SetCreator(QString(63, QLatin1Char('c')));
  EXPECT_THROW(reader.SetCreator(QString(64, QLatin1Char('c'))), EZorvCreatorNameTooLong);
  reader.SetKey(QString(23, QLatin1Char('k')));
  EXPECT_THROW(reader.SetKey(QString(24, QLatin1Char('k'))), EZorvKeyTooLong);
  reader.SetUser(QString(35, QLatin1Char('u')));
  EXPECT_THROW(reader.SetUser(QString(36, QLatin1Char('u'))), EZorvUserNameTooLong);
  EXPECT_EQ(reader.Creator().size(), 63);
  EXPECT_EQ(reader.CompressionLevel(), 2);
}
} // namespace
