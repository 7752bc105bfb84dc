#pragma once
// The records of the period reports and time keeping, written from their descriptions as
// a list of numeric fields (offset, width, signed or not, how the table stores them) and
// the bytes no field holds. A shape draws, sets, writes and reads its records; each report
// says how a record becomes rows (SynthPeriodShapes).
#include "crs-synth/SynthRow.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>

class SynthRandom;

struct SynthField {
  enum class Kind { Integer, Cents, Thousandths };
  QString name;
  int offset = 0;
  int width = 0;
  bool isSigned = true;
  Kind kind = Kind::Integer;
  int digits = 9; // drawn values stay within this many digits (and within the field)
};

class SynthRecordShape {
public:
  using Record = QHash<QString, qint64>; // raw register numbers by field name

  SynthRecordShape(int size, QList<SynthField> fields);
  virtual ~SynthRecordShape() = default;

  int RecordSize() const { return size_; }
  // A full data block's records; also the numbering stride.
  virtual int PerBlock() const = 0;
  // A record's rows for the record's number in the answer.
  virtual QList<SynthRow> Rows(const Record& record, int number, const QMap<int, QString>& names,
                               const QMap<int, QString>& jobNames) const = 0;
  // True for the reports whose poll type is the reset option's ("X" unless reset).
  virtual bool PollTypeFromReset() const { return false; }

  virtual Record Generate(SynthRandom& random) const;
  // A field by name from its printed raw value: amounts as "-15.00" for Cents fields, the
  // register's figure in hours as "102.505" for Thousandths; throws SynthValueError.
  void Set(Record& record, const QString& field, const QString& value) const;
  // Bytes no field holds are filled with non-zero values from `random`.
  QByteArray Encode(const Record& record, SynthRandom& random) const;
  Record Decode(const QByteArray& bytes, qsizetype at) const;

  // The printed form of a field's value as the table stores it.
  static SynthValue Stored(const SynthField& field, qint64 raw);
  const SynthField& Field(const QString& name) const;

private:
  int size_;
  QList<SynthField> fields_;
  QList<bool> held_; // bytes some field holds
};
