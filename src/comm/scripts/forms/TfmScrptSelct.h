#pragma once
// "Script List": the stored scripts of one register model, sorted by id. Select returns a
// copy of the highlighted script (in maintenance-only mode it edits instead); Add Script,
// Duplicate, Edit and Delete Script change the stored scripts, each through "Script
// Maintenance" where there is something to edit; Listing previews the listing of the
// listed scripts.
#include "comm/scripts/ScrptListing.h"

#include <QDialog>
#include <functional>

class QListWidget;
class tScrpt;
struct ScrptListRequest;

class TfmScrptSelct : public QDialog {
  Q_OBJECT
public:
  explicit TfmScrptSelct(ScrptListRequest& request, QWidget* parent = nullptr);

  // Runs the maintenance window on the script and stores it as a new record; while its id
  // is in use the user is told and the window opens again with the edits.
  void AddScrpt(tScrpt& script);


private:
  void Select();
  void AddNew();
  void Edit();
  void DeleteScrpt();
  void Duplicate();
  void Listing();
  void Help();
  QString SelectedId() const;
  void AfterChange();

  ScrptListRequest& request_;
  QListWidget* list_;
};
