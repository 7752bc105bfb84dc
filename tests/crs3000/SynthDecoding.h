#pragma once
// A synthesised answer saved as a register driver saves it, and what the save stored
// compared with the answer's expectations.
#include "SynthCheck.h"
#include "crs-synth/Synthesiser.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"
#include "store/streaming/StreamRegistry.h"

#include <QFile>

#include <memory>
#include <string>

namespace SynthDecoding {
// The decoder of that class for a new driver of that ROM class: the driver's own when its
// list has the class, else one made for the driver (a follow-up report, which the driver
// reads as part of another).
struct DriverReport {
  std::unique_ptr<tEcr> driver;
  std::unique_ptr<tEcrFnct> own;
  tEcrRpt* report = nullptr;
};

inline DriverReport ForRom(const char* romClass, const char* decoder) {
  DriverReport made;
  made.driver = tEcr::New(ClassByName(QLatin1String(romClass)));
  made.report = made.driver->FindRptByClass(QLatin1String(decoder));
  if (!made.report) {
    made.own = tEcrFnct::CreateByClass(ClassByName(QLatin1String(decoder)), made.driver.get());
    made.report = &dynamic_cast<tEcrRpt&>(*made.own);
  }
  return made;
}

// Writes the answer's work file at the path and saves it with the report.
inline void Save(tEcrRpt& report, const SynthAnswer& answer, const QString& path) {
  Synthesiser::WriteWorkFile(answer, path);
  QFile file(path);
  report.ReadBlockFile(file);
}

// The differences between the data folder's polls from firstPollId on and the
// expectations, one a line: empty when there are none.
inline std::string Differences(const QStringList& expectations, qint64 firstPollId) {
  TDatabase& data = TSession::Default().Database(QString::fromLatin1(EngineConfig::kDataAlias));
  return SynthCheck::Differences(data, expectations, firstPollId).join(QLatin1Char('\n')).toStdString();
}
} // namespace SynthDecoding
