#pragma once
// The electronic journal (code 96): the printed lines of the register's transactions, a
// stream of text entries that runs across the data blocks of the answer. Each entry
// becomes one row, numbered in the order received; an entry the register cut at the end
// of a block is read whole from the next (TEjCarry). Read from one register at a time.
//
// The journal reads its blocks itself (DecodeBlock) in place of the base's record loop;
// its layout is the one column an entry fills from its text, which also declares the
// table: "Poll Id", "Memory Number", "Entry" (40 characters).
#include "crs3000/TEjCarry.h"
#include "crs3000/tEcrRptCrs3000.h"

class tEcrRptCrs3000Ej : public tEcrRptCrs3000 {
  TB_OBJECT(tEcrRptCrs3000Ej)

public:
  explicit tEcrRptCrs3000Ej(TBlank blank) : tEcrRptCrs3000(blank) {}
  int GetRptCode() const override { return 96; }
  QString GetRptName() const override { return QStringLiteral("Electronic Journal"); }
  // Six entries a block of 256 bytes (the layout's record): the register's figures, which
  // play no part in decoding.
  int GetRecsInBlk() const override { return 6; }
  QString ReportFormClass() const override { return QStringLiteral("TQrEcrRptCrs3000Ej"); }
  QString GetOptsFormClass() const override { return QStringLiteral("TfmEcrRptOptCrs3000Ej"); }
  const EcrLayout* RecordLayout() const override;
  std::optional<TFieldType> RecordNumberType() const override { return TFieldType::Long; }

  // The poll header (block 1) starts a new poll; every later block adds a row for each
  // whole entry: "Poll Id", "Memory Number" := EntryNo and "Entry" := its text without
  // control characters (codes below 31). A text of three carriage returns is no entry.
  void DecodeBlock(TTable& table, const TEcrBlock& buffer) override;

  // Entries stored so far in this poll.
  qint32 EntryNo = 0;

private:
  void WriteEntry(TTable& table, TEjCarry::Text text);

  TEjCarry carry_;
  TEcrBlock entry_{}; // an entry's text as a record of the layout
};
