#include "TestSupport.h"

#include <QFile>
#include <stdexcept>

QString TestSupport::DataPath(const QString& relative) {
  QString base = qEnvironmentVariable("TB_TEST_DATA");
  if (base.isEmpty()) base = QStringLiteral(TB_SOURCE_DIR "/tests/data");
  return relative.isEmpty() ? base : base + '/' + relative;
}

QByteArray TestSupport::Hex(const char* text) {
  QByteArray compact(text);
  compact.replace(' ', "").replace('\n', "");
  return QByteArray::fromHex(compact);
}

QByteArray TestSupport::ReadFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
  return f.readAll();
}

void TestSupport::WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}
