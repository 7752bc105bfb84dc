#include "crs3000/Crs3000FnclFields.h"

#include <cmath>

namespace {
// prefix + n + suffix for n = from..to, n written with at least `width` digits.
QStringList Series(const char* prefix, int from, int to, const char* suffix, int width = 1) {
  QStringList names;
  for (int n = from; n <= to; ++n)
    names.append(QString::fromLatin1(prefix) + QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')) +
                 QString::fromLatin1(suffix));
  return names;
}

QStringList Names(std::initializer_list<const char*> names) {
  QStringList list;
  for (const char* name : names) list.append(QString::fromLatin1(name));
  return list;
}

QStringList SalesNames() {
  return Names({"Item Sales Total", "Net Coupon Total"}) + Series("AItmDisc", 1, 10, " Total", 2) +
         Names({"PLU Item Total", "Adjust PLU Total", "Ven Coupon Total"}) + Series("BItmDisc", 1, 10, " Total", 2) +
         Series("St Disc", 1, 5, " Total") + Names({"Net Sales Total"}) + Series("Tax ", 1, 4, " Total") +
         Series("St Add On ", 1, 5, " Total") + Series("GC Sold ", 1, 3, " Total") +
         Names({"Promo Item Total", "PrmoItmSale Total", "Gross Sales Total", "Ystrday Gr Total", "GS Grand Total"});
}

QStringList ReceiptsNames() {
  return Series("Cash ", 1, 5, " Total") + Series("Check ", 1, 5, " Total") + Series("Charge ", 1, 10, " Total", 2) +
         Names({"A GC Redeem Total", "Gross Sales Total"}) + Series("Recd Acct ", 1, 5, " Total") +
         Series("Paid Out ", 1, 8, " Total") +
         Names({"CA In Dwr Total", "CA Dec Total", "CA Ovr Shrt Total", "Chk In Dwr Total", "Chk Dec Total",
                "Chk Ovr Shrt Total", "Chg In Dwr Total"}) +
         Series("Frgn Curr ", 1, 5, " Total") + Names({"B GC Redeem Total"});
}

QStringList MemoNames() {
  return Names({"Number Total", "Guests Total", "No Tax Sls Total", "NonTax Sls Total"}) +
         Series("Sales Tax ", 1, 4, " Total") +
         Names({"Eat In Sls Total", "TakeOut Sls Total", "Track1 Sls Total", "Track2 Sls Total", "Track 1 ST Total",
                "Track 1 RE Total", "Tr1 AvgTime Count", "Track 2 ST Total", "Track 2 RE Total", "Tr2 AvgTime Count",
                "Waste Total", "Cpn Trans Total"});
}

QStringList SysBalNames() {
  return Names({"Gross Sales Total", "Coupon Total", "Discount Total", "Refund Total", "Error Cor Total", "Void Total",
                "Cancel Total", "Trans Void Total", "PLU Total", "Negative Tax Total", "Neg Sales Total",
                "Daily Gross Total", "YesterdayGr Total", "NonReset Gr Total", "Training Gr Total"});
}

QStringList TblSvcNames() {
  return Names({"Service Total", "Transfer In Total", "Transfer Out Total", "Paid Check Total", "Est Tips Total",
                "Gr Chg Tips Total", "CC Tips Fee Total", "NetChg Tips Total", "Cash Tips Total", "All Tips Total",
                "ChgTips PO Total", "Round Acc Total", "Cash Dep Total", "Dep Unused Total", "GC Change Total",
                "Debit Card Total"});
}

struct Chain {
  const char* head;
  const char* sections[Crs3000FnclFields::SectionCount];
};

const Chain Chains[] = {
    {"tEcrRptCrs3000Financial",
     {"tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts", "tEcrRptCrs3000Memo", "tEcrRptCrs3000SysBal",
      "tEcrRptCrs3000TblSrvc"}},
    {"tEcrRptCrs3000Fncl224",
     {"tEcrRptCrs3000Sales224", "tEcrRptCrs3000Rcpts224", "tEcrRptCrs3000Memo224", "tEcrRptCrs3000SysBal224",
      "tEcrRptCrs3000TblSrvc224"}},
    {"tEcrRptCrs3000Fncl303",
     {"tEcrRptCrs3000Sales303", "tEcrRptCrs3000Rcpts303", "tEcrRptCrs3000Memo303", "tEcrRptCrs3000SysBal303",
      "tEcrRptCrs3000TblSrvc303"}},
};
} // namespace

namespace Crs3000FnclFields {
const QList<QStringList>& FnclFieldNames() {
  static const QList<QStringList> names = {SalesNames(), ReceiptsNames(), MemoNames(), SysBalNames(), TblSvcNames()};
  return names;
}

const QStringList& SectionPrefixes() {
  static const QStringList prefixes = Names({"Sales-", "Rcpts-", "Memo-", "SysBal-", "TblSvc-"});
  return prefixes;
}

int RomNumber(const QString& romName) {
  bool ok = false;
  const double value = romName.left(4).toDouble(&ok);
  return ok && std::isfinite(value) && std::fabs(value) < 1e6 ? int(std::lround(value * 100.0)) : 0;
}

QString HeadClass(int romNumber) {
  if (romNumber == 226 || romNumber == 302) return QStringLiteral("tEcrRptCrs3000Financial");
  if (romNumber >= 303 && romNumber <= 305) return QStringLiteral("tEcrRptCrs3000Fncl303");
  return QStringLiteral("tEcrRptCrs3000Fncl224");
}

QStringList SectionClasses(const QString& headClass) {
  for (const Chain& chain : Chains)
    if (headClass == QLatin1String(chain.head))
      return Names({chain.sections[0], chain.sections[1], chain.sections[2], chain.sections[3], chain.sections[4]});
  return {};
}
} // namespace Crs3000FnclFields
