#pragma once
// What the synthesiser is asked for: the report, how many records, the seed of the values,
// and the values chosen by hand.
#include "crs-synth/SynthJournal.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <utility>

struct SynthOverride {
  QString where; // the record's place in the answer (1 = first), or a financial section's
                 // report name; empty: the first record, or the only section with the column
  QString column;
  QString value;

  // Reads "[where:]column=value"; throws SynthUsageError for text of another shape.
  static SynthOverride Parse(const QString& text);
};

// Bytes written over (or past the end of) a block's data after the answer is made, to make
// an answer a decoder must refuse: block 1 is the poll header, 2 the first data block.
struct SynthPatch {
  int block = 0;
  int offset = 0; // in the block's data; may lie at its end, to lengthen it
  QByteArray bytes;

  // Reads "block:offset=hex bytes"; throws SynthUsageError for text of another shape.
  static SynthPatch Parse(const QString& text);
};

struct SynthRequest {
  QString report; // a name of SynthReportKinds
  int records = -1; // -1: the report's default
  quint64 seed = 1;
  int perBlock = 0; // 0: as many records as a block of the report holds
  QList<SynthOverride> overrides;
  QList<std::pair<QString, QString>> header; // AllPolls field, value
  QMap<int, QString> names; // by employee or coupon number; "Undefined" where none
  QMap<int, QString> jobNames; // by job code (clock punches)
  // PLU: the code of a named PLU memory (0 when not given); special item stock: the PLU
  // memory an item stands for (0 when not given), named by `names`.
  QMap<int, qint64> codes;
  QList<SynthPatch> patches;
  SynthJournal::Cutting cutting; // the electronic journal: where its blocks end
};
