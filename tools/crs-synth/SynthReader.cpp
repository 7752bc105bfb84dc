#include "crs-synth/SynthReader.h"

#include "crs-synth/SynthClockPunch.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthFrame.h"
#include "crs-synth/SynthJournal.h"
#include "crs-synth/SynthOpenOrder.h"

namespace SynthReader {

namespace {
QString TableLine(const QString& table, const QString& className, const QString& report, int poll, qsizetype rows) {
  return QStringLiteral("table\t%1\tclass=%2\treport=%3\tpoll=+%4\trows=%5").arg(table, className, report).arg(poll).arg(rows);
}

int WholeRecords(const QByteArray& data, int size, int most, int block) {
  if (data.size() % size || data.size() / size > most)
    throw SynthFileError(QStringLiteral("Block %1 holds %2 data bytes, not whole records of %3 (at most %4)")
                             .arg(block).arg(data.size()).arg(size).arg(most));
  return int(data.size() / size);
}

QStringList ListRows(const SynthReportKind& kind, const QList<QByteArray>& data, const QMap<int, QString>& names,
                     const QMap<int, qint64>& codes) {
  const SynthTotaliserLayout& layout = *kind.layout;
  QStringList rows;
  for (int b = 0; b < data.size(); ++b) {
    const int n = WholeRecords(data[b], layout.RecordSize(), kind.perBlock, b + 2);
    for (int i = 0; i < n; ++i) {
      const int number = kind.perBlock * b + i + 1;
      const SynthRow row = SynthFamilies::ListRow(kind, names, codes, number,
                                                  layout.Decode(data[b], qsizetype(i) * layout.RecordSize()));
      rows << QStringLiteral("row\t") + row.Format();
    }
  }
  return rows;
}

QStringList PunchRows(const SynthReportKind& kind, const QList<QByteArray>& data, const QMap<int, QString>& names,
                      const QMap<int, QString>& jobNames) {
  QStringList rows;
  for (int b = 0; b < data.size(); ++b) {
    const int n = WholeRecords(data[b], SynthClockPunch::kSize, kind.perBlock, b + 2);
    for (int i = 0; i < n; ++i) {
      const SynthClockPunch punch = SynthClockPunch::Decode(data[b], qsizetype(i) * SynthClockPunch::kSize);
      const int employee = kind.perBlock / 4 * b + i / 4 + 1;
      SynthRow row;
      row.Add(QStringLiteral("Employee No"), SynthValue::Integer(employee));
      row.Add(QStringLiteral("Job Code"), SynthValue::Integer(punch.jobCode));
      row.Add(QStringLiteral("Sequence"), SynthValue::Integer(i % 4 + 1));
      row.Add(QStringLiteral("Name"), SynthValue::Text(SynthFamilies::NameOf(names, employee)));
      row.Add(QStringLiteral("Job Name"), SynthValue::Text(SynthFamilies::NameOf(jobNames, punch.jobCode)));
      punch.AddTimes(row);
      rows << QStringLiteral("row\t") + row.Format();
    }
  }
  return rows;
}

QStringList OrderRows(const SynthReportKind& kind, const QList<QByteArray>& data) {
  const int size = SynthOpenOrder::Size(kind.shape);
  QStringList rows;
  for (int b = 0; b < data.size(); ++b) {
    const int n = WholeRecords(data[b], size, kind.perBlock, b + 2);
    for (int i = 0; i < n; ++i)
      rows << QStringLiteral("row\t") + SynthOpenOrder::Decode(data[b], qsizetype(i) * size, kind.shape)
                                            .Row(kind.shape, kind.track, kind.perBlock * b + i + 1)
                                            .Format();
  }
  return rows;
}

QStringList JournalRows(const QList<QByteArray>& data) {
  QStringList rows;
  qint64 number = 0;
  for (const QByteArray& text : SynthJournal::Read(data))
    if (SynthJournal::Stored(text)) rows << QStringLiteral("row\t") + SynthJournal::Row(++number, text).Format();
  return rows;
}

QStringList FinancialTables(const SynthReportKind& kind, const QList<QByteArray>& data) {
  const QList<SynthFinancialSection> sections = SynthFinancialLayouts::Sections(kind.variant);
  int size = 0;
  for (const SynthFinancialSection& section : sections) size += section.layout->RecordSize();
  if (data.size() != 1 || data[0].size() != size)
    throw SynthFileError(QStringLiteral("A financial answer holds one data block of %1 bytes").arg(size));
  QStringList lines{TableLine(kind.table, kind.className, kind.reportName, 0, 0)};
  int at = 0;
  for (int s = 0; s < sections.size(); ++s) {
    const SynthFinancialSection& section = sections[s];
    const SynthRow row =
        SynthFinancialLayouts::SectionRow(section, section.layout->Decode(data[0], at), kind.variant);
    at += section.layout->RecordSize();
    lines << TableLine(section.table, section.className, section.report, s + 1, 1) << QStringLiteral("row\t") + row.Format();
  }
  return lines;
}
} // namespace

QStringList Expectations(const QString& report, const QList<QByteArray>& blocks, const QMap<int, QString>& names,
                         const QMap<int, QString>& jobNames, const QMap<int, qint64>& codes) {
  const SynthReportKind& kind = SynthReportKinds::Find(report);
  if (blocks.isEmpty()) throw SynthFileError(QStringLiteral("The answer has no poll header"));
  const SynthPollHeader header = SynthPollHeader::Decode(SynthFrame::Data(blocks[0]));
  const SynthRow headerRow = kind.family == SynthReportKind::Family::Journal ? SynthJournal::HeaderRow() : header.Row();
  QStringList lines{QStringLiteral("header\t") + headerRow.Format()};
  QList<QByteArray> data;
  for (qsizetype b = 1; b < blocks.size(); ++b) data << SynthFrame::Data(blocks[b]);
  switch (kind.family) {
  case SynthReportKind::Family::List: {
    const QStringList rows = ListRows(kind, data, names, codes);
    return lines << TableLine(kind.table, kind.className, kind.reportName, 0, rows.size()) << rows;
  }
  case SynthReportKind::Family::ClockPunches: {
    const QStringList rows = PunchRows(kind, data, names, jobNames);
    return lines << TableLine(kind.table, kind.className, kind.reportName, 0, rows.size()) << rows;
  }
  case SynthReportKind::Family::OpenOrders: {
    const QStringList rows = OrderRows(kind, data);
    return lines << TableLine(kind.table, kind.className, kind.reportName, 0, rows.size()) << rows;
  }
  case SynthReportKind::Family::Journal: {
    const QStringList rows = JournalRows(data);
    return lines << TableLine(kind.table, kind.className, kind.reportName, 0, rows.size()) << rows;
  }
  case SynthReportKind::Family::Financial:
    break;
  }
  return lines << FinancialTables(kind, data);
}

} // namespace SynthReader
