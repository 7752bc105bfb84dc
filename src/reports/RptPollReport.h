#pragma once
// The report object of a stored poll, for presenting or deleting it: the report of the
// stored machine's driver whose class is the poll's report class; when the machine is gone
// (or its driver lacks that report), a new report object of the stored class under the
// machine's driver or, without a machine, under a new driver of the stored driver class.
// A class nobody registered raises EClassNotRegistered.
#include <QString>
#include <QtGlobal>

#include <memory>

class tEcr;
class tEcrFnct;
class tEcrRpt;
class tMachine;

struct RptPollClasses {
  QString machineId;
  QString reportClass;  // "EcrRptClass"
  QString driverClass;  // "EcrClass"
};

class RptPollReport {
public:
  explicit RptPollReport(const RptPollClasses& poll);
  ~RptPollReport();
  RptPollReport(const RptPollReport&) = delete;
  RptPollReport& operator=(const RptPollReport&) = delete;

  tEcrRpt& Report() const { return *report_; }
  // The classes stored in the poll's row of AllPolls (all empty when there is none).
  static RptPollClasses ClassesOf(qint32 pollId);

private:
  std::unique_ptr<tMachine> machine_;
  std::unique_ptr<tEcr> driver_;
  std::unique_ptr<tEcrFnct> made_;
  tEcrRpt* report_ = nullptr;
};
