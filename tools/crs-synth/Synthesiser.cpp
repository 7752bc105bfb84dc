#include "crs-synth/Synthesiser.h"

#include "crs-synth/SynthBlockFile.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthFrame.h"
#include "crs-synth/SynthRandom.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace Synthesiser {

namespace {
SynthAnswer Answer(const SynthReportKind& kind, const SynthRequest& request) {
  SynthRandom random(request.seed);
  SynthPollHeader header = SynthPollHeader::Generate(random);
  for (const auto& [field, value] : request.header) header.Set(field, value);
  switch (kind.family) {
  case SynthReportKind::Family::List:
    return SynthFamilies::List(kind, request, random, header);
  case SynthReportKind::Family::ClockPunches:
    return SynthFamilies::ClockPunches(kind, request, random, header);
  case SynthReportKind::Family::Journal:
    return SynthFamilies::Journal(kind, request, random, header);
  case SynthReportKind::Family::OpenOrders:
    return SynthFamilies::OpenOrders(kind, request, random, header);
  case SynthReportKind::Family::Financial:
    break;
  }
  return SynthFamilies::Financial(kind, request, random, header);
}

// The frame is made again around the patched data, so that only the data are wrong.
void Patch(SynthAnswer& answer, const SynthPatch& patch) {
  if (patch.block < 1 || patch.block > answer.blocks.size())
    throw SynthValueError(QStringLiteral("No block %1 in an answer of %2 blocks").arg(patch.block).arg(answer.blocks.size()));
  QByteArray& block = answer.blocks[patch.block - 1];
  QByteArray data = SynthFrame::Data(block);
  if (patch.offset > data.size())
    throw SynthValueError(QStringLiteral("Block %1 holds %2 data bytes: no offset %3").arg(patch.block).arg(data.size()).arg(patch.offset));
  if (patch.offset + patch.bytes.size() > data.size()) data.resize(patch.offset + patch.bytes.size());
  data.replace(patch.offset, patch.bytes.size(), patch.bytes);
  block = SynthFrame::Stored(quint8(block[2]), quint8(block[3]), data);
  const qsizetype after = 1 + answer.expectations.filter(QRegularExpression(QStringLiteral("^patched\t"))).size();
  answer.expectations.insert(after, QStringLiteral("patched\tblock=%1\toffset=%2\tbytes=%3")
                                    .arg(patch.block)
                                    .arg(patch.offset)
                                    .arg(QString::fromLatin1(patch.bytes.toHex(' ').toUpper())));
}
} // namespace

SynthAnswer Synthesise(const SynthRequest& request) {
  SynthAnswer answer = Answer(SynthReportKinds::Find(request.report), request);
  for (const SynthPatch& patch : request.patches) Patch(answer, patch);
  return answer;
}

void WriteWorkFile(const SynthAnswer& answer, const QString& path) { SynthBlockFile::Write(path, answer.blocks); }

void WriteFixture(const SynthAnswer& answer, const QString& folder) {
  const QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("reports")))
    throw SynthFileError(QStringLiteral("Cannot make %1").arg(dir.filePath(QStringLiteral("reports"))));
  SynthBlockFile::Write(dir.filePath(QStringLiteral("reports/%1.ecr").arg(answer.code)), answer.blocks);
}

void WriteExpectations(const SynthAnswer& answer, const QString& path) {
  QFile file(path);
  const QByteArray text = answer.ExpectationText().toUtf8();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() || !file.flush())
    throw SynthFileError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace Synthesiser
