#pragma once
// A running SUM over the bands that printed: fed each time its band (the detail band unless
// told otherwise) prints, never by a vetoed one; reset when a generation starts and, for a
// group total, when its group starts. Null values add nothing; a sum that took no number is 0.
#include "reports/engine/RptValue.h"

#include <QString>

#include <functional>

class RptBand;

class RptSum {
public:
  using Value = std::function<RptValue()>;

  RptSum(QString name, Value value, const RptBand* fedBy, const RptBand* resetBy);

  const QString& Name() const { return name_; }
  const RptBand* FedBy() const { return fedBy_; }
  // A group header whose every new group resets the sum (nullptr: the whole report).
  const RptBand* ResetBy() const { return resetBy_; }

  void Reset() { total_ = RptValue(); }
  void Feed() { total_ = total_ + value_(); }
  RptValue Total() const;

private:
  QString name_;
  Value value_;
  const RptBand* fedBy_;
  const RptBand* resetBy_;
  RptValue total_;
};
