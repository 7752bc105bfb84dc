#include "app/IScheduleService.h"

namespace {
IScheduleService*& Installed() {
  static IScheduleService* service = nullptr;
  return service;
}
} // namespace

IScheduleService* ScheduleService() { return Installed(); }

void SetScheduleService(IScheduleService* service) { Installed() = service; }
