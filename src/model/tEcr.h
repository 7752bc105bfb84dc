#pragma once
// The base of every register driver. The driver classes form a tree of maker, model and
// ROM version (tEcr, then tEcrCrs, then its models, then one class per ROM version); the
// user picks a leaf by walking the tree one level at a time (SelectModel). A leaf object
// is the driver of one machine: it owns the register's program objects (Prgs) and report
// objects (Rpts), finds and lists them, creates the protocol module of a session and
// answers the data queries of outside callers (EcrDataLists). Its owner is its machine.
//
// Drivers are built by class: a blank instance, then the virtual Create (New does both).
// Its stream form is EcrStreamForm, which every driver class registers under its name.
#include "model/EcrFieldMaps.h"
#include "platform/sys/TObject.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QObject;
class TArray;
class tEcrPrg;
class tEcrRpt;

class tEcr : public TObject {
  TB_OBJECT(tEcr)
public:
  // The selection modes of the program selector.
  enum PrgMode { ModeSend = 0, ModeSave = 1, ModeMaint = 2 };

  // Storage only: no owner and no lists until Create, CreateBare or the stream reader.
  explicit tEcr(TBlank blank);
  // Empties both lists, freeing their objects.
  ~tEcr() override;
  tEcr(const tEcr&) = delete;
  tEcr& operator=(const tEcr&) = delete;

  // The ordinary constructor: the owner, then the two lists, each only when missing. The
  // ROM classes then add their programs and reports.
  virtual void Create(TObject* owner);
  // Only the component part: makes owner the driver's owner, the lists stay as they are.
  virtual void CreateBare(TObject* owner);
  // A new driver of the class (tEcr or a descendant), built with Create.
  static std::unique_ptr<tEcr> New(const TClass& cls, TObject* owner = nullptr);
  // Builds a base driver and lets the user choose a model from its level 0: the chosen
  // leaf driver with its programs and reports, or nullptr when the user cancelled (the
  // caller then raises EUserAbort).
  static std::unique_ptr<tEcr> CreateChosen(TObject* owner);

  TObject* Owner() const { return owner_; }

  virtual QString GetMfgName() const;
  virtual QString GetModelName() const;
  virtual QString GetRomName() const;
  QString MfgName() const { return GetMfgName(); }
  QString ModelName() const { return GetModelName(); }
  QString RomName() const { return GetRomName(); }

  // The classes selectable one level down, in the order the chooser lists them (at most
  // 255). The base names the maker class "tEcrCrs" when it is built into the program.
  virtual QList<const TClass*> GetSubModels() const;
  // The protocol module of a session, owned by owner; none in the base.
  virtual QObject* CreateCommModule(QObject* owner);
  // Appended to a stored driver's class name when the machine reader rebuilds it.
  virtual QString GetClassSuffix() const;
  // Resolves the concrete model: a leaf sets result to itself, the other levels run
  // SelectModel one level further down.
  virtual void GetModel(tEcr*& result);
  // One level of the model choice (0 maker, 1 model, 2 ROM version; EAssertionFailed
  // "Unknown Mode in SelectModel" otherwise): one temporary driver of every class of
  // GetSubModels is offered in the chooser "TfmEcrGet". Afterwards result is the chosen
  // leaf, which the caller then owns, or nullptr when any level was cancelled; every other
  // candidate is freed.
  virtual void SelectModel(tEcr*& result, int level);

  // The capability lists: the PrgName of every matching program, in the order of Prgs.
  // PrgsToMaint clears the list first; the others append to it.
  virtual void PrgsToSend(QStringList& list) const;
  virtual void PrgsToSendAll(QStringList& list) const;
  virtual void PrgsToSave(QStringList& list) const;
  virtual void PrgsToMaint(QStringList& list) const;

  // The lists; nullptr while absent (a blank driver, or a stored driver whose class has
  // no programs today, which the machine reader replaces).
  TArray* Prgs() const { return prgs_.get(); }
  TArray* Rpts() const { return rpts_.get(); }
  int PrgCount() const;
  int RptCount() const;
  // Items 1..count.
  tEcrPrg* Prg(int index) const;
  tEcrRpt* Rpt(int index) const;

  // The program whose class name equals the text exactly (case counts), or nullptr.
  tEcrPrg* FindPrgByClass(const QString& className) const;
  // The report whose class name equals the text ignoring case, or nullptr.
  tEcrRpt* FindRptByClass(const QString& className) const;
  // A deep copy of the first program (report) whose name equals the text ignoring case,
  // or nullptr; the copy has no owner.
  std::unique_ptr<tEcrPrg> FindPrgByName(const QString& name) const;
  std::unique_ptr<tEcrRpt> FindRptByName(const QString& name) const;
  // Clears the list and adds every report's RptName once.
  void MakeRptLstBx(QStringList& list) const;

  // The program selector "TfmEcrPrgSlct" for one program: a copy of the chosen program,
  // or nullptr when cancelled.
  std::unique_ptr<tEcrPrg> SelectAPrg(PrgMode mode) const;
  // The same selector with several choices: the chosen names, each with a copy of its
  // program; nothing when cancelled.
  struct ChosenPrg {
    QString Name;
    std::unique_ptr<tEcrPrg> Prg;
  };
  std::optional<std::vector<ChosenPrg>> SelectPrgs(PrgMode mode) const;
  // The report selector "TfmEcrRptSlct": a copy of the chosen report, or nullptr.
  std::unique_ptr<tEcrRpt> SelectARpt() const;
  // The Program ID editor "TfmEcrPrgOpts" over this driver's programs.
  void EditProgramIDs(const QString& defaultID);

  // Field maps for the data queries of outside callers; the base gives empty names.
  virtual void GetPLUPrgFields(TEcrPrgItemFields& fields) const;
  virtual void GetUPCPrgFields(TEcrPrgItemFields& fields) const;
  virtual void GetPLURptFields(TEcrPLURptFields& fields) const;
  virtual void GetFnclRptFields(TEcrFnclRptFields& fields) const;
  virtual void GetGroupPrgFields(TEcrGroupPrgFields& fields) const;
  virtual void GetGroupRptFields(TEcrGroupRptFields& fields) const;
  virtual void GetEmplPrgFields(TEcrEmplPrgFields& fields) const;
  virtual void GetEmplRptFields(TEcrEmplRptFields& fields) const;

  // The answers to outside callers (see EcrDataLists); each clears the list first.
  virtual void GetFnclList(QStringList& list) const;
  virtual void GetPLUList(QStringList& list) const;
  virtual void GetUPCList(QStringList& list) const;
  virtual void GetGroupList(QStringList& list) const;
  virtual void GetEmplList(QStringList& list) const;
  // pollId is the caller's text; EConvertError unless it is a whole number.
  virtual void GetPLUPoll(QStringList& list, const QString& pollId) const;
  virtual void GetFnclPoll(QStringList& list, const QString& pollId) const;
  virtual void GetGroupPoll(QStringList& list, const QString& pollId) const;
  virtual void GetTKPoll(QStringList& list, const QString& pollId) const;
  virtual void GetPLUPrgInfo(QStringList& list) const;
  virtual void GetUPCPrgInfo(QStringList& list) const;

protected:
  // For the constructors of the leaf classes: appends an object built with the driver as
  // owner; the driver owns it from then on.
  void AddPrg(std::unique_ptr<tEcrPrg> prg);
  void AddRpt(std::unique_ptr<tEcrRpt> rpt);

private:
  friend class EcrStreamForm;
  void CreateLists();
  QStringList OfferedPrgs(PrgMode mode) const;

  TObject* owner_ = nullptr;
  std::unique_ptr<TArray> prgs_;
  std::unique_ptr<TArray> rpts_;
};
