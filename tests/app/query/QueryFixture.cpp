#include "QueryFixture.h"

#include "Crs3000StandIns.h"
#include "TestSupport.h"
#include "crs3000/Crs3000RomClasses.h"
#include "platform/engine/TTable.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "platform/sys/Cp1252.h"

#include <QFile>

using TestSupport::Hex;

QueryFixture::QueryFixture() {
  StandIns::RegisterAll();
  CloseMachineFile();
  Logged().clear();
  previousHandler_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtWarningMsg) Logged().append(text);
  });
}

QueryFixture::~QueryFixture() {
  qInstallMessageHandler(previousHandler_);
  CloseMachineFile();
}

QStringList& QueryFixture::Logged() {
  static QStringList logged;
  return logged;
}

void QueryFixture::AddCrsMachine(const QString& id) {
  tMachine machine;
  machine.MachineId = id;
  machine.StoreNumber = 7;
  machine.MachineNumber = 2;
  machine.SetEcr(tEcr::New(tEcrCrs3000V0302::StaticClass()));
  AddMachine(machine);
}

qint32 QueryFixture::SaveFinancialPoll(const QString& machineId) {
  const std::unique_ptr<tMachine> machine = FindMachine(machineId);
  tEcrRpt* head = machine->Ecr()->FindRptByClass(QStringLiteral("tEcrRptCrs3000Financial"));
  EXPECT_NE(head, nullptr);
  const QByteArray header = Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1);
  // The first totaliser of the sales section: -12.34, counted 56 times; the first of the
  // receipts section (at 409): 123.45.
  QByteArray record = Hex("00 00 00 01 23 4D  00 00 00 05 6C") + QByteArray(1296 - 11, '\0');
  record.replace(409, 6, Hex("00 00 00 12 34 5C"));
  QFile file(WorkFile(QStringLiteral("fncl.blk"), {header, Framed(record, 2)}));
  head->ReadBlockFile(file);
  return head->PollId;
}

void QueryFixture::AddPlus(const QString& machineId, const QList<std::tuple<int, QString, double>>& rows) {
  const std::unique_ptr<tMachine> machine = FindMachine(machineId);
  TTable& table = machine->Ecr()->FindPrgByClass(QStringLiteral("tEcrPrgCrs3000PLU"))->OpenTable();
  for (const auto& [code, name, price] : rows) {
    table.Append();
    table.FieldByName(QStringLiteral("PluCode")).SetAsFloat(code);
    table.FieldByName(QStringLiteral("Descriptor")).SetAsString(name);
    table.FieldByName(QStringLiteral("PriceHalo")).SetAsFloat(price);
    table.Post();
  }
}

QStringList QueryFixture::Lines(const QString& path) {
  const QByteArray bytes = TestSupport::ReadFile(path);
  if (bytes.isEmpty()) return {};
  EXPECT_TRUE(bytes.endsWith("\r\n")) << "the last line of " << path.toStdString() << " has no CR LF";
  QStringList lines = Cp1252::Decode(bytes).split(QStringLiteral("\r\n"));
  lines.removeLast();
  for (const QString& line : lines) EXPECT_FALSE(line.contains(QLatin1Char('\n'))) << "a bare LF in " << path.toStdString();
  return lines;
}
