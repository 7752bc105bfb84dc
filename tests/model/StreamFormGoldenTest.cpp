// The stored forms of a program, a report, a register driver and a machine, held to the byte
// against expected streams composed by hand from their layouts, and those same bytes read
// back into objects.
#include "model/StreamBytes.h"
#include "store/StreamedObjects.h"

#include "model/EcrStreamForm.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/containers/TArray.h"
#include "store/streaming/TObjectStream.h"

#include <gtest/gtest.h>
#include <limits>

using namespace StreamBytes;

namespace {
using StreamedObjects::ReadAll;
using StreamedObjects::Written;

class tGoldPrgAlpha final : public tEcrPrg {
  TB_OBJECT(tGoldPrgAlpha)
public:
  explicit tGoldPrgAlpha(TBlank blank) : tEcrPrg(blank) {}
  QString GetPrgName() const override { return QStringLiteral("Alpha"); }
};

class tGoldPrgBravo final : public tEcrPrg {
  TB_OBJECT(tGoldPrgBravo)
public:
  explicit tGoldPrgBravo(TBlank blank) : tEcrPrg(blank) {}
  QString GetPrgName() const override { return QStringLiteral("Bravo"); }
};

class tGoldRptTax final : public tEcrRpt {
  TB_OBJECT(tGoldRptTax)
public:
  explicit tGoldRptTax(TBlank blank) : tEcrRpt(blank) {}
  QString GetRptName() const override { return QStringLiteral("Tax"); }
};

class tGoldRptCash final : public tEcrRpt {
  TB_OBJECT(tGoldRptCash)
public:
  explicit tGoldRptCash(TBlank blank) : tEcrRpt(blank) {}
  QString GetRptName() const override { return QStringLiteral("Cashier"); }
};

class tGoldRptZone final : public tEcrRpt {
  TB_OBJECT(tGoldRptZone)
public:
  explicit tGoldRptZone(TBlank blank) : tEcrRpt(blank) {}
  QString GetRptName() const override { return QStringLiteral("Zone"); }
};

// Two programs in name order, three reports out of name order ("Tax" before "Cashier").
class tGoldEcr final : public tEcr {
  TB_OBJECT(tGoldEcr)
public:
  explicit tGoldEcr(TBlank blank) : tEcr(blank) {}
  void Create(TObject* owner) override {
    tEcr::Create(owner);
    AddPrg(tEcrFnct::New<tGoldPrgAlpha>(this));
    AddPrg(tEcrFnct::New<tGoldPrgBravo>(this));
    AddRpt(tEcrFnct::New<tGoldRptTax>(this));
    AddRpt(tEcrFnct::New<tGoldRptCash>(this));
    AddRpt(tEcrFnct::New<tGoldRptZone>(this));
  }
};
} // namespace

TB_DEFINE_CLASS(tGoldPrgAlpha, tEcrPrg)
TB_DEFINE_CLASS(tGoldPrgBravo, tEcrPrg)
TB_DEFINE_CLASS(tGoldRptTax, tEcrRpt)
TB_DEFINE_CLASS(tGoldRptCash, tEcrRpt)
TB_DEFINE_CLASS(tGoldRptZone, tEcrRpt)
TB_DEFINE_CLASS(tGoldEcr, tEcr)

namespace {
[[maybe_unused]] const bool registered = [] {
  EcrStreamForm::RegisterPrg(tGoldPrgAlpha::StaticClass());
  EcrStreamForm::RegisterPrg(tGoldPrgBravo::StaticClass());
  EcrStreamForm::RegisterRpt(tGoldRptTax::StaticClass());
  EcrStreamForm::RegisterRpt(tGoldRptCash::StaticClass());
  EcrStreamForm::RegisterRpt(tGoldRptZone::StaticClass());
  RegisterStreamable(tGoldEcr::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  return true;
}();



std::string HexText(const QByteArray& bytes) { return bytes.toHex(' ').toUpper().toStdString(); }

QByteArray Repeat(const QByteArray& bytes, int times) { return bytes.repeated(times); }

// The twenty parameters of an object as constructed: ten 64-bit zeros, ten integer zeros.
QByteArray ZeroParams() { return Repeat(Float(kExtZero), 10) + Repeat(Hex("02 00"), 10); }

// A program as its driver's constructor makes it: no stamps, the Program ID given.
QByteArray FreshPrg(const QByteArray& cls, const QByteArray& programId) {
  return Head(cls) + Str(programId) + Repeat(Float(kExtZero), 3) + ZeroParams();
}

QByteArray FreshRpt(const QByteArray& cls, const char* lastRead = kExtZero) {
  return Head(cls) + Float(lastRead) + ZeroParams();
}

// tGoldEcr with the Program ID "Own" on its second program and 46022.75 as the second
// report's LastRead.
QByteArray DriverBytes() {
  return Head("tGoldEcr") +
         ArrayHead("tEcrPrg", "ComparePrgs", /*count*/ 2, /*capacity*/ 2, /*delta*/ 1, /*sorted*/ true) +
         FreshPrg("tGoldPrgAlpha", "Default") +                   // an empty ID is stored as "Default"
         FreshPrg("tGoldPrgBravo", "Own") +                       //
         ArrayHead("tEcrRpt", "CompareRpts", 3, 3, 1, false) +    // "Tax" > "Cashier" cleared the flag
         FreshRpt("tGoldRptTax") + FreshRpt("tGoldRptCash", kExt46022_75) + FreshRpt("tGoldRptZone");
}

std::unique_ptr<tEcr> NewDriver() {
  std::unique_ptr<tEcr> ecr = tEcr::New(tGoldEcr::StaticClass());
  ecr->Prg(2)->SetProgramID(QStringLiteral("Own"));
  ecr->Rpt(2)->LastRead = TDateTime(46022.75);
  return ecr;
}

constexpr qint64 k2p53Plus1 = (qint64(1) << 53) + 1; // the first integer a double cannot hold
} // namespace

TEST(StreamFormGolden, AProgramIsItsIdThreeStampsAndTwentyParameters) {
  const std::unique_ptr<tGoldPrgAlpha> prg = tEcrFnct::New<tGoldPrgAlpha>(nullptr);
  prg->SetProgramID(QStringLiteral("Set9"));
  prg->SetLastMod(TDateTime(45000.5));
  prg->SetLastSnt(TDateTime(1.0));
  prg->SetCompParam(0, 1);
  prg->SetCompParam(1, -1);
  prg->SetCompParam(2, qint64(1) << 40);
  const qint32 ints[] = {127, 128, -129, 32767, 32768, -32769, -128, 0, 0, 0};
  for (int i = 0; i < 10; ++i) prg->SetIntParam(i, ints[i]);

  const QByteArray expected = Head("tGoldPrgAlpha") + // "TPF0", 06 0D name, version 01 00
                              Str("Set9") +           // ProgramID
                              Float(kExt45000_5) +    // LastMod
                              Float(kExtZero) +       // LastSvd: never
                              Float(kExtOne) +        // LastSnt
                              Float(kExtOne) +        // CompParams 0
                              Float(kExtMinusOne) +   // CompParams 1
                              Float(kExt2p40) +       // CompParams 2: 2^40
                              Repeat(Float(kExtZero), 7) + // CompParams 3..9
                              Hex("02 7F") +          // IntParams 0: 127, the 1-byte form
                              Hex("03 80 00") +       // IntParams 1: 128, the 2-byte form
                              Hex("03 7F FF") +       // IntParams 2: -129
                              Hex("03 FF 7F") +       // IntParams 3: 32767
                              Hex("04 00 80 00 00") + // IntParams 4: 32768, the 4-byte form
                              Hex("04 FF 7F FF FF") + // IntParams 5: -32769
                              Hex("02 80") +          // IntParams 6: -128
                              Repeat(Hex("02 00"), 3);                   // IntParams 7..9
  EXPECT_EQ(HexText(Written(prg.get())), HexText(expected));

  const std::unique_ptr<tEcrPrg> read = ReadAll<tEcrPrg>(expected);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ClassName(), "tGoldPrgAlpha");
  EXPECT_EQ(read->Owner(), nullptr); // read outside a driver
  EXPECT_EQ(read->ProgramID(), "Set9");
  EXPECT_EQ(read->LastMod(), TDateTime(45000.5));
  EXPECT_EQ(read->LastSvd(), TDateTime());
  EXPECT_EQ(read->LastSnt(), TDateTime(1.0));
  EXPECT_EQ(read->GetCompParamValue(0), 1);
  EXPECT_EQ(read->GetCompParamValue(1), -1);
  EXPECT_EQ(read->GetCompParamValue(2), qint64(1) << 40);
  for (int i = 3; i < 10; ++i) EXPECT_EQ(read->GetCompParamValue(i), 0) << i;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(read->GetIntParam(i), ints[i]) << i;
}

TEST(StreamFormGolden, AProgramWithoutIdIsStoredOnTheDefaultSet) {
  const std::unique_ptr<tGoldPrgBravo> prg = tEcrFnct::New<tGoldPrgBravo>(nullptr);
  const QByteArray expected = FreshPrg("tGoldPrgBravo", "Default");
  EXPECT_EQ(HexText(Written(prg.get())), HexText(expected));
  const std::unique_ptr<tEcrPrg> read = ReadAll<tEcrPrg>(expected);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ProgramID(), "Default");
}

TEST(StreamFormGolden, SixtyFourBitParametersKeepEveryBit) {
  // An 80-bit float holds any 64-bit value exactly: the ends of the range, and values past
  // the 53 bits of a double.
  const qint64 max = std::numeric_limits<qint64>::max();
  const qint64 min = std::numeric_limits<qint64>::min();
  const std::unique_ptr<tGoldRptTax> rpt = tEcrFnct::New<tGoldRptTax>(nullptr);
  rpt->SetCompParam(0, max);
  rpt->SetCompParam(1, min);
  rpt->SetCompParam(2, k2p53Plus1);
  rpt->SetCompParam(3, -k2p53Plus1);
  const QByteArray expected = Head("tGoldRptTax") + Float(kExtZero) + // LastRead
                              Float(kExtInt64Max) +                  // CompParams 0: 2^63 - 1
                              Float(kExtInt64Min) +                  // CompParams 1: -2^63
                              Float(kExt2p53Plus1) +                 // CompParams 2: 2^53 + 1
                              Float(kExtMinus2p53Plus1) +            // CompParams 3: -(2^53 + 1)
                              Repeat(Float(kExtZero), 6) + Repeat(Hex("02 00"), 10);
  EXPECT_EQ(HexText(Written(rpt.get())), HexText(expected));
  const std::unique_ptr<tEcrRpt> read = ReadAll<tEcrRpt>(expected);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->GetCompParamValue(0), max);
  EXPECT_EQ(read->GetCompParamValue(1), min);
  EXPECT_EQ(read->GetCompParamValue(2), k2p53Plus1);
  EXPECT_EQ(read->GetCompParamValue(3), -k2p53Plus1);
}

TEST(StreamFormGolden, AParameterChangedInItsLowestBitIsStoredChanged) {
  // Setting 2^53 + 1 over 2^53 is a change, though the two are one double.
  const std::unique_ptr<tGoldRptTax> rpt = tEcrFnct::New<tGoldRptTax>(nullptr);
  rpt->SetCompParam(0, k2p53Plus1 - 1);
  rpt->SetCompParam(0, k2p53Plus1);
  EXPECT_EQ(rpt->GetCompParamValue(0), k2p53Plus1);
  const QByteArray expected = Head("tGoldRptTax") + Float(kExtZero) + Float(kExt2p53Plus1) +
                              Repeat(Float(kExtZero), 9) + Repeat(Hex("02 00"), 10);
  EXPECT_EQ(HexText(Written(rpt.get())), HexText(expected));
}

TEST(StreamFormGolden, AReportIsItsLastReadAndTwentyParameters) {
  const std::unique_ptr<tGoldRptCash> rpt = tEcrFnct::New<tGoldRptCash>(nullptr);
  rpt->LastRead = TDateTime(45001.25);
  rpt->SetCompParam(9, -1);
  rpt->SetIntParam(3, 1);
  rpt->SetIntParam(4, 24);
  rpt->SetIntParam(5, 1);
  const QByteArray expected = Head("tGoldRptCash") +           //
                              Float(kExt45001_25) +            // LastRead
                              Repeat(Float(kExtZero), 9) +     // CompParams 0..8
                              Float(kExtMinusOne) +            // CompParams 9
                              Repeat(Hex("02 00"), 3) +        // IntParams 0..2
                              Hex("02 01  02 18  02 01") +     // IntParams 3..5: range 1..24, reset
                              Repeat(Hex("02 00"), 4);         // IntParams 6..9
  EXPECT_EQ(HexText(Written(rpt.get())), HexText(expected));
  const std::unique_ptr<tEcrRpt> read = ReadAll<tEcrRpt>(expected);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ClassName(), "tGoldRptCash");
  EXPECT_EQ(read->LastRead, TDateTime(45001.25));
  EXPECT_EQ(read->GetCompParamValue(9), -1);
  EXPECT_EQ(read->GetIntParam(3), 1);
  EXPECT_EQ(read->GetIntParam(4), 24);
  EXPECT_EQ(read->GetIntParam(5), 1);
}

TEST(StreamFormGolden, ParametersStoredWithoutTheirFloatsKeepTheirConstructedValues) {
  // Only the ten integers follow the stamps: each 64-bit parameter finds no float and stays
  // as constructed, and the integers are read as the integer parameters.
  QByteArray bytes = Head("tGoldPrgAlpha") + Str("Set2") + Float(kExtOne) + Float(kExtZero) + Float(kExtZero);
  for (int i = 0; i < 10; ++i) bytes += Hex("02") + char(i + 1);
  const std::unique_ptr<tEcrPrg> read = ReadAll<tEcrPrg>(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ProgramID(), "Set2");
  EXPECT_EQ(read->LastMod(), TDateTime(1.0));
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(read->GetCompParamValue(i), 0) << i;
    EXPECT_EQ(read->GetIntParam(i), i + 1) << i;
  }
}

TEST(StreamFormGolden, ADriverIsItsProgramArrayThenItsReportArray) {
  const std::unique_ptr<tEcr> ecr = NewDriver();
  EXPECT_EQ(HexText(Written(ecr.get())), HexText(DriverBytes()));

  const std::unique_ptr<tEcr> read = ReadAll<tEcr>(DriverBytes());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->ClassName(), "tGoldEcr");
  ASSERT_EQ(read->PrgCount(), 2);
  ASSERT_EQ(read->RptCount(), 3);
  EXPECT_EQ(read->Prg(1)->ClassName(), "tGoldPrgAlpha");
  EXPECT_EQ(read->Prg(2)->ClassName(), "tGoldPrgBravo");
  EXPECT_EQ(read->Prg(1)->ProgramID(), "Default");
  EXPECT_EQ(read->Prg(2)->ProgramID(), "Own");
  EXPECT_EQ(read->Rpt(1)->ClassName(), "tGoldRptTax");
  EXPECT_EQ(read->Rpt(2)->ClassName(), "tGoldRptCash");
  EXPECT_EQ(read->Rpt(3)->ClassName(), "tGoldRptZone");
  EXPECT_EQ(read->Rpt(2)->LastRead, TDateTime(46022.75));
  EXPECT_TRUE(read->Prgs()->Sorted());
  EXPECT_FALSE(read->Rpts()->Sorted());
  EXPECT_EQ(read->Rpts()->Capacity(), 3);
  for (int i = 1; i <= 2; ++i) EXPECT_EQ(read->Prg(i)->Owner(), read.get());
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(read->Rpt(i)->Owner(), read.get());
}

TEST(StreamFormGolden, AStoredArrayWithRoomToSpareIsTakenAsStored) {
  // An array of today's count but a larger capacity and another growth step.
  QByteArray bytes = DriverBytes();
  const QByteArray head = ArrayHead("tEcrPrg", "ComparePrgs", 2, 2, 1, true);
  bytes.replace(bytes.indexOf(head), head.size(), ArrayHead("tEcrPrg", "ComparePrgs", 2, 200, 50, true));
  const std::unique_ptr<tEcr> read = ReadAll<tEcr>(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Prgs()->Capacity(), 200);
  EXPECT_EQ(read->Prgs()->Delta(), 50);
  EXPECT_EQ(read->Prg(2)->ProgramID(), "Own");
}

TEST(StreamFormGolden, ADriverWithoutListsIsStoredAsTwoNilsAndReadWithTodaysLists) {
  std::unique_ptr<TObject> blank(tGoldEcr::StaticClass().NewBlank());
  const QByteArray expected = Head("tGoldEcr") + Nil() + Nil();
  EXPECT_EQ(HexText(Written(blank.get())), HexText(expected));
  const std::unique_ptr<tEcr> read = ReadAll<tEcr>(expected);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->PrgCount(), 2);
  EXPECT_EQ(read->RptCount(), 3);
}

namespace {
// A machine with a value at an edge of its stored form in every field it can have one.
std::unique_ptr<tMachine> EdgeMachine() {
  auto m = std::make_unique<tMachine>();
  m->MachineId = QStringLiteral("Front");
  m->CommPort = QStringLiteral("Direct to COM3");
  m->BaudRate = 9600;
  m->StoreNumber = 1;
  m->MachineNumber = 300;
  m->DialStr = QStringLiteral("5551234");
  m->ProgramID = QStringLiteral("Store7");
  m->Contact1 = QString(255, QLatin1Char('a'));
  m->Contact2 = QString(256, QLatin1Char('b'));
  m->SwitchNumber = 4;
  m->Address = QStringLiteral("1 Main St");
  m->State = QStringLiteral("OH");
  m->City = QStringLiteral("Z\u00FCrich");
  m->Currency = 200;
  m->Zip = 44301;
  m->Phone = QStringLiteral("(330) 555-1234");
  m->SwitchType = QStringLiteral("8 Port");
  return m;
}

QByteArray EdgeMachineFields() {
  return Head("tMachine") +                          //
         Str("Front") +                              // MachineId
         Str("Direct to COM3") +                     // CommPort
         Hex("03 80 25") +                           // BaudRate 9600
         Hex("06 00") +                              // ROMVersion: empty
         Hex("02 01") +                              // StoreNumber 1
         Hex("03 2C 01") +                           // MachineNumber 300
         Str("5551234") +                            // DialStr
         Str("Store7") +                             // ProgramID
         Hex("06 FF") + QByteArray(255, 'a') +       // Contact1: 255 bytes, the short form
         Hex("0C 00 01 00 00") + QByteArray(256, 'b') + // Contact2: 256 bytes, the long form
         Hex("02 04") +                              // SwitchNumber 4
         Str("1 Main St") +                          // Address
         Str("OH") +                                 // State
         Hex("06 06 5A FC 72 69 63 68") +            // City "Zürich", one byte a character
         Hex("03 C8 00") +                           // Currency 200: an integer, so two bytes
         Hex("04 0D AD 00 00") +                     // Zip 44301
         Str("(330) 555-1234") +                     // Phone
         Hex("06 00") +                              // Fax: empty
         Str("8 Port");                              // SwitchType
}

void ExpectEdgeFields(const tMachine& m) {
  const std::unique_ptr<tMachine> e = EdgeMachine();
  EXPECT_EQ(m.MachineId, e->MachineId);
  EXPECT_EQ(m.CommPort, e->CommPort);
  EXPECT_EQ(m.BaudRate, e->BaudRate);
  EXPECT_EQ(m.ROMVersion, e->ROMVersion);
  EXPECT_EQ(m.StoreNumber, e->StoreNumber);
  EXPECT_EQ(m.MachineNumber, e->MachineNumber);
  EXPECT_EQ(m.DialStr, e->DialStr);
  EXPECT_EQ(m.ProgramID, e->ProgramID);
  EXPECT_EQ(m.Contact1, e->Contact1);
  EXPECT_EQ(m.Contact2, e->Contact2);
  EXPECT_EQ(m.SwitchNumber, e->SwitchNumber);
  EXPECT_EQ(m.Address, e->Address);
  EXPECT_EQ(m.State, e->State);
  EXPECT_EQ(m.City, e->City);
  EXPECT_EQ(m.Currency, e->Currency);
  EXPECT_EQ(m.Zip, e->Zip);
  EXPECT_EQ(m.Phone, e->Phone);
  EXPECT_EQ(m.Fax, e->Fax);
  EXPECT_EQ(m.SwitchType, e->SwitchType);
}
} // namespace

TEST(StreamFormGolden, AMachineWithoutDriverIsItsNineteenFieldsThenNil) {
  const std::unique_ptr<tMachine> m = EdgeMachine();
  const QByteArray expected = EdgeMachineFields() + Nil();
  EXPECT_EQ(HexText(Written(m.get())), HexText(expected));
  const std::unique_ptr<tMachine> read = ReadAll<tMachine>(expected);
  ASSERT_TRUE(read);
  ExpectEdgeFields(*read);
  EXPECT_EQ(read->Ecr(), nullptr);
}

TEST(StreamFormGolden, AMachineCarriesItsDriverAsANestedObject) {
  const std::unique_ptr<tMachine> m = EdgeMachine();
  m->SetEcr(NewDriver());
  const QByteArray expected = EdgeMachineFields() + DriverBytes();
  EXPECT_EQ(HexText(Written(m.get())), HexText(expected));
  const std::unique_ptr<tMachine> read = ReadAll<tMachine>(expected);
  ASSERT_TRUE(read);
  ExpectEdgeFields(*read);
  ASSERT_TRUE(read->Ecr());
  EXPECT_EQ(read->Ecr()->ClassName(), "tGoldEcr");
  EXPECT_EQ(read->Ecr()->Owner(), read.get());
  EXPECT_EQ(read->Ecr()->Prg(2)->ProgramID(), "Own");
  EXPECT_EQ(read->Ecr()->Rpt(2)->LastRead, TDateTime(46022.75));
}

TEST(StreamFormGolden, AMachineOfAnotherStreamVersionIsRefused) {
  QByteArray bytes = EdgeMachineFields() + Nil();
  bytes[4 + 2 + 8] = 2; // the version's low byte, after "TPF0" and 06 08 "tMachine"
  TObjectStream stream(std::make_unique<TMemoryStream>(bytes));
  stream.Rewind();
  EXPECT_THROW(stream.ReadObject(), EClassVersionNotRegistered);
  EXPECT_EQ(stream.Stream().Position(), 0);
}
