// The poll header block: the register's bytes for chosen values and the AllPolls values a
// decoder must make of them.
#include "SynthTestSupport.h"

#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthPollHeader.h"
#include "crs-synth/SynthRow.h"

#include "TestSupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace SynthTestSupport;
using TestSupport::Hex;

namespace {
SynthAnswer WithHeader(const QList<std::pair<QString, QString>>& header) {
  SynthRequest request = Request(QStringLiteral("coupon"), 0);
  request.header = header;
  return Make(request);
}

TEST(SynthPollHeader, ChosenValuesKnownBytes) {
  const SynthAnswer answer = WithHeader({{"Poll Type", "<"},
                                         {"Polled Area", "4"},
                                         {"Ecr Date", "2089-03-05"},
                                         {"Z Counter", "-123"},
                                         {"Misc Info 1", "4711"},
                                         {"Misc Info 2", "200"},
                                         {"Misc Info 3", "42"},
                                         {"Misc Data 1", "ABCDEFGHIJKLMNOPQRSTUVWX"}});
  ASSERT_EQ(answer.blocks.size(), 1);
  const QByteArray data = Data(answer, 0);
  ASSERT_EQ(data.size(), 36);
  EXPECT_EQ(data.left(16), Hex("00 0E 04 03 05 89 12 3D 47 11 C8 42 41 42 43 44"));
  EXPECT_EQ(answer.expectations.value(0),
            QStringLiteral("header\tEcr Date=2089-03-05\tPoll Type=<\tPolled Area=UNDEF\tZ Counter=-123\tMisc Info 1=4711\t"
                           "Misc Info 2=200\tMisc Info 3=42\tMisc Data 1=ABCDEFGHIJKLMNOPQRSTUVWX"));
}

TEST(SynthPollHeader, ZCounterFfffAndTheCenturyOfTheYear) {
  const SynthAnswer answer = WithHeader({{"Z Counter", "65535"}, {"Ecr Date", "1990-12-31"}, {"Polled Area", "2"}});
  const QByteArray data = Data(answer, 0);
  EXPECT_EQ(data.mid(6, 2), Hex("FF FF"));
  EXPECT_EQ(data.mid(3, 3), Hex("12 31 90"));
  const QString header = answer.expectations.value(0).mid(7);
  EXPECT_EQ(Field(header, QStringLiteral("Z Counter")), QStringLiteral("65535"));
  EXPECT_EQ(Field(header, QStringLiteral("Polled Area")), QStringLiteral("AREA 2"));
}

TEST(SynthPollHeader, RefusesValuesTheHeaderCannotCarry) {
  SynthPollHeader header;
  EXPECT_THROW(header.Set(QStringLiteral("Z Counter"), QStringLiteral("1000")), SynthValueError);
  EXPECT_THROW(header.Set(QStringLiteral("Ecr Date"), QStringLiteral("2090-01-01")), SynthValueError);
  EXPECT_THROW(header.Set(QStringLiteral("Misc Data 1"), QStringLiteral("SHORT")), SynthValueError);
  EXPECT_THROW(header.Set(QStringLiteral("Poll Date"), QStringLiteral("x")), SynthValueError);
}

TEST(SynthPollHeader, FinancialSectionsShareTheHeaderLine) {
  const SynthAnswer answer = Make(QStringLiteral("financial"), -1, {}, 11);
  EXPECT_EQ(answer.expectations.filter(QRegularExpression(QStringLiteral("^header\t"))).size(), 1);
  EXPECT_EQ(SynthPollHeader::Decode(Data(answer, 0)).Row().Format(), answer.expectations.value(0).mid(7));
}
} // namespace
