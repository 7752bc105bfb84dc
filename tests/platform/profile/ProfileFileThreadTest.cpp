#include "platform/profile/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {
// Each thread has its own ProfileFile, reaching the file under another spelling of its
// path; every key of every thread must survive the others' read-modify-writes.
TEST(ProfileFileThreads, ConcurrentWritersLoseNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
  ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("sub")), dir.filePath(QStringLiteral("alias"))));
  const QStringList spellings = {dir.filePath(QStringLiteral("sub/shared.ini")),
                                 dir.filePath(QStringLiteral("sub/./shared.ini")),
                                 dir.filePath(QStringLiteral("alias/shared.ini")),
                                 dir.filePath(QStringLiteral("sub/../sub/shared.ini"))};
  constexpr int kKeys = 20;
  std::vector<std::thread> threads;
  for (int t = 0; t < spellings.size(); ++t) {
    threads.emplace_back([&, t] {
      ProfileFile file(spellings[t]);
      for (int k = 0; k < kKeys; ++k)
        file.Write(QStringLiteral("Thread%1").arg(t % 2), QStringLiteral("k%1_%2").arg(t).arg(k),
                   QString::number(t * 1000 + k));
    });
  }
  for (auto& thread : threads) thread.join();
  const ProfileFile check(spellings[0]);
  for (int t = 0; t < spellings.size(); ++t)
    for (int k = 0; k < kKeys; ++k)
      EXPECT_EQ(check.Read(QStringLiteral("Thread%1").arg(t % 2), QStringLiteral("k%1_%2").arg(t).arg(k)),
                QString::number(t * 1000 + k));
  EXPECT_EQ(check.Sections().size(), 2);
}
} // namespace
