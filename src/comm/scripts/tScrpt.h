#pragma once
// A script: a stored, named, ordered list of actions for one register model. Running it
// for a machine queues one job per action, in order, on the machine's port and starts the
// port's queue. Scripts are stored in the object file "Scripts" (ScrptList.h).
//
// Stream form, version 1: ScrptID, the action array (a nested TArray of tActn, kept in the
// order of adding), the driver class name. Reading publishes ScrptMachineId() as the
// machine the actions attach to, for the span of the actions' read only. A failed read of
// the actions leaves the list empty; a driver class that is not registered (or cannot be
// read after the failed actions) gives the base class tEcr, and such a script is removed
// by the next ListScrpts.
#include "platform/sys/TObject.h"

#include <QString>
#include <functional>
#include <memory>

class TArray;
class TObjectReader;
class TObjectWriter;
class tActn;
class tEcr;
class tMachine;

// What the caller of a run is told each time one of the run's jobs has ended: the job's
// result (2 success, 4 failure or cancel) and how many of the script's jobs have ended.
using TScrptCallBack = std::function<void(int result, qint32 finished)>;

class tScrpt : public TObject {
  TB_OBJECT(tScrpt)
public:
  // A new, empty script for the driver's class. Without a driver the user chooses the
  // register type first; EUserAbort when the choice is cancelled.
  explicit tScrpt(const tEcr* driver);
  explicit tScrpt(TBlank blank);
  ~tScrpt() override;
  tScrpt(const tScrpt&) = delete;
  tScrpt& operator=(const tScrpt&) = delete;

  QString ScrptID() const { return id_; }
  void SetScrptID(const QString& id);
  const TClass& GetEcrClass() const;
  void SetEcrClass(const TClass& cls) { ecrClass_ = &cls; }

  // The actions 1..count in order of performance; the script owns them.
  TArray& Actions() const { return *actions_; }
  int ActnCount() const;
  tActn* Actn(int index) const;
  void AddActn(std::unique_ptr<tActn> actn);
  void ClearActns();

  // "Script Maintenance" for this script on behalf of the machine: true when the user
  // accepted, and the script then holds the edits (storing it is the caller's).
  bool Maint(const tMachine* machine);

  // Queues each action as a job for the machine on its port, in order, with the four
  // options, named after the script, from the source ("User" or a schedule id); then
  // starts the port's next job once. With a callback, every job of the run reports its
  // end through ScrptCallBack.
  void RunScrpt(const tMachine& machine, bool autoReport, TScrptCallBack callBack, bool autoExport,
                bool appendExport, const QString& exportFile, bool startedByCalendar, const QString& source);
  // One of the run's jobs has ended: the finished count goes up by one and the run's
  // callback, when there is one, gets the result and the new count.
  void ScrptCallBack(int result);
  qint32 Finished() const;

  static void ReadScrpt(TObject& obj, TObjectReader& reader);
  static void WriteScrpt(const TObject& obj, TObjectWriter& writer);

private:
  // Shared with the jobs' callbacks, which do nothing once the script is gone.
  struct RunState {
    TScrptCallBack callBack;
    qint32 finished = 0;
    void Finish(int result);
  };

  QString id_;
  const TClass* ecrClass_ = nullptr;
  std::unique_ptr<TArray> actions_;
  std::shared_ptr<RunState> run_ = std::make_shared<RunState>();
};

// A deep copy through the stream form, its actions attached to the machine ScrptMachineId()
// names at the time.
std::unique_ptr<tScrpt> CopyScrpt(const tScrpt& script);
