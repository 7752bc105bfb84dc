#pragma once
// The base of one report that a register can be polled for. A report object turns the
// blocks of a polled report (a block file) into one new row of the table of stored polls,
// AllPolls, and rows of its own table keyed by "Poll Id"; afterwards it exports and prints
// the poll when asked to, and later it presents any stored poll through its report form.
//
// A poll save is all or nothing and never interleaves with another: the whole work file
// is decoded first into a staging copy (events are processed between blocks), then the
// AllPolls rows and the report rows are written in one short transaction behind one
// process-wide lock. A report that continues in further sections (AfterReadBlockFile with
// ReadChained) is saved with them as one unit, its rows getting consecutive "Poll Id"
// values in chain order. A failed save leaves AllPolls and every report table as they
// were, sets PollId to 0, and neither exports nor prints.
//
// Forms are reached through the form registry under the class's form names: the report
// form (ReportFormClass, a RptPresentRequest) and the options form (GetOptsFormClass, a
// RptOptsRequest); see EcrForms.h.
#include "model/tEcrFnct.h"
#include "platform/engine/TableDef.h"
#include "platform/engine/TblScnRecords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QFile;
class TPollSave;

class EcrLayout;

class tEcrRpt : public tEcrFnct {
  TB_OBJECT(tEcrRpt)

public:
  explicit tEcrRpt(TBlank);
  ~tEcrRpt() override;
  // Clears the export and print settings, then SetSQLGroupList, SetSQLSumFieldsList and
  // SetSQLFieldsList, in this order.
  void Create(TObject* owner) override;

  // Columns for the consolidation queries; none in the base.
  QStringList SQLGroupList;
  QStringList SQLFieldsList;
  QStringList SQLSumFieldsList;
  // "Poll Id" of the AllPolls row of the last poll saved (0 when none, or it failed).
  qint32 PollId = 0;
  TDateTime LastRead;
  bool AutoReport = false;
  bool AutoExport = false;
  bool AppendExport = false;
  QString ExportFile;

  // Appends the poll's row to AllPolls (during a save, to the save's staging copy): the
  // class names, RptName, "Poll Date" now and the machine's identity; sets PollId. The
  // row stays the current row of PollsTable().
  virtual void AddPoll();
  virtual int GetRptCode() const;              // 0
  virtual QString GetRptName() const;          // "Undefined"
  virtual QString GetOptsFormClass() const;    // kNoOptionsForm
  virtual QString ReportFormClass() const;     // none ("")
  virtual void DefineTable(TTable& table);
  // The record layout of a decoder written as data (see EcrLayout), or nullptr; and the
  // variant of it this class's records use.
  virtual const EcrLayout* RecordLayout() const; // nullptr
  virtual int LayoutVariant() const;             // 0
  virtual void SetSQLGroupList();
  virtual void SetSQLFieldsList();
  virtual void SetSQLSumFieldsList();
  // The report table's structure as declared to the table-definition library; none in
  // the base. "Poll Id" is its first field.
  virtual std::optional<TTableDef> DescribeTable() const;
  // The table check of the report table; a problem is shown, not raised.
  virtual void CheckTables(const TDefValues& arguments);
  // Removes what the last save of this object wrote (its AllPolls rows and report rows,
  // the whole chain), when that save succeeded; nothing otherwise.
  virtual void DeleteLastPoll();
  // Decodes one block of the work file (numbered BlkCount) into the table. Nothing in the base.
  virtual void DecodeBlock(TTable& table, const TEcrBlock& buffer);
  // Saves a polled report from a work file (see the top of this file).
  virtual void ReadBlockFile(QFile& file);
  // Hands the same file to the next section of a chained report. Nothing in the base.
  virtual void AfterReadBlockFile(QFile& file);
  // Shows (print false) or prints (print true) one stored poll in the report form.
  virtual void Present(bool print, qint32 pollId);
  virtual void ExportReport(const QString& text);

  // The options form, when the report has one; true when it closed with OK.
  bool MntRptOpts();
  // Opens the report's own table into the cursor: made ready (PrepareTable), then opened.
  // A table that cannot be opened is reported as corrupted and left closed.
  void OpenTable(TTable& table);
  // Makes the report's own table ready without a cursor on it: checked, its structure
  // read, its backup copy brought up to date. Answers the structure, or nothing (after
  // the corrupted-table message) when the table cannot be read. A save needs no more.
  std::optional<TTableDef> PrepareTable();
  // The AllPolls cursor that AddPoll wrote to: the staging copy's during a save, else the
  // application-wide one.
  TTable& PollsTable();

  // The table of stored polls, shared by the whole program.
  static void OpenAllPolls();
  static void DefineAllPolls(TTable& table);
  static TTableDef AllPollsDef();
  static void CheckAllPolls(const TDefValues& arguments);

protected:
  // For AfterReadBlockFile: decodes the same file into the next section as part of this
  // save. The section's rows follow this report's in "Poll Id" order.
  void ReadChained(tEcrRpt& next, QFile& file);

private:
  void DecodeInto(TPollSave& save, QFile& file);
  void AfterSaved(TPollSave& save);
  bool IsFinancialHead() const;
  bool IsFinancialSection() const;

  TPollSave* joined_ = nullptr; // the save this report takes part in while it decodes
  bool decoding_ = false;
  // What the last save wrote: poll ids first .. last of AllPolls and these tables.
  struct SavedPoll {
    QStringList tables;
    qint32 first = 0;
    qint32 last = -1;
  };
  SavedPoll lastSaved_;
};
