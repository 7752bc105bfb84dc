#pragma once
// Report definitions by report form class name, so that a run with no window (a print or a
// PDF after a scheduled poll) finds the definition from the class name stored with a poll.
// Names match without regard to letter case. A unit registers its definitions at start-up
// with a static RptReportRegistration.
#include "reports/engine/RptReport.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace RptReportRegistry {
using Factory = std::function<std::unique_ptr<RptReport>()>;

// Raises ERptDefinition for a name already registered or an empty factory.
void Register(const QString& className, Factory factory);
void Unregister(const QString& className);
bool IsRegistered(const QString& className);
// A new definition; raises ERptNotRegistered for a name no one registered.
std::unique_ptr<RptReport> Create(const QString& className);
QStringList ClassNames();  // sorted
} // namespace RptReportRegistry

struct RptReportRegistration {
  RptReportRegistration(const QString& className, RptReportRegistry::Factory factory) {
    RptReportRegistry::Register(className, std::move(factory));
  }
};
