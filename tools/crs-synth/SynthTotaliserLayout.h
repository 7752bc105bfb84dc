#pragma once
// A register record made of totalisers, written from a table of rows as the record's
// description gives them: one row a totaliser or a run of numbered ones, or a gap. In the
// record a totaliser's total (signed BCD) comes before its count (signed BCD); in the table
// its count column comes before its total column.
#include "crs-synth/SynthRow.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>

class SynthRandom;

struct SynthTotaliserRun {
  enum Flag { kBare = 1, kCountUnstored = 2, kGap = 4 };
  QString prefix; // the name, or the names' common start
  int members = 0; // 0: one totaliser named `prefix`; n: prefix + 1 .. n
  int digits = 1; // width of the member numbers (2: "01")
  int totalWidth = 0; // 0: no total bytes; with kGap: the bytes skipped
  int countWidth = 0; // 0: no count bytes
  int totalScale = 100; // 100: money in cents; 1: whole units stored as money
  int flags = 0; // kBare: the column has no " Total"/" Count" suffix
};

class SynthTotaliserLayout {
public:
  // The raw BCD values of one record, by column name.
  using Record = QHash<QString, qint64>;

  explicit SynthTotaliserLayout(const QList<SynthTotaliserRun>& runs);

  int RecordSize() const { return size_; }
  QStringList Columns() const; // in table order
  int OffsetOf(const QString& column) const; // the column's bytes in the record
  bool Has(const QString& column) const { return columns_.contains(column); }

  Record Generate(SynthRandom& random) const;
  // Sets a column from its printed value ("-15.00" for money); throws SynthValueError for an
  // unknown column or a value its field cannot hold.
  void Set(Record& record, const QString& column, const QString& value) const;
  // Gap and unstored bytes are filled from `random` so that a reader of them is caught.
  QByteArray Encode(const Record& record, SynthRandom& random) const;
  Record Decode(const QByteArray& bytes, qsizetype at) const;
  void AddTo(SynthRow& row, const Record& record) const;

private:
  struct Part {
    QString column;
    int offset = 0;
    int width = 0;
    bool total = false;
    int scale = 1;
  };
  QList<Part> parts_; // in record order
  QHash<QString, int> columns_; // column -> index in parts_
  QStringList tableOrder_;
  int size_ = 0;
  QList<std::pair<int, int>> filler_; // offset, width of bytes no column holds

  const Part& PartOf(const QString& column) const;
  void AddRun(const SynthTotaliserRun& run, const QString& name);
};
