#include "crs-synth/SynthTotaliserLayout.h"

#include "crs-synth/SynthBcd.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthRandom.h"

namespace {
// Counts go into long integer columns: nine digits at most, whatever the field holds.
constexpr int kCountDigits = 9;
} // namespace

SynthTotaliserLayout::SynthTotaliserLayout(const QList<SynthTotaliserRun>& runs) {
  for (const SynthTotaliserRun& run : runs) {
    if (run.flags & SynthTotaliserRun::kGap) {
      filler_.append({size_, run.totalWidth});
      size_ += run.totalWidth;
    } else if (run.members == 0) {
      AddRun(run, run.prefix);
    } else {
      for (int n = 1; n <= run.members; ++n)
        AddRun(run, run.prefix + QStringLiteral("%1").arg(n, run.digits, 10, QLatin1Char('0')));
    }
  }
}

void SynthTotaliserLayout::AddRun(const SynthTotaliserRun& run, const QString& name) {
  const bool bare = run.flags & SynthTotaliserRun::kBare;
  const auto add = [&](const QString& suffix, int width, bool total) {
    const QString column = bare ? name : name + suffix;
    if (columns_.contains(column)) throw SynthError(QStringLiteral("Column \"%1\" twice in a layout").arg(column));
    columns_.insert(column, int(parts_.size()));
    parts_.append({column, size_, width, total, total ? run.totalScale : 1});
    size_ += width;
  };
  QStringList order;
  if (run.totalWidth) {
    add(QStringLiteral(" Total"), run.totalWidth, true);
    order << parts_.last().column;
  }
  if (run.countWidth && (run.flags & SynthTotaliserRun::kCountUnstored)) {
    filler_.append({size_, run.countWidth});
    size_ += run.countWidth;
  } else if (run.countWidth) {
    add(QStringLiteral(" Count"), run.countWidth, false);
    order.prepend(parts_.last().column);
  }
  tableOrder_ << order;
}

QStringList SynthTotaliserLayout::Columns() const { return tableOrder_; }

const SynthTotaliserLayout::Part& SynthTotaliserLayout::PartOf(const QString& column) const {
  const auto it = columns_.find(column);
  if (it == columns_.end()) throw SynthValueError(QStringLiteral("No column \"%1\" in this record").arg(column));
  return parts_[*it];
}

int SynthTotaliserLayout::OffsetOf(const QString& column) const { return PartOf(column).offset; }

SynthTotaliserLayout::Record SynthTotaliserLayout::Generate(SynthRandom& random) const {
  Record record;
  for (const Part& part : parts_) {
    const int digits = 2 * part.width - 1;
    record.insert(part.column, random.SignedValue(part.total ? digits : std::min(digits, kCountDigits)));
  }
  return record;
}

void SynthTotaliserLayout::Set(Record& record, const QString& column, const QString& value) const {
  const Part& part = PartOf(column);
  qint64 raw = 0;
  if (part.total) {
    const qint64 cents = SynthValue::Parse(SynthValue::Kind::Money, value, column).number;
    if (part.scale == 1 && cents % 100)
      throw SynthValueError(QStringLiteral("%1 holds whole units, not \"%2\"").arg(column, value));
    raw = part.scale == 1 ? cents / 100 : cents;
  } else {
    raw = SynthValue::Parse(SynthValue::Kind::Integer, value, column).number;
  }
  SynthBcd::Signed(raw, part.width); // refuses what the field cannot hold
  record.insert(column, raw);
}

QByteArray SynthTotaliserLayout::Encode(const Record& record, SynthRandom& random) const {
  QByteArray bytes(size_, '\0');
  for (const Part& part : parts_) bytes.replace(part.offset, part.width, SynthBcd::Signed(record.value(part.column), part.width));
  for (const auto& [offset, width] : filler_)
    for (int i = 0; i < width; ++i) bytes[offset + i] = char(1 + random.Below(255));
  return bytes;
}

SynthTotaliserLayout::Record SynthTotaliserLayout::Decode(const QByteArray& bytes, qsizetype at) const {
  Record record;
  for (const Part& part : parts_) record.insert(part.column, SynthBcd::ReadSigned(bytes, at + part.offset, part.width));
  return record;
}

void SynthTotaliserLayout::AddTo(SynthRow& row, const Record& record) const {
  for (const QString& column : tableOrder_) {
    const Part& part = PartOf(column);
    const qint64 raw = record.value(column);
    row.Add(column, part.total ? SynthValue::Cents(part.scale == 1 ? raw * 100 : raw) : SynthValue::Integer(raw));
  }
}
