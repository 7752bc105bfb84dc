#pragma once
// What the action chooser "Select Action" shows and does: one temporary action of each
// kind (program send, program receive, report poll, in this order), made without a
// machine for the driver, each listed by its title. A click on an entry runs Choose: the
// action's target is chosen from the driver, and when that is done the result is a copy
// of the action that belongs to the chooser's machine (its target moved into that
// machine's driver). The window then closes with OK, or with Cancel when Choose failed.
//
// The choice owns its temporary actions and the result until the caller takes it.
#include "platform/sys/TObject.h"

#include <QString>
#include <memory>
#include <vector>

class tActn;
class tEcr;

class tActnChoice : public TObject {
  TB_OBJECT(tActnChoice)
public:
  // machineId: the machine the chosen action is for ("" for none).
  tActnChoice(QString machineId, const tEcr& driver);
  explicit tActnChoice(TBlank blank);
  ~tActnChoice() override;
  tActnChoice(const tActnChoice&) = delete;
  tActnChoice& operator=(const tActnChoice&) = delete;

  // "Select Action".
  static QString Caption();
  int Count() const { return static_cast<int>(actions_.size()); }
  // Entries 0..Count()-1: the title of each kind.
  QString Title(int index) const;
  // Chooses the target of the entry's action: true when one was chosen and its options
  // accepted, and the result is then made; false leaves no result.
  bool Choose(int index);
  tActn* Result() const { return result_.get(); }
  std::unique_ptr<tActn> TakeResult();

private:
  tActn& At(int index) const; // ERangeError outside 0..Count()-1

  QString machineId_;
  const tEcr* driver_ = nullptr;
  std::vector<std::unique_ptr<tActn>> actions_;
  std::unique_ptr<tActn> result_;
};
