#include "store/settings/TUtRegIni.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {
constexpr int kThreads = 6;
constexpr int kKeys = 15;

QString keyOf(int thread, int k) { return QStringLiteral("T%1K%2").arg(thread).arg(k); }

void expectAllThere(const QString& file) {
  TUtRegIni check(file, true);
  check.SetSection(QStringLiteral("Shared"));
  for (int t = 0; t < kThreads; ++t)
    for (int k = 0; k < kKeys; ++k)
      EXPECT_EQ(check.ReadInteger(keyOf(t, k), -1), t * 100 + k) << t << "/" << k;
}

TEST(TUtRegIniThreads, SeparateStoresOnOneFileLoseNothing) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("threads.ini"));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      TUtRegIni store(file, true);
      store.CreateKey(QStringLiteral("Shared"));
      store.SetSection(QStringLiteral("Shared"));
      for (int k = 0; k < kKeys; ++k) store.WriteInteger(keyOf(t, k), t * 100 + k);
    });
  for (auto& thread : threads) thread.join();
  expectAllThere(file);
}

TEST(TUtRegIniThreads, OneSharedStoreLosesNothing) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("shared.ini"));
  TUtRegIni store(file, true);
  store.SetSection(QStringLiteral("Shared"));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      for (int k = 0; k < kKeys; ++k) {
        store.WriteInteger(keyOf(t, k), t * 100 + k);
        EXPECT_EQ(store.ReadInteger(keyOf(t, k), -1), t * 100 + k);
      }
    });
  for (auto& thread : threads) thread.join();
  expectAllThere(file);
}
} // namespace
