#include "SynthFormFixture.h"

#include "crs-synth/Synthesiser.h"

#include <QFile>

#include <algorithm>

qint32 SynthFormFixture::Decode(tEcrRpt& rpt, const SynthRequest& request) {
  const QString path = dir.filePath(QStringLiteral("synth.ecr"));
  SynthRequest quiet = request;
  // Status bytes without register bits, so that the header's register lines stay blank.
  const bool statusChosen = std::any_of(request.header.cbegin(), request.header.cend(),
                                        [](const auto& field) { return field.first == QLatin1String("Misc Data 1"); });
  if (!statusChosen) quiet.header.append({QStringLiteral("Misc Data 1"), QString(24, u' ')});
  Synthesiser::WriteWorkFile(Synthesiser::Synthesise(quiet), path);
  QFile file(path);
  rpt.ReadBlockFile(file);
  EXPECT_GT(rpt.PollId, 0);
  return rpt.PollId;
}

void SynthFormFixture::Set(SynthRequest& request, int place, const QString& column, const QString& value) {
  request.overrides.append({QString::number(place), column, value});
}
