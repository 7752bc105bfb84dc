#pragma once
// Rows a report reads. The master source gives one detail band a row: the engine rewinds it
// after the report's BeforePrint and walks it to the end. Auxiliary sources hold a current row
// that handlers position; the engine never moves them. Field names match without regard to
// letter case; a field the source lacks, and any field off the rows, reads as null.
#include "reports/engine/RptValue.h"

#include <QString>

class RptRowSource {
public:
  virtual ~RptRowSource() = default;
  // To the first row (AtEnd at once when there are none).
  virtual void Rewind() = 0;
  // Past the last row, or no rows at all.
  virtual bool AtEnd() const = 0;
  virtual void Next() = 0;
  // Back one row; from past the end, to the last row. Group footers and the summary read the
  // last row of their group through it.
  virtual void Prior() = 0;
  virtual RptValue Field(const QString& name) const = 0;
};

// The source that a name no one bound reads: no rows, every field null.
class RptEmptySource final : public RptRowSource {
public:
  void Rewind() override {}
  bool AtEnd() const override { return true; }
  void Next() override {}
  void Prior() override {}
  RptValue Field(const QString&) const override { return {}; }
};
