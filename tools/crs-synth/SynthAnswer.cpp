#include "crs-synth/SynthAnswer.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFrame.h"

SynthAnswerBuilder::SynthAnswerBuilder(int code, const SynthPollHeader& header)
    : code_(code), headerData_(header.Data()) {
  expectations_ << QStringLiteral("header\t") + header.Row().Format();
}

void SynthAnswerBuilder::SetHeaderRow(const SynthRow& row) { expectations_[0] = QStringLiteral("header\t") + row.Format(); }

void SynthAnswerBuilder::AddBlock(const QByteArray& data, int records) { blocks_.append({data, records}); }

void SynthAnswerBuilder::AddTable(const QString& table, const QString& className, const QString& reportName,
                                  int pollOffset, const QList<SynthRow>& rows) {
  expectations_ << QStringLiteral("table\t%1\tclass=%2\treport=%3\tpoll=+%4\trows=%5")
                       .arg(table, className, reportName)
                       .arg(pollOffset)
                       .arg(rows.size());
  for (const SynthRow& row : rows) expectations_ << QStringLiteral("row\t") + row.Format();
}

SynthAnswer SynthAnswerBuilder::Finish() const {
  const int total = int(blocks_.size()) + 1;
  if (total > 256) throw SynthValueError(QStringLiteral("An answer of %1 blocks cannot be numbered in one byte").arg(total));
  SynthAnswer answer;
  answer.code = code_;
  answer.expectations = expectations_;
  // The record count byte follows the program blocks' rule (0 from 256 up); decoders count by length.
  answer.blocks << SynthFrame::Stored(quint8(total - 1), 1, headerData_);
  for (qsizetype k = 0; k < blocks_.size(); ++k) {
    const auto& [data, records] = blocks_[k];
    answer.blocks << SynthFrame::Stored(quint8(total - 2 - k), quint8(records < 256 ? records : 0), data);
  }
  return answer;
}
