// The file the inventory export's writer produced for other readers (its own test keeps the
// fixture equal to what it writes), walked by this reader: the two agree on every field.
#include "InvFilePeer.h"

#include <QFile>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace InvFilePeer;

namespace {
struct ItemCase {
  qint64 plu;
  int itemNumber;
  qint64 quantity;
  qint64 amount;
};

void ExpectItems(const Header& header, const std::vector<ItemCase>& cases) {
  ASSERT_EQ(header.items.size(), qsizetype(cases.size()));
  for (size_t i = 0; i < cases.size(); ++i) {
    const Item& item = header.items[qsizetype(i)];
    SCOPED_TRACE(testing::Message() << "item " << i);
    EXPECT_EQ(item.plu, cases[i].plu);
    EXPECT_EQ(item.itemNumber, cases[i].itemNumber);
    EXPECT_EQ(item.quantity, cases[i].quantity);
    EXPECT_EQ(item.amount, cases[i].amount);
    EXPECT_EQ(item.quantityScale, 1000);
    EXPECT_EQ(item.amountScale, 1000);
  }
}
} // namespace

TEST(WriterFile, TheExportsTwoPollFileWalksWithEveryFieldAsWritten) {
  QString text;
  const auto refused = InvFilePeerCheck(QStringLiteral(TB_INVFILE_TWO_POLLS), &text);
  ASSERT_FALSE(refused.has_value()) << refused->toStdString();
  const Walk walk = WalkBytes([] {
    QFile file(QStringLiteral(TB_INVFILE_TWO_POLLS));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }());
  EXPECT_EQ(walk.recordCount, 7);
  ASSERT_EQ(walk.polls.size(), 2);

  const Header& first = walk.polls[0];
  EXPECT_EQ(first.record, 0);
  EXPECT_EQ(first.storeNumber, 12);
  EXPECT_EQ(first.machineNumber, 3);
  EXPECT_EQ(first.machineId, QByteArray("REG1"));
  EXPECT_EQ((std::tuple{first.ecrDate.day, first.ecrDate.month, first.ecrDate.year}), std::tuple(3, 3, 2026));
  EXPECT_EQ((std::tuple{first.pollDate.day, first.pollDate.month, first.pollDate.year}), std::tuple(4, 3, 2026));
  EXPECT_EQ((std::tuple{first.hour, first.minute}), std::tuple(10, 30));
  EXPECT_EQ(first.zCounter, 41);
  EXPECT_EQ((std::tuple{first.previous, first.next}), std::tuple(0, 4));
  ExpectItems(first, {{1234, 1, 2500, 12340}, {5, 2, 1000, 1990}, {-7, 3, -1500, -2500}});

  const Header& second = walk.polls[1];
  EXPECT_EQ(second.record, 4);
  EXPECT_EQ(second.storeNumber, 65535);
  EXPECT_EQ(second.machineNumber, 0);
  EXPECT_EQ(second.machineId, QByteArray("FRONT CO"));
  EXPECT_EQ((std::tuple{second.ecrDate.day, second.ecrDate.month, second.ecrDate.year}), std::tuple(31, 12, 2026));
  EXPECT_EQ((std::tuple{second.pollDate.day, second.pollDate.month, second.pollDate.year}), std::tuple(1, 1, 2027));
  EXPECT_EQ((std::tuple{second.hour, second.minute}), std::tuple(23, 59));
  EXPECT_EQ((std::tuple{second.previous, second.next}), std::tuple(0, 6));
  ExpectItems(second, {{999999999999999, 1, 1, 10}});

  EXPECT_EQ(walk.end.record, 6);
  EXPECT_EQ(walk.end.lastHeader, 4);
}
