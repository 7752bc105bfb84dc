#include "crs-sim/SimFixtures.h"

#include "crs-sim/SimBlockFile.h"
#include "crs-sim/SimErrors.h"

#include <QDir>
#include <QFileInfo>

namespace {
QMap<int, QList<QByteArray>> LoadKind(const QDir& folder, const QString& kind) {
  QMap<int, QList<QByteArray>> tables;
  const QDir dir(folder.filePath(kind));
  if (!dir.exists()) return tables;
  for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.ecr")}, QDir::Files, QDir::Name)) {
    bool ok = false;
    const int code = info.completeBaseName().toInt(&ok, 10);
    if (!ok || code < 0 || code > 255)
      throw SimFixtureError(QStringLiteral("Fixture %1 is not named after a code from 0 to 255").arg(info.filePath()));
    QList<QByteArray> bodies;
    for (const QByteArray& block : SimBlockFile::Read(info.filePath())) bodies.append(SimBlockFile::Body(block));
    SimFixtures::Check(info.filePath(), bodies);
    tables.insert(code, bodies);
  }
  return tables;
}
} // namespace

SimFixtures SimFixtures::Load(const QString& folder) {
  SimFixtures fixtures;
  if (folder.isEmpty()) return fixtures;
  const QDir dir(folder);
  if (!dir.exists()) throw SimFixtureError(QStringLiteral("Fixture folder %1 does not exist").arg(folder));
  fixtures.programs = LoadKind(dir, QStringLiteral("programs"));
  fixtures.reports = LoadKind(dir, QStringLiteral("reports"));
  return fixtures;
}

void SimFixtures::Check(const QString& what, const QList<QByteArray>& blocks) {
  if (blocks.size() > 256)
    throw SimFixtureError(QStringLiteral("%1: %2 blocks, the register numbers at most 256").arg(what).arg(blocks.size()));
  for (qsizetype i = 0; i < blocks.size(); ++i)
    if (blocks[i].isEmpty() || blocks[i].size() > SimBlockFile::MaxBlock)
      throw SimFixtureError(QStringLiteral("%1: block %2 has %3 bytes").arg(what).arg(i + 1).arg(blocks[i].size()));
}
