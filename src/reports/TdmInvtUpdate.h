#pragma once
// The tables of the inventory export, all in the data folder:
//   V6InventoryUpdate  which polls qualify: its first row's "Report Name", "Poll Type" and
//                      "Polled Area" (made with the one row "PLU", "Z", "AREA 1");
//   Updated            the polls already written, by "Poll Date", "Ecr Date", "Machine Id",
//                      "Store Number" and "Machine Number" (a poll's identity across runs);
//   Updatable          the qualifying polls not in Updated: "Poll Id" and those five,
//                      rebuilt at every opening;
// and AllPolls, which gets the index "InventoryUpdate" when it lacks it.
#include "platform/engine/TTable.h"

class TdmInvtUpdate {
public:
  TdmInvtUpdate();

  // Opens (making what is missing) and refills Updatable.
  void Open();
  void Close();
  bool Active() const { return updatable_.Active(); }

  // The Poll Ids of Updatable in its order.
  QList<qint32> UpdatablePollIds();
  bool UpdatableEmpty();
  // Whether the poll's five identifying values are in Updated.
  bool IsUpdated(qint32 pollId);
  // Records the poll (a row of Updatable) in Updated and takes it off Updatable, in one
  // transaction that commits only when beforeCommit (the completion of the file) succeeds.
  void MarkUpdated(qint32 pollId, const std::function<void()>& beforeCommit);

  static TTableDef V6InvtUpdateDef();
  static TTableDef UpdatedDef();
  static TTableDef UpdatableDef();
  static TIndexDef InventoryUpdateIndex();

private:
  void EnsureInventoryIndex();
  void OpenRule();
  void FillUpdatable();

  TTable allPolls_;
  TTable rule_;
  TTable updated_;
  TTable updatable_;
  QString reportName_, pollType_, polledArea_;
};
