#pragma once
// What the program selector "TfmEcrPrgSlct" and the report selector "TfmEcrRptSlct" show
// and give back: the names offered (the window lists them sorted), whether several may be
// chosen, and the names the user chose, which the window fills in before it closes with
// FormOk. The driver then hands out copies of the chosen objects, never its own.
#include "platform/sys/TObject.h"

#include <QString>
#include <QStringList>

class tEcr;

class tEcrSelection : public TObject {
  TB_OBJECT(tEcrSelection)
public:
  tEcrSelection(const tEcr& driver, int mode, bool multi, QStringList offered);
  explicit tEcrSelection(TBlank blank);

  const tEcr* Driver() const { return driver_; }
  // The program selector's mode (tEcr::PrgMode); 0 for the report selector.
  int Mode() const { return mode_; }
  bool Multi() const { return multi_; }
  const QStringList& Offered() const { return offered_; }
  // The window's caption: by mode when several may be chosen, else "Program Selector";
  // the report selector's own caption is "Report Selection".
  QString Caption() const;

  // Filled in by the window, in list order.
  QStringList Chosen;

private:
  const tEcr* driver_ = nullptr;
  int mode_ = 0;
  bool multi_ = false;
  QStringList offered_;
};
