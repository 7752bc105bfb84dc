#pragma once
// Report-form tests on polls stored the way a real poll is: the register's answer made by
// crs-synth (written apart from the decoders) and saved by the report's own decoder.
#include "ReportFormFixture.h"

#include "crs-synth/SynthRequest.h"

class SynthFormFixture : public ReportFormFixture {
protected:
  // The synthesised answer saved through the report's decoder; its "Poll Id". Unless the
  // request chooses them, the poll's status bytes mark no register.
  qint32 Decode(tEcrRpt& rpt, const SynthRequest& request);
  // Chooses the column's value of the record at `place` (1 = the first).
  static void Set(SynthRequest& request, int place, const QString& column, const QString& value);
};
