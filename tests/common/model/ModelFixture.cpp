#include "ModelFixture.h"

#include "TestSupport.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Folders.h"
#include "model/TBlockFileReader.h"
#include "model/tEcrRpt.h"

#include <QDir>
#include <QFile>

#include <QtEndian>

ModelFixture::ModelFixture() {
  // Settings go to the common folder of the test's own home, never beside the program.
  QDir().mkpath(Folders::CommonFolder());
  scopedProfile_ = std::make_unique<ScopedTimingProfile>(profile);
  scopedPrompter_ = std::make_unique<ScopedPrompter>(prompter);
  scopedClock_ = std::make_unique<ScopedClock>(clock);
}

ModelFixture::~ModelFixture() = default;

QString ModelFixture::WorkFile(const QString& name, const QList<QByteArray>& blocks, qint32 count) {
  QByteArray bytes(4, '\0');
  qToLittleEndian<qint32>(count < 0 ? qint32(blocks.size()) : count, bytes.data());
  for (const QByteArray& block : blocks) {
    QByteArray length(4, '\0');
    qToLittleEndian<qint32>(qint32(block.size()), length.data());
    bytes += length + block;
  }
  const QString path = dir.filePath(name);
  TestSupport::WriteFile(path, bytes);
  return path;
}

qint64 ModelFixture::Rows(const QString& database, const QString& table, const QString& where, const QVariantList& values) {
  TQuery query(database);
  query.Exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\"%2").arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
             values);
  return query.Next() ? query.Value(0).toLongLong() : -1;
}

QList<qint64> ModelFixture::PollIds(const QString& where, const QVariantList& values) {
  tEcrRpt::OpenAllPolls();
  TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
  query.Exec(QStringLiteral("SELECT \"Poll Id\" FROM \"AllPolls\"%1 ORDER BY \"Poll Id\"")
                 .arg(where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
             values);
  QList<qint64> ids;
  while (query.Next()) ids.append(query.Value(0).toLongLong());
  return ids;
}

QList<QByteArray> Blocks(const QString& path, qint32* count) {
  QFile file(path);
  TBlockFileReader reader(file);
  if (count) *count = reader.Count();
  QList<QByteArray> blocks;
  TEcrBlock buffer{};
  qint32 length = 0;
  while (reader.Next(buffer, length)) blocks.append(QByteArray(reinterpret_cast<const char*>(buffer.data()), length));
  return blocks;
}

QByteArray Framed(const QByteArray& data, int blockNumber) {
  return QByteArray("\x10\x02", 2) + char(blockNumber) + char(0) + data + QByteArray("\x10\x03\xAB\xCD", 4);
}

QByteArray Bcd(qint64 value, int width) {
  QByteArray digits = QByteArray::number(value).rightJustified(2 * width, '0');
  QByteArray bytes;
  for (int i = 0; i < width; ++i) bytes += char(((digits[2 * i] - '0') << 4) | (digits[2 * i + 1] - '0'));
  return bytes;
}
