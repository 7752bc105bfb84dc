#include "crs3000/tEcrRptCrs3000.h"

#include "model/CrsRptParams.h"
#include "model/ERecMismatch.h"
#include "model/tEcr.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"

#include <QFile>

TB_DEFINE_CLASS(tEcrRptCrs3000, tEcrCrsReport)

namespace {
constexpr int kFrameBytes = 8;
} // namespace

void tEcrRptCrs3000::Create(TObject* owner) {
  tEcrCrsReport::Create(owner);
  CrsRptParams::SetRange(*this, 1, 24);
}

int tEcrRptCrs3000::GetSkipBytes() const { return 0; }
int tEcrRptCrs3000::GetRecStart() const { return 0; }
int tEcrRptCrs3000::GetRecsInBlk() const { return 1; }
const TClass* tEcrRptCrs3000::NextRptClass() const { return nullptr; }
QString tEcrRptCrs3000::GetOptsFormClass() const { return QStringLiteral("TfmEcrRptOptCrs3000"); }

int tEcrRptCrs3000::CountRecords(int length, int recordSize, int maxRecords) {
  return tEcrCrsReport::CountRecords(length - kFrameBytes, recordSize, maxRecords);
}

QString tEcrRptCrs3000::DecodeText(const TEcrBlock& buffer, int offset, int length) {
  CheckSpan(offset, length);
  QString text;
  text.reserve(length);
  for (int i = 0; i < length; ++i) {
    const quint8 byte = buffer[size_t(offset + i)];
    text += byte == 0x0E ? QChar(u'<') : byte == 0x0F ? QChar(u'>') : Cp1252::ToChar(byte);
  }
  return text;
}

QString tEcrRptCrs3000::UpToZero(const QString& text) {
  const qsizetype zero = text.indexOf(QChar(u'\0'));
  return zero < 0 ? text : text.left(zero);
}

int tEcrRptCrs3000::RecordNumber(int recordIndex) const { return GetRecsInBlk() * (BlkCount - 2) + recordIndex + 1; }

void tEcrRptCrs3000::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount == 1) return WritePollHeader(table, buffer);
  const int size = GetPrgRecSize();
  const int records = CountRecords(BlkLen - GetSkipBytes(), size, GetRecsInBlk());
  int position = 0;
  for (int i = 0; i < records; ++i) {
    position = 4 + GetRecStart() + i * size;
    table.Append();
    DecodeRecord(table, buffer, i, position);
    table.Post();
  }
  const qint64 decoded = position - GetRecStart() - 4;
  if (records >= 1 && decoded != qint64(records) * size)
    throw ERecMismatch(QStringLiteral("Decoded Record Size Mismatch, decoded: %1  expecting: %2")
                           .arg(decoded)
                           .arg(qint64(records) * size));
}

void tEcrRptCrs3000::AfterReadBlockFile(QFile& file) {
  const TClass* nextClass = NextRptClass();
  if (!nextClass) return;
  std::unique_ptr<tEcrFnct> made = CreateByClass(*nextClass, Owner());
  auto* next = dynamic_cast<tEcrRpt*>(made.get());
  if (!next) throw EClassNotFnct(nextClass->ClassName() + QStringLiteral(" is no report class"));
  next->AutoExport = AutoExport;
  next->ExportFile = ExportFile;
  next->AppendExport = true;
  // AutoReport stays false: a section prints with its head, never by itself.
  ReadChained(*next, file);
}

bool tEcrRptCrs3000::DescendsFrom(const QString& className) const {
  for (const TClass* cls = &ClassType(); cls; cls = cls->ClassParent())
    if (cls->ClassName() == className) return true;
  return false;
}

QString tEcrRptCrs3000::RomName() const {
  const auto* driver = dynamic_cast<const tEcr*>(Owner());
  return driver ? driver->RomName() : QString();
}
