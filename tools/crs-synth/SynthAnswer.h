#pragma once
// The register's answer to one report read, and what a decoder must make of it. The blocks
// are stored frames as the work file keeps them: the poll header first, then the data
// blocks, numbered down to 0 in the order the register sends them.
#include "crs-synth/SynthPollHeader.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

struct SynthAnswer {
  int code = 0; // the report code of the read command
  QList<QByteArray> blocks;
  // "header", then per table a "table" line and its "row" lines (see the README).
  QStringList expectations;

  QString ExpectationText() const { return expectations.join(QLatin1Char('\n')) + QLatin1Char('\n'); }
};

// Collects a report's data blocks and expectations, then frames the blocks.
class SynthAnswerBuilder {
public:
  SynthAnswerBuilder(int code, const SynthPollHeader& header);
  // The AllPolls values in place of the header's own (a report that stores others).
  void SetHeaderRow(const SynthRow& row);
  void AddBlock(const QByteArray& data, int records);
  void AddTable(const QString& table, const QString& className, const QString& reportName, int pollOffset,
                const QList<SynthRow>& rows);
  SynthAnswer Finish() const;

private:
  int code_;
  QByteArray headerData_;
  QList<std::pair<QByteArray, int>> blocks_;
  QStringList expectations_;
};
