#pragma once
// The base of one programmable table of a register (PLUs, function keys, tax tables and
// so on). A program object owns its local table in the program database ("ProgDatabase",
// named ProgramID + "." + TableName), checks, creates, opens and pre-fills it, and moves
// its rows to and from a block file: the file a program is prepared in for sending and
// the file a received program arrives in.
//
// A receive is all or nothing: the blocks are decoded into a staging copy, and the local
// tables of the whole chain (the first table and every table handed the same file through
// AfterReadBlockFile) are replaced together in one transaction only when every block of
// every table decoded. A failed receive leaves every table and LastSvd as they were.
//
// A send refuses to start when a record cannot be encoded: WriteBlockFile raises
// EEncodeAborted (with the message "Got Exception ... Aborting") and the chain stops.
//
// Forms are reached through the form registry (requests in EcrForms.h): the maintenance
// form (GetMaintFormClass, a PrgMaintRequest), the options form (GetOptsFormClass, a
// PrgOptsRequest) and the "Save Progress" window of a long receive (SaveProgressRequest),
// which is left out when no window library has registered one.
#include "model/tEcrFnct.h"
#include "model/tEcrPrgCaps.h"
#include "platform/engine/TableDef.h"
#include "platform/engine/TblScnRecords.h"

#include <QString>
#include <memory>
#include <optional>

class QFile;
class TProgramReceive;
class tEcrPrgMaint;

// A send that stopped because a record could not be encoded.
TB_EXCEPTION(EEncodeAborted, Exception)

class EcrLayout;

class tEcrPrg : public tEcrFnct {
  TB_OBJECT(tEcrPrg)

public:
  explicit tEcrPrg(TBlank);
  ~tEcrPrg() override;

  // Stamps (0 = never) and the table-set name; the setters store only a different value.
  TDateTime LastMod() const { return lastMod_; }
  void SetLastMod(TDateTime value);
  TDateTime LastSvd() const { return lastSvd_; }
  void SetLastSvd(TDateTime value);
  TDateTime LastSnt() const { return lastSnt_; }
  void SetLastSnt(TDateTime value);
  const QString& ProgramID() const { return programID_; }
  void SetProgramID(const QString& value);

  // The constants of a table class, with the base values.
  virtual int GetBlkRestSize() const;        // 0
  virtual int GetLastBlk() const;            // 32767
  virtual int GetFirstBlk() const;           // 1
  virtual int GetBlkOffset() const;          // 0
  virtual int GetInitRecs() const;           // 1
  virtual QString GetPrintFormClass() const; // none ("")
  virtual QString GetDetailFormClass() const;
  virtual QString GetMaintFormClass() const;
  virtual int GetMaxRecsInBlk() const;       // 1
  virtual QString GetOptsFormClass() const;  // kNoOptionsForm
  virtual QString GetProgramID() const;      // ProgramID, or "Default" when empty
  virtual tEcrPrgCapSet GetPrgCapSet() const;
  virtual int GetPrgCode() const;            // 0
  virtual QString GetPrgName() const;        // "Undefined"
  // Makes the program's table object (a plain cursor in the base).
  virtual void CreateTable();
  // The next table of a chained transfer, or nullptr.
  virtual const TClass* NextPrgClass();
  // The record layout of a class written as data (see EcrLayout), or nullptr; and the
  // variant of it this class's records use.
  virtual const EcrLayout* RecordLayout() const; // nullptr
  virtual int LayoutVariant() const;             // 0
  // Encodes the table's current row into one register record at the position (by the
  // layout; a class without one overrides it).
  virtual void EncodeRecord(TTable& table, TEcrBlock& buffer, int recordIndex, int& position);
  // Decodes one record into the table's current row (by the layout, when there is one).
  void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) override;
  // Builds the next outgoing block; a blockLength of 0 ends the send. Nothing in the base.
  virtual void EncodeBlock(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table);
  // Stores the records of one received block (numbered BlkCount) into the table.
  virtual void DecodeBlock(TTable& table, const TEcrBlock& buffer);
  // Fills a new table with GetInitRecs blank records. Nothing in the base.
  virtual void PreFillTable(TTable& table);
  // The definitions the table is created from when it is missing (the layout's columns,
  // when there is one).
  virtual void DefineTable(TTable& table);
  // The structure declared to the table-definition library: the layout's columns, else none.
  virtual std::optional<TTableDef> DescribeTable() const;
  // The table check; raises the library's message (arguments: [false, folder]).
  virtual void CheckTables(const TDefValues& arguments);
  // Writes the table into a block file (a new one, or appended to the last block of a
  // chain's file). Leaves the file open for the caller.
  virtual void WriteBlockFile(QFile& file, bool isNew);
  virtual void AfterWriteBlockFile(QFile& file);
  // Reads a block file into the table (see the top of this file).
  virtual void ReadBlockFile(QFile& file);
  virtual void AfterReadBlockFile(QFile& file);
  // Opens the maintenance form ("Not Implemented" without one).
  virtual void Maintain();

  // The program's table, checked, created when missing, open and on its first row. It
  // belongs to the program.
  TTable& OpenTable();
  // Closes the table when the program has one.
  void CloseTable();
  // The options form, when the program has one; true when it closed with OK.
  bool MntPrgOpts();
  // The data source of the last Maintain, or nullptr.
  tEcrPrgMaint* MaintLink() const { return maint_.get(); }
  // The engine's name of the local table: GetProgramID + "." + GetTableName.
  QString LocalTableName() const;

  QString GetDataBaseName() const override;

protected:
  // For a chain's AfterReadBlockFile: reads the same file into the next program as part
  // of this receive, so that all tables of the chain are replaced together.
  void ReadChained(tEcrPrg& next, QFile& file);
  void SetTable(std::unique_ptr<TTable> table);
  TTable* Table() const { return table_.get(); }

private:
  void ReadInto(TProgramReceive& receive, QFile& file);
  void FillNewTable(TTable& table);

  TDateTime lastMod_;
  TDateTime lastSvd_;
  TDateTime lastSnt_;
  QString programID_;
  std::unique_ptr<tEcrPrgMaint> maint_;
  std::unique_ptr<TTable> table_;
  TProgramReceive* joined_ = nullptr; // the chain's receive this program takes part in
  bool receiving_ = false;
};
