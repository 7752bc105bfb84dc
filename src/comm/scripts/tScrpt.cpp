#include "comm/scripts/tScrpt.h"

#include "comm/actions/ActnMachineId.h"
#include "comm/actions/tActn.h"
#include "comm/jobs/JobProgress.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/scripts/ScrptForms.h"
#include "comm/scripts/ScrptList.h"
#include "model/tEcr.h"
#include "model/tMachine.h"
#include "platform/sys/EUserAbort.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/PumpDelay.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/TArray.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(tScrpt, TObject)

namespace {
// Every two actions are equal, so the list keeps the order of adding.
quint8 CompareActns(const TObject&, const TObject&) { return 0; }

const struct Registration {
  Registration() {
    RegisterStreamable(tScrpt::StaticClass(), {&tScrpt::ReadScrpt}, {&tScrpt::WriteScrpt});
    RegisterCompareFunc(QStringLiteral("CompareActns"), &CompareActns);
  }
} registration;

std::unique_ptr<TArray> NewActions() {
  return std::make_unique<TArray>(tActn::StaticClass(), &CompareActns, 1, 1);
}

const TClass& ClassOrBase(const QString& name) {
  try {
    const TClass& cls = ClassByName(name);
    if (cls.InheritsFrom(tEcr::StaticClass())) return cls;
  } catch (const Exception&) {
  }
  return tEcr::StaticClass();
}
} // namespace

tScrpt::tScrpt(const tEcr* driver) : actions_(NewActions()) {
  if (driver) {
    ecrClass_ = &driver->ClassType();
    return;
  }
  std::unique_ptr<tEcr> chosen = tEcr::CreateChosen(nullptr);
  if (!chosen) throw EUserAbort();
  ecrClass_ = &chosen->ClassType();
}

tScrpt::tScrpt(TBlank blank) : TObject(blank), actions_(NewActions()) {}

tScrpt::~tScrpt() {
  try {
    actions_->Clear();
  } catch (...) {
  }
}

void tScrpt::SetScrptID(const QString& id) {
  if (id != id_) id_ = id;
}

const TClass& tScrpt::GetEcrClass() const { return ecrClass_ ? *ecrClass_ : tEcr::StaticClass(); }

int tScrpt::ActnCount() const { return actions_->Count(); }

tActn* tScrpt::Actn(int index) const { return static_cast<tActn*>(actions_->GetItem(index)); }

void tScrpt::AddActn(std::unique_ptr<tActn> actn) {
  actions_->Add(actn.get());
  (void)actn.release();
}

void tScrpt::ClearActns() { actions_->Clear(); }

bool tScrpt::Maint(const tMachine* machine) {
  SetScrptMachineId(machine ? machine->MachineId : QString());
  ScrptMaintRequest request{*this, machine};
  return FormRegistry::Show(request) == ScrptForms::FormOk;
}

void tScrpt::RunScrpt(const tMachine& machine, bool autoReport, TScrptCallBack callBack, bool autoExport,
                      bool appendExport, const QString& exportFile, bool startedByCalendar, const QString& source) {
  run_->callBack = std::move(callBack);
  tHistory& history = TheHistory();
  {
    JobProgress progress(QStringLiteral("Getting Script List"));
    const int count = ActnCount();
    for (int i = 1; i <= count; ++i) {
      PumpMessage();
      tActn* actn = Actn(i);
      actn->AutoReport = autoReport;
      actn->AutoExport = autoExport;
      actn->AppendExport = appendExport;
      actn->ExportFile = exportFile;
      TEventCallBack jobCallBack;
      if (run_->callBack) {
        std::weak_ptr<RunState> run = run_;
        jobCallBack = [run](int code) {
          if (std::shared_ptr<RunState> state = run.lock()) state->Finish(code);
        };
      }
      // The job takes a copy of the action with its options.
      tHistoryEvent job(std::move(jobCallBack), actn, machine.CommPort, machine.MachineId, id_, source,
                        startedByCalendar);
      history.QueueEvent(job);
      progress.Step(i * 100 / count);
      PumpMessage();
    }
  }
  history.StartNext(machine.CommPort);
}

void tScrpt::RunState::Finish(int result) {
  ++finished;
  if (callBack) callBack(result, finished);
}

void tScrpt::ScrptCallBack(int result) { run_->Finish(result); }

qint32 tScrpt::Finished() const { return run_->finished; }

void tScrpt::ReadScrpt(TObject& obj, TObjectReader& reader) {
  auto& s = static_cast<tScrpt&>(obj);
  s.id_ = reader.ReadString();
  std::unique_ptr<TObject> actions;
  bool actionsRead = true;
  try {
    TActnMachineScope scope(ScrptMachineId());
    actions = ReadStreamedObject(reader);
  } catch (const Exception&) {
    actionsRead = false;
  }
  if (actions && actions->Is<TArray>()) {
    s.actions_.reset(static_cast<TArray*>(actions.release()));
  } else {
    s.actions_ = NewActions();
  }
  QString className;
  try {
    className = reader.ReadString();
  } catch (const Exception&) {
    if (actionsRead) throw; // a damaged stream, not a failed action
  }
  s.ecrClass_ = &ClassOrBase(className);
}

void tScrpt::WriteScrpt(const TObject& obj, TObjectWriter& writer) {
  const auto& s = static_cast<const tScrpt&>(obj);
  writer.WriteString(s.id_);
  WriteStreamedObject(writer, s.actions_.get());
  writer.WriteString(s.GetEcrClass().ClassName());
}

std::unique_ptr<tScrpt> CopyScrpt(const tScrpt& script) {
  std::unique_ptr<TObject> copy = CopyObject(&script);
  return std::unique_ptr<tScrpt>(static_cast<tScrpt*>(copy.release()));
}
