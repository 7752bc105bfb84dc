#include "crs-synth/Synthesiser.h"

#include "crs-synth/SynthBlockFile.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthRandom.h"

#include <QDir>
#include <QFile>

namespace Synthesiser {

SynthAnswer Synthesise(const SynthRequest& request) {
  const SynthReportKind& kind = SynthReportKinds::Find(request.report);
  SynthRandom random(request.seed);
  SynthPollHeader header = SynthPollHeader::Generate(random);
  for (const auto& [field, value] : request.header) header.Set(field, value);
  switch (kind.family) {
  case SynthReportKind::Family::List:
    return SynthFamilies::List(kind, request, random, header);
  case SynthReportKind::Family::ClockPunches:
    return SynthFamilies::ClockPunches(kind, request, random, header);
  case SynthReportKind::Family::Financial:
    break;
  }
  return SynthFamilies::Financial(kind, request, random, header);
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
