#include "EngineFixture.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Folders.h"

#include <QDir>
#include <QFileInfo>

using EngineSetup = EngineFixture;

TEST_F(EngineSetup, TheDataAliasDefaultsUnderTheUserDataFolderAndIsMadeOnFirstUse) {
  const QString data = Folders::UserDataFolder() + QStringLiteral("/data");
  QDir(data).removeRecursively();
  EXPECT_EQ(TSession::Default().AliasPath(QStringLiteral("V6_CRS_DATA")), data);
  EXPECT_EQ(TSession::Default().AliasPath(QStringLiteral("ProgDatabase")), data + QStringLiteral("/Program Data"));
  TTable polls(QStringLiteral("V6_CRS_DATA"), QStringLiteral("AllPolls"));
  EXPECT_EQ(EngineErrorOf([&] { polls.Open(); }), 9988);
  EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/tillbridge.db")));
  TTable prog(QStringLiteral("ProgDatabase"), QStringLiteral("Default.tEcrPrgCrs3000PLU"));
  EXPECT_EQ(EngineErrorOf([&] { prog.Open(); }), 9988);
  EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/Program Data/tillbridge.db")));
}

TEST_F(EngineSetup, AConfiguredAliasIsKeptInEngineIniAndCanBeChanged) {
  EngineConfig::SetAlias(QStringLiteral("V6_CRS_DATA"), Folder());
  EXPECT_TRUE(QFileInfo::exists(EngineConfig::FilePath()));
  EXPECT_EQ(EngineConfig::FilePath(), Folders::CommonFolder() + QStringLiteral("/engine.ini"));
  EXPECT_EQ(TSession::Default().AliasPath(QStringLiteral("v6_crs_data")), QDir::cleanPath(Folder()));
  EXPECT_EQ(TSession::Default().AliasPath(QStringLiteral("ProgDatabase")), QDir::cleanPath(Folder()) + QStringLiteral("/Program Data"));
  EngineConfig::SetAlias(QStringLiteral("OTHER"), Folder() + QStringLiteral("/other"));
  EXPECT_TRUE(EngineConfig::AliasNames().contains(QStringLiteral("OTHER")));
  EngineConfig::DeleteAlias(QStringLiteral("OTHER"));
  EXPECT_EQ(EngineErrorOf([] { TSession::Default().AliasPath(QStringLiteral("OTHER")); }), EngineError::UnknownDatabase);
}

TEST_F(EngineSetup, TablesOfOneAliasShareItsDatabaseAndAnOpenDatabaseIsFoundByName) {
  EngineConfig::SetAlias(QStringLiteral("MY_DATA"), Folder());
  TDatabase& byAlias = TSession::Default().Database(QStringLiteral("MY_DATA"));
  EXPECT_EQ(&byAlias, &Db()); // the fixture's database is open on that folder
  EXPECT_EQ(&TSession::Default().Database(QStringLiteral("testdb")), &Db());
  EXPECT_EQ(&TSession::Default().DatabaseForFolder(Folder() + QStringLiteral("/.")), &Db());
}

TEST_F(EngineSetup, TheProgramFolderIsNotMadeWhenTheDataFolderIsMissing) {
  EngineConfig::SetAlias(QStringLiteral("V6_CRS_DATA"), Folder() + QStringLiteral("/unplugged"));
  TTable prog(QStringLiteral("ProgDatabase"), QStringLiteral("Default.tEcrPrgCrs3000PLU"));
  EXPECT_EQ(EngineErrorOf([&] { prog.Open(); }), 11010);
  EXPECT_FALSE(QFileInfo::exists(Folder() + QStringLiteral("/unplugged")));
}

TEST_F(EngineSetup, TheLibraryFolderIsConfiguredOrBesideTheEngine) {
  EXPECT_TRUE(QFileInfo(EngineConfig::DLLPath()).isDir());
  EngineConfig::SetDLLPath(QStringLiteral("/opt/tables"));
  EXPECT_EQ(EngineConfig::DLLPath(), QStringLiteral("/opt/tables"));
}
