#pragma once
// The CRS model "3000": the level of the driver tree whose leaves are the eighteen ROM
// version classes (Crs3000RomClasses, chosen at level 2, "ROM Version"). It creates the
// protocol module of a session, keeps the register's memory allocation received at logon
// (EcrSizes) and names the fields of its tables for outside callers.
//
// A ROM class's Create adds, after the base lists, one object of every program and report
// class that its ROM's lists name (Crs3000RomLists), each created by class name with the
// driver as owner. A name whose class is not built into this program is left out, so the
// lists fill in as the classes register.
#include "crs3000/Crs3000EcrSizes.h"
#include "crs3000/tEcrCrs.h"

#include <functional>

class tEcrCrs3000 : public tEcrCrs {
  TB_OBJECT(tEcrCrs3000)
public:
  // Makes the protocol module of a session, owned by owner.
  using CommModuleFactory = std::function<QObject*(QObject* owner)>;

  explicit tEcrCrs3000(TBlank blank) : tEcrCrs(blank) {}

  QString GetModelName() const override;
  // The eighteen ROM classes, in the order of Crs3000RomVersions.
  QList<const TClass*> GetSubModels() const override;
  // A new module from the installed factory at every call; nullptr while none is installed.
  QObject* CreateCommModule(QObject* owner) override;
  void GetModel(tEcr*& result) override;

  // The protocol library installs its module's factory here when it loads.
  static void SetCommModuleFactory(CommModuleFactory factory);

  TEcrSizes EcrSizes;

  void GetPLUPrgFields(TEcrPrgItemFields& fields) const override;
  void GetPLURptFields(TEcrPLURptFields& fields) const override;
  void GetFnclRptFields(TEcrFnclRptFields& fields) const override;
  void GetGroupPrgFields(TEcrGroupPrgFields& fields) const override;
  void GetGroupRptFields(TEcrGroupRptFields& fields) const override;
  void GetEmplPrgFields(TEcrEmplPrgFields& fields) const override;
  void GetEmplRptFields(TEcrEmplRptFields& fields) const override;
  // The figures of the five section polls that follow the head poll (Poll Id + 1 .. + 5),
  // as pairs of prefixed name and value after the number of pairs.
  void GetFnclPoll(QStringList& list, const QString& pollId) const override;

protected:
  // The ROM classes' Create: the base lists, then the programs and reports of the column.
  void CreateRom(TObject* owner, int column);

private:
  void AddSectionFigures(QStringList& list, const QString& database, const QString& sectionClass,
                         const QString& prefix, const QStringList& fields, qint64 pollId) const;
};
