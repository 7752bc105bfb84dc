#pragma once
// A row source whose current row a handler places by a key: a program table that names the
// lines of a report, the header row of a poll. RptNoRows stands for a table that is not
// there (a program the register does not have): it finds nothing and reads as empty, so a
// form keeps its design captions and still prints.
#include "reports/engine/RptRowSource.h"

class RptKeyedSource : public RptRowSource {
public:
  // Moves to the first row whose field equals the value; false (and off the rows, every
  // field null) when there is none.
  virtual bool Locate(const QString& field, const RptValue& value) = 0;
};

class RptNoRows final : public RptKeyedSource {
public:
  void Rewind() override {}
  bool AtEnd() const override { return true; }
  void Next() override {}
  void Prior() override {}
  RptValue Field(const QString&) const override { return {}; }
  bool Locate(const QString&, const RptValue&) override { return false; }
};
