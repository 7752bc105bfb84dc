// The fuzz entry over work files, run on hand-made damaged files: every report class it
// can choose saves a whole poll or nothing, and fails only with the system's exceptions.
#include "CouponWork.h"
#include "WorkFileFuzz.h"

#include "TestSupport.h"
#include "crs-synth/Synthesiser.h"
#include "model/ModelFixture.h"
#include "platform/sys/TObject.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class WorkFileFuzzEntry : public ::testing::Test {
protected:
  // The input that makes the entry choose the class: its index, then the file.
  QByteArray Input(const QString& className, const QByteArray& file) {
    const QList<const TClass*> classes = WorkFileFuzz::ReportClasses();
    for (int i = 0; i < classes.size(); ++i)
      if (classes[i]->ClassName() == className) return QByteArray(1, char(i)) + file;
    ADD_FAILURE() << "no class " << className.toStdString();
    return {};
  }
  WorkFileFuzz::Outcome Run(const QByteArray& input) {
    return fuzz.Run(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
  }

  QTemporaryDir dir;
  WorkFileFuzz fuzz{dir.path()};
};

TEST_F(WorkFileFuzzEntry, TheClassesAreTheProgramsCrs3000ReportDecoders) {
  QStringList names;
  for (const TClass* cls : WorkFileFuzz::ReportClasses()) names << cls->ClassName();
  EXPECT_TRUE(names.contains(QStringLiteral("tEcrRptCrs3000Coupon"))) << names.join(' ').toStdString();
  EXPECT_FALSE(names.contains(QStringLiteral("tEcrRptCrs3000"))) << "the base decodes nothing of its own";
  EXPECT_LE(names.size(), 256) << "one input byte chooses among them";
}

TEST_F(WorkFileFuzzEntry, AWholePollIsStoredAndItsRowsCounted) {
  const WorkFileFuzz::Outcome outcome = Run(Input(QStringLiteral("tEcrRptCrs3000Coupon"), CouponWork::File(CouponWork::Poll(200))));
  EXPECT_TRUE(outcome.saved) << outcome.error.toStdString();
  EXPECT_EQ(outcome.newRows, 201) << "the AllPolls row and 200 coupons";
  EXPECT_EQ(outcome.violation, QString());
}

// The item and open-order decoders are among the entry's classes: a synthesised poll of
// each is stored whole, and the same poll cut short stores nothing.
TEST_F(WorkFileFuzzEntry, TheItemAndOpenOrderDecodersSaveWholePollsOrNothing) {
  const struct {
    const char* report;
    const char* decoder;
  } cases[] = {{"plu", "tEcrRptCrs3000PLU"},
               {"majgroup", "tEcrRptCrs3000MajorGroup"},
               {"subgroup", "tEcrRptCrs3000SubGroup"},
               {"invt", "tEcrRptCrs3000Invt"},
               {"spcitmstk", "tEcrRptCrs3000SpcItmStk"},
               {"opnordtrk1", "tEcrRptCrs3000OpnOrdTrk1"},
               {"opnordtrk1v4", "tEcrRptCrs3000OpnOrdTrk1V4"},
               {"opnordtrk2", "tEcrRptCrs3000OpnOrdTrk2"},
               {"opnordtrk2v4", "tEcrRptCrs3000OpnOrdTrk2V4"},
               {"opnordtrk3", "tEcrRptCrs3000OpnOrdTrk3"}};
  for (const auto& c : cases) {
    SynthRequest request;
    request.report = QLatin1String(c.report);
    request.records = 70;
    const SynthAnswer answer = Synthesiser::Synthesise(request);
    const QString path = dir.filePath(QStringLiteral("synth.ecr"));
    Synthesiser::WriteWorkFile(answer, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray work = file.readAll();
    const WorkFileFuzz::Outcome whole = Run(Input(QLatin1String(c.decoder), work));
    EXPECT_TRUE(whole.saved) << c.report << ": " << whole.error.toStdString();
    EXPECT_EQ(whole.newRows, 71) << c.report;
    EXPECT_EQ(whole.violation, QString()) << c.report;
    const WorkFileFuzz::Outcome cut = Run(Input(QLatin1String(c.decoder), work.chopped(5)));
    EXPECT_FALSE(cut.saved) << c.report;
    EXPECT_EQ(cut.newRows, 0) << c.report;
    EXPECT_EQ(cut.violation, QString()) << c.report;
  }
}

TEST_F(WorkFileFuzzEntry, DamagedFilesStoreNothingUnderEveryClass) {
  const QByteArray good = CouponWork::File(CouponWork::Poll(3));
  const QList<QByteArray> damaged = {
      QByteArray(),
      QByteArray("\x01\x00", 2),
      good.chopped(3),
      CouponWork::File({CouponWork::Header(), Framed(CouponWork::Record(5, 5) + TestSupport::Hex("00"), 2)}),
      CouponWork::File({CouponWork::Header()}).replace(4, 4, TestSupport::Hex("FF FF FF FF")),
      CouponWork::File({CouponWork::Header().left(5), Framed(CouponWork::Records(1, 2), 2)}),
      CouponWork::File({CouponWork::Header(), QByteArray(4096, '\xFF')}),
      CouponWork::File({Framed(QByteArray(), 1), Framed(QByteArray(), 2)}),
  };
  // A good poll first: a failed save must keep what is already stored.
  ASSERT_TRUE(Run(Input(QStringLiteral("tEcrRptCrs3000Coupon"), good)).saved);
  for (const TClass* cls : WorkFileFuzz::ReportClasses()) {
    for (int i = 0; i < damaged.size(); ++i) {
      const WorkFileFuzz::Outcome outcome = Run(Input(cls->ClassName(), damaged[i]));
      EXPECT_EQ(outcome.rptClass, cls->ClassName());
      EXPECT_EQ(outcome.violation, QString()) << cls->ClassName().toStdString() << " file " << i;
      if (!outcome.saved) {
        EXPECT_EQ(outcome.newRows, 0);
      }
    }
  }
  const WorkFileFuzz::Outcome cut = Run(Input(QStringLiteral("tEcrRptCrs3000Coupon"), damaged[2]));
  EXPECT_FALSE(cut.saved);
  EXPECT_EQ(cut.error, QStringLiteral("Read beyond end of file"));
}
} // namespace
