#pragma once
// The memo section's computed lines, on the section form and on the financial forms: the
// average time of track 1 and of track 2 (in the count column), and the amount per customer
// (in the average column).
#include <QRectF>
#include <QString>

class RptLineChain;
class RptReport;

struct RptMemoStyle {
  bool paddedTime = true;         // 1:01:32, or 1:1:32 on the roll
  bool showPerCustomer = true;    // the roll shows the caption alone
  bool perCustomerNotZero = false;// under zero skip, the financial form also wants it non-zero
  QString perCustomerMask;        // empty: currency text
  QRectF timeRect{250, 2, 150, 16};  // the track time, in the count column
};

namespace RptFnclMemoLines {
void Fill(RptReport& report, const RptLineChain& memo, const QString& source, const RptMemoStyle& style);
} // namespace RptFnclMemoLines
