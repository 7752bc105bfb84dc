#include "crs-synth/SynthPeriodShapes.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFamilies.h"

#include <memory>

namespace SynthPeriodShapes {

namespace {
using K = SynthField::Kind;
const QString kMemory = QStringLiteral("Memory Number");

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// Records numbered from 1 whose fields are the row's columns in table order after the number.
class Numbered : public SynthRecordShape {
public:
  Numbered(int size, QList<SynthField> fields, QStringList order, int perBlock)
      : SynthRecordShape(size, std::move(fields)), order_(std::move(order)), perBlock_(perBlock) {}
  int PerBlock() const override { return perBlock_; }
  QList<SynthRow> Rows(const Record& record, int number, const QMap<int, QString>&, const QMap<int, QString>&) const override {
    SynthRow row;
    row.Add(kMemory, SynthValue::Integer(number));
    for (const QString& column : order_) row.Add(column, Stored(Field(column), record.value(column)));
    return {row};
  }

private:
  QStringList order_;
  int perBlock_;
};

class SalesLabourShape : public Numbered {
public:
  using Numbered::Numbered;
  QList<SynthRow> Rows(const Record& record, int number, const QMap<int, QString>& names,
                       const QMap<int, QString>& jobNames) const override {
    Record worked = record;
    // The register keeps 100 hours more than were worked; a period without labour holds 0.
    if (const qint64 hours = record.value(QStringLiteral("Labor Hours")); hours > 0)
      worked.insert(QStringLiteral("Labor Hours"), hours - 100000);
    return Numbered::Rows(worked, number, names, jobNames);
  }
};

class ProjectionShape : public SynthRecordShape {
public:
  ProjectionShape(int day, QList<SynthField> fields) : SynthRecordShape(392, std::move(fields)), day_(day) {}
  int PerBlock() const override { return 5; }
  bool PollTypeFromReset() const override { return true; }
  QList<SynthRow> Rows(const Record& record, int number, const QMap<int, QString>& names,
                       const QMap<int, QString>&) const override {
    SynthRow row;
    row.Add(QStringLiteral("Day"), SynthValue::Integer(day_));
    row.Add(kMemory, SynthValue::Integer(number));
    row.Add(QStringLiteral("Name"), SynthValue::Text(SynthFamilies::NameOf(names, number)));
    for (int p = 1; p <= 48; ++p)
      for (int w = 1; w <= 4; ++w) {
        const QString column = QStringLiteral("Period %1 Week %2").arg(TwoDigits(p)).arg(w);
        row.Add(column, SynthValue::Integer(record.value(column)));
      }
    return {row};
  }

private:
  int day_;
};

class ProductMixShape : public SynthRecordShape {
public:
  ProductMixShape(int periods, int perBlock, QList<SynthField> fields)
      : SynthRecordShape(3 + 12 * periods, std::move(fields)), periods_(periods), perBlock_(perBlock) {}
  int PerBlock() const override { return perBlock_; }
  QList<SynthRow> Rows(const Record& record, int number, const QMap<int, QString>& names,
                       const QMap<int, QString>&) const override {
    SynthRow row;
    row.Add(kMemory, SynthValue::Integer(number));
    row.Add(QStringLiteral("Name"), SynthValue::Text(SynthFamilies::NameOf(names, number)));
    row.Add(QStringLiteral("Pieces"), SynthValue::Integer(record.value(QStringLiteral("Pieces"))));
    // The periods the register did not send are stored as 0.
    for (int p = 1; p <= 48; ++p) {
      const QString period = QStringLiteral("Time Period ") + TwoDigits(p);
      row.Add(period + QStringLiteral(" Count"), SynthValue::Integer(record.value(period + QStringLiteral(" Count"))));
      row.Add(period + QStringLiteral(" Total"), SynthValue::Cents(record.value(period + QStringLiteral(" Total"))));
    }
    return {row};
  }

private:
  int periods_;
  int perBlock_;
};

class TimeKeepingShape : public SynthRecordShape {
public:
  explicit TimeKeepingShape(QList<SynthField> fields) : SynthRecordShape(49, std::move(fields)) {}
  int PerBlock() const override { return 40; }
  bool PollTypeFromReset() const override { return true; }
  // Four rows an employee, one a job entry; the tips on the first.
  QList<SynthRow> Rows(const Record& record, int number, const QMap<int, QString>& names,
                       const QMap<int, QString>& jobNames) const override {
    QList<SynthRow> rows;
    for (int entry = 1; entry <= 4; ++entry) {
      const auto value = [&](const char* field) { return record.value(QStringLiteral("%1 %2").arg(QLatin1String(field)).arg(entry)); };
      const int job = int(value("Job Code"));
      SynthRow row;
      row.Add(QStringLiteral("Employee No"), SynthValue::Integer(number));
      row.Add(QStringLiteral("Job Code"), SynthValue::Integer(job));
      row.Add(QStringLiteral("Sequence"), SynthValue::Integer(entry));
      row.Add(QStringLiteral("Name"), SynthValue::Text(SynthFamilies::NameOf(names, number)));
      row.Add(QStringLiteral("Job Name"), SynthValue::Text(SynthFamilies::NameOf(jobNames, job)));
      row.Add(QStringLiteral("Tips"), SynthValue::Cents(entry == 1 ? record.value(QStringLiteral("Tips")) : 0));
      row.Add(QStringLiteral("Regular Hrs"), SynthValue::Cents(value("Regular Hrs")));
      row.Add(QStringLiteral("Over Time Hrs"), SynthValue::Cents(value("Over Time Hrs")));
      rows << row;
    }
    return rows;
  }
};
} // namespace

const SynthRecordShape& TimePeriod() {
  static const Numbered shape(9, {{"Customer", 0, 3, true, K::Integer}, {"Total", 3, 6, true, K::Cents, 11}},
                              {"Customer", "Total"}, 48);
  return shape;
}

const SynthRecordShape& TimePeriodByGroup() {
  static const std::unique_ptr<Numbered> shape = [] {
    QList<SynthField> fields;
    QStringList order;
    for (int g = 1; g <= 21; ++g) {
      const QString name = g <= 20 ? QStringLiteral("Group ") + TwoDigits(g) : QStringLiteral("All Groups");
      const int at = 11 * (g - 1);
      fields << SynthField{name + QStringLiteral(" Total"), at, 6, true, K::Cents, 11}
             << SynthField{name + QStringLiteral(" Count"), at + 6, 5, true, K::Integer};
      order << name + QStringLiteral(" Count") << name + QStringLiteral(" Total");
    }
    return std::make_unique<Numbered>(231, fields, order, 6);
  }();
  return *shape;
}

const SynthRecordShape& SalesLabour() {
  static const SalesLabourShape shape(20,
                                      {{"Customers", 0, 3, true, K::Integer},
                                       {"Total", 3, 6, true, K::Cents, 11},
                                       {"Labor Hours", 9, 5, false, K::Thousandths, 10},
                                       {"Labor Cost", 14, 6, true, K::Cents, 11}},
                                      {"Customers", "Total", "Labor Hours", "Labor Cost"}, 48);
  return shape;
}

const SynthRecordShape& Projection(int day) {
  static const QList<std::shared_ptr<ProjectionShape>> shapes = [] {
    QList<SynthField> fields;
    for (int p = 1; p <= 48; ++p)
      for (int w = 1; w <= 4; ++w)
        fields << SynthField{QStringLiteral("Period %1 Week %2").arg(TwoDigits(p)).arg(w), 8 * (p - 1) + 2 * (w - 1), 2, true, K::Integer};
    QList<std::shared_ptr<ProjectionShape>> all;
    for (int d = 1; d <= 7; ++d) all << std::make_shared<ProjectionShape>(d, fields); // bytes 384 to 391 unused
    return all;
  }();
  if (day < 1 || day > 7) throw SynthValueError(QStringLiteral("No weekday %1").arg(day));
  return *shapes[day - 1];
}

const SynthRecordShape& ProductMix(int periods) {
  static const QMap<int, std::shared_ptr<ProductMixShape>> shapes = [] {
    QMap<int, std::shared_ptr<ProductMixShape>> all;
    for (const auto& [count, perBlock] : {std::pair(12, 12), std::pair(24, 6), std::pair(36, 4), std::pair(48, 3)}) {
      // Pieces fit the table's short integer column.
      QList<SynthField> fields{{QStringLiteral("Pieces"), 0, 3, true, K::Integer, 4}};
      for (int p = 1; p <= count; ++p) {
        const QString period = QStringLiteral("Time Period ") + TwoDigits(p);
        fields << SynthField{period + QStringLiteral(" Total"), 3 + 12 * (p - 1), 6, true, K::Cents, 11}
               << SynthField{period + QStringLiteral(" Count"), 9 + 12 * (p - 1), 6, true, K::Integer};
      }
      all.insert(count, std::make_shared<ProductMixShape>(count, perBlock, fields));
    }
    return all;
  }();
  if (!shapes.contains(periods))
    throw SynthValueError(QStringLiteral("A product mix record holds 12, 24, 36 or 48 periods, not %1").arg(periods));
  return *shapes.value(periods);
}

const SynthRecordShape& TimeKeeping() {
  static const TimeKeepingShape shape = [] {
    QList<SynthField> fields{{QStringLiteral("Tips"), 0, 5, true, K::Cents}};
    for (int entry = 1; entry <= 4; ++entry) {
      const int at = 5 + 11 * (entry - 1);
      fields << SynthField{QStringLiteral("Job Code %1").arg(entry), at, 1, false, K::Integer}
             << SynthField{QStringLiteral("Regular Hrs %1").arg(entry), at + 1, 5, true, K::Cents}
             << SynthField{QStringLiteral("Over Time Hrs %1").arg(entry), at + 6, 5, true, K::Cents};
    }
    return TimeKeepingShape(fields);
  }();
  return shape;
}

} // namespace SynthPeriodShapes
