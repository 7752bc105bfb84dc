#pragma once
// A dispatcher that records the name of each operation called instead of running it;
// `failing` names an operation that raises an error instead.
#include "app/TdmEffector.h"

#include <QStringList>
#include <functional>

class RecordingEffector : public TdmEffector {
public:
  QStringList called;
  QString failing;
  std::function<void(const QString&)> during; // runs inside each call

#define RECORD(Op) \
  void Op() override { Record(QStringLiteral(#Op)); }
  RECORD(PromptedPoll)
  RECORD(PollAScript)
  RECORD(PollASchedule)
  RECORD(SaveAPrg)
  RECORD(SaveSelectedPrgs)
  RECORD(SaveAllPrg)
  RECORD(SendAPrg)
  RECORD(SendSelectedPrgs)
  RECORD(SendAllPrg)
  RECORD(TestFm)
  RECORD(DoMachineMaint)
  RECORD(ScriptMaint)
  RECORD(DoSchedMaint)
  RECORD(EditCalendar)
  RECORD(DoReports)
  RECORD(DoFileNames)
  RECORD(DoExports)
  RECORD(SetupCommPort)
  RECORD(ShowLog)
  RECORD(ShowHistory)
  RECORD(ShowAbout)
  RECORD(ShowHelp)
#undef RECORD

private:
  void Record(const QString& name);
};
