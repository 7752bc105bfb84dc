#include "comm/jobs/tHistoryEvent.h"

#include "comm/jobs/HisStatus.h"
#include "comm/actions/ActnMachineId.h"
#include "comm/actions/tActn.h"
#include "comm/jobs/JobActions.h"
#include "comm/jobs/tHistory.h"
#include "platform/sys/Exception.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/TArray.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(tHistoryEvent, TObject)

namespace {
quint8 CompareNone(const TObject&, const TObject&) { return 0; }

const struct Registration {
  Registration() {
    RegisterStreamable(tHistoryEvent::StaticClass(), {&tHistoryEvent::ReadEvent}, {&tHistoryEvent::WriteEvent});
    RegisterCompareFunc(QStringLiteral("CompareHistoryEvents"), &CompareNone);
    RegisterCompareFunc(QStringLiteral("CompareHistoryMaint"), &CompareNone);
  }
} registration;

// The actions when they can be written; otherwise the job is stored without them.
const TObject* WritableActions(const TArray* actions) {
  if (!actions) return nullptr;
  try {
    TObjectStream trial;
    trial.WriteObject(actions);
    return actions;
  } catch (const Exception&) {
    qWarning("could not write action");
    return nullptr;
  }
}
} // namespace

tHistoryEvent::tHistoryEvent(TEventCallBack callBack, const tActn* action, const QString& comPort,
                             const QString& machineId, const QString& scriptId, const QString& scheduleId,
                             bool startedByCalendar)
    : MachineId(machineId), Mode(comPort), StartedByCalendar(startedByCalendar), ScheduleId(scheduleId),
      ScriptId(scriptId), State(HisStatus::Pending), Status(HisStatus::Pending), Created(TDateTime::Now()),
      ComPort(comPort), EventCallBack(std::move(callBack)) {
  EventId = TheHistory().NewPendingId();
  SetAction(action);
}

tHistoryEvent::tHistoryEvent(TBlank blank) : TObject(blank) {}
tHistoryEvent::~tHistoryEvent() = default;

tActn* tHistoryEvent::GetActn() const {
  if (!actions_ || actions_->Count() == 0) return nullptr;
  return dynamic_cast<tActn*>(actions_->GetItem(1));
}

void tHistoryEvent::SetAction(const tActn* action) {
  actions_.reset();
  if (!action) return;
  std::unique_ptr<tActn> copy = CopyActn(*action);
  SetActionOptions(copy.get(), ActionOptions(action)); // a stream copy drops them
  actions_ = std::make_unique<TArray>(action->ClassType(), &CompareEqual, 1, 1);
  actions_->Add(copy.release());
}

void tHistoryEvent::CountDeferredRetry() {
  LastTry = TDateTime::Now();
  InitRetryCount = -1;
  ++DefRetryCount;
}

void tHistoryEvent::CallBack(int code) const {
  if (EventCallBack) EventCallBack(code);
}

void tHistoryEvent::ReadEvent(TObject& obj, TObjectReader& reader) {
  auto& e = static_cast<tHistoryEvent&>(obj);
  e.EventId = reader.ReadString();
  e.MachineId = reader.ReadString();
  e.Mode = reader.ReadString();
  e.StartedByCalendar = reader.ReadBoolean();
  e.ScheduleId = reader.ReadString();
  e.ScriptId = reader.ReadString();
  e.State = reader.ReadInteger();
  e.Status = reader.ReadInteger();
  e.DefRetryCount = reader.ReadInteger();
  e.InitRetryCount = reader.ReadInteger();
  e.Created = TDateTime(reader.ReadFloat());
  e.ComPort = reader.ReadString();
  // The actions attach to the machine of the job they are read for.
  std::unique_ptr<TObject> actions;
  {
    TActnMachineScope scope(e.MachineId);
    actions = ReadStreamedObject(reader);
  }
  if (actions && !actions->Is<TArray>()) actions.reset();
  e.actions_.reset(static_cast<TArray*>(actions.release()));
}

void tHistoryEvent::WriteEvent(const TObject& obj, TObjectWriter& writer) {
  const auto& e = static_cast<const tHistoryEvent&>(obj);
  writer.WriteString(e.EventId);
  writer.WriteString(e.MachineId);
  writer.WriteString(e.Mode);
  writer.WriteBoolean(e.StartedByCalendar);
  writer.WriteString(e.ScheduleId);
  writer.WriteString(e.ScriptId);
  writer.WriteInteger(e.State);
  writer.WriteInteger(e.Status);
  writer.WriteInteger(e.DefRetryCount);
  writer.WriteInteger(e.InitRetryCount);
  writer.WriteFloat(e.Created.Days());
  writer.WriteString(e.ComPort);
  WriteStreamedObject(writer, WritableActions(e.Actions()));
}

std::unique_ptr<tHistoryEvent> CopyEvent(const tHistoryEvent& job) {
  std::unique_ptr<TObject> obj = CopyObject(&job);
  std::unique_ptr<tHistoryEvent> copy(static_cast<tHistoryEvent*>(obj.release()));
  copy->LastTry = job.LastTry;
  copy->EventCallBack = job.EventCallBack;
  copy->PendingId = job.PendingId;
  copy->InHistory = job.InHistory;
  return copy;
}
