#include "crs3000/Crs3000CashierRecord.h"

#include <QByteArray>
#include <QString>
#include <deque>
#include <mutex>

namespace {
using C = EcrCoding;
using T = TFieldType;

// A totaliser of the record: its total (money, two decimals) and then its count, either
// of which the register may not keep. A run of like totalisers follows one another, each
// named with its number (digits wide, leading zeros) in place of "%1".
struct Totaliser {
  const char* name;
  int offset;
  int totalWidth;     // 0: no total
  int countWidth;     // 0: no count
  int run = 1;
  int digits = 1;
  bool plain = false; // the total's column is the name itself, without " Total"
  int unused = 0;     // bytes after the totaliser that the record holds but no column stores
};

// In record order; the table has each count before its total.
const Totaliser kRecord[] = {
    {"Item Sales", 0, 6, 5},
    {"PLU Item", 11, 6, 5},
    {"Coupon", 22, 6, 3},
    {"Discount", 31, 6, 5},
    {"Net Sales", 42, 6, 0},
    {"Tax", 48, 6, 0},
    {"Subtotal Percent", 54, 6, 3},
    {"Guest Check Sold", 63, 6, 3},
    {"Promotion", 72, 6, 5},
    {"Gross Sales", 83, 6, 0},
    {"No Sale", 89, 0, 3},
    {"Customers", 92, 0, 3},
    {"Number of Guests", 95, 0, 3},
    {"Guests", 98, 0, 3},
    {"Refund", 101, 6, 5},
    {"Error Correct", 112, 6, 5},
    {"Void", 123, 6, 5},
    {"Cancel", 134, 6, 5},
    {"Transaction Void", 145, 6, 5},
    {"Negative Sales", 156, 6, 5},
    {"Waste", 167, 6, 5},
    {"Received Account", 178, 6, 3},
    {"Paid Out", 187, 6, 3},
    {"Cash Drawer", 196, 6, 3},
    {"Cash Drawer Declare", 205, 6, 0, 1, 1, true},
    {"Cash Over Short", 211, 6, 0},
    {"Check Drawer", 217, 6, 3},
    {"Check Drawer Declare", 226, 6, 0, 1, 1, true},
    {"Check Over Short", 232, 6, 0},
    {"Charge Drawer", 238, 6, 3},
    {"Foreign Currency %1", 247, 6, 0, 5, 1},
    {"Guest Check Redeem", 277, 6, 3},
    {"Major Group %1", 286, 6, 5, 20, 2},
    {"Major Group", 506, 6, 5},
    {"Number of Guest", 517, 0, 6},
    {"Begin Check", 523, 0, 3},
    {"Service", 526, 6, 3},
    {"Transfer In", 535, 6, 3},
    {"Transfer Out", 544, 6, 3},
    {"Paid Check", 553, 6, 3},
    {"Open Checks", 562, 6, 3},
    {"Take Out Sales", 571, 6, 3},
    {"Estimated Tips", 580, 6, 0},
    {"Gross Charge Tips", 586, 6, 3},
    {"CC Tips Fee", 595, 6, 0},
    {"Net Charge Tips", 601, 6, 0},
    {"Cash Tips", 607, 6, 3},
    {"All Tips", 616, 6, 0},
    {"Charge Tips PO", 622, 6, 3},
    {"Charge %1", 631, 6, 3, 10, 2},
    {"Round Account", 721, 6, 0},
    {"Daily Edit", 727, 0, 3},
    {"Weekly Edit", 730, 0, 3},
    {"Period Edit", 733, 0, 3},
    {"Cash Deposit", 736, 6, 3},
    {"Deposit Unused", 745, 6, 3},
    {"GC Change", 754, 6, 0, 1, 1, false, 3},
};

// What ROM versions 3.03 to 3.05 add.
const Totaliser kDebitCard{"Debit Card", 763, 6, 3, 1, 1, false, 6};

// Column names live as long as the layouts that point at them; the two layouts may be
// built at once on two threads.
const char* Kept(const QString& name) {
  static std::mutex lock;
  static std::deque<QByteArray> names;
  const std::lock_guard<std::mutex> guard(lock);
  return names.emplace_back(name.toLatin1()).constData();
}

QString NameOf(const Totaliser& totaliser, int index) {
  const QString name = QString::fromLatin1(totaliser.name);
  return totaliser.run == 1 ? name : name.arg(index + 1, totaliser.digits, 10, QLatin1Char('0'));
}

void Append(std::vector<EcrColumn>& columns, const Totaliser& totaliser) {
  const int total = totaliser.totalWidth;
  const int count = totaliser.countWidth;
  for (int i = 0; i < totaliser.run; ++i) {
    const QString name = NameOf(totaliser, i);
    const int at = totaliser.offset + i * (total + count + totaliser.unused);
    if (count > 0)
      columns.push_back({Kept(name + QLatin1String(" Count")), T::Long, 0, C::Totaliser, {{at + total, count}}});
    if (total > 0) {
      const QString column = totaliser.plain ? name : name + QLatin1String(" Total");
      columns.push_back({Kept(column), T::Money, 0, C::Totaliser, {{at, total}}, 100});
    }
    if (totaliser.unused > 0)
      columns.push_back({nullptr, T::Long, 0, C::Reserved, {{at + total + count, totaliser.unused}}});
  }
}

std::vector<EcrColumn> Columns(bool debitCard) {
  std::vector<EcrColumn> columns;
  for (const Totaliser& totaliser : kRecord) Append(columns, totaliser);
  if (debitCard) Append(columns, kDebitCard);
  return columns;
}
} // namespace

namespace Crs3000CashierRecord {
const EcrLayout& Layout763() {
  static const EcrLayout layout{{763}, Columns(false)};
  return layout;
}

const EcrLayout& Layout778() {
  static const EcrLayout layout{{778}, Columns(true)};
  return layout;
}
} // namespace Crs3000CashierRecord
