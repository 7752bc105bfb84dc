#include "ProtoStandIns.h"

#include "model/EInOutError.h"
#include "model/EcrStreamForm.h"
#include "platform/engine/TTable.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"

namespace ProtoStandIns {
namespace {
constexpr char TpGrp[] = "tEcrRptCrs3000TpGrp";
constexpr char TpEatIn[] = "tEcrRptCrs3000TpEatIn";
constexpr char TpTakeOut[] = "tEcrRptCrs3000TpTakeOut";
constexpr char TpTrack1[] = "tEcrRptCrs3000TpTrack1";
constexpr char TpTrack2[] = "tEcrRptCrs3000TpTrack2";

void RegisterIfAbsent(const TClass& cls) {
  try {
    (void)FindStreamable(cls.ClassName());
  } catch (const EClassNotRegistered&) {
    EcrStreamForm::RegisterRpt(cls);
  }
}
} // namespace

QSet<int>& FailingCodes() {
  static QSet<int> codes;
  return codes;
}

void RegisterSubRpts() {
  static const bool done = [] {
    RegisterIfAbsent(RptOf<TpGrp, 36>::StaticClass());
    RegisterIfAbsent(RptOf<TpEatIn, 56>::StaticClass());
    RegisterIfAbsent(RptOf<TpTakeOut, 57>::StaticClass());
    RegisterIfAbsent(RptOf<TpTrack1, 58>::StaticClass());
    RegisterIfAbsent(RptOf<TpTrack2, 59>::StaticClass());
    return true;
  }();
  (void)done;
}

QString Rpt::NameOf(const char* className) {
  QString name = QString::fromLatin1(className);
  for (const char* prefix : {"tProto", "tEcrRptCrs3000"})
    if (name.startsWith(QLatin1String(prefix))) return name.mid(int(qstrlen(prefix)));
  return name;
}

std::optional<TTableDef> Rpt::DescribeTable() const {
  TTableDef def{GetTableName(), {}, {}};
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long},
                {QStringLiteral("Block"), TFieldType::Long},
                {QStringLiteral("Bytes"), TFieldType::Long}};
  return def;
}

void Rpt::DecodeBlock(TTable& table, const TEcrBlock&) {
  if (FailingCodes().contains(GetRptCode())) throw EInOutError(QStringLiteral("Cannot decode ") + GetRptName());
  if (BlkCount == 1) AddPoll();
  table.Append();
  table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(PollId);
  table.FieldByName(QStringLiteral("Block")).SetAsInteger(BlkCount);
  table.FieldByName(QStringLiteral("Bytes")).SetAsInteger(BlkLen);
  table.Post();
}

TB_DEFINE_CLASS(tProtoPrg, tEcrPrgCrs3000)

std::optional<TTableDef> tProtoPrg::DescribeTable() const {
  TTableDef def{LocalTableName(), {}, {}};
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Text"), TFieldType::Alpha, 8}};
  return def;
}

void tProtoPrg::DefineTable(TTable& table) { table.FieldDefs() = DescribeTable()->fields; }

void tProtoPrg::EncodeRecord(TTable& table, TEcrBlock& buffer, int, int& position) {
  EncodeBcd(buffer, position, 2, false, table.FieldByName(QStringLiteral("Number")).AsInteger());
  EncodeText(buffer, position + 2, 8, table.FieldByName(QStringLiteral("Text")).AsString());
  position += 10;
}

void tProtoPrg::DecodeRecord(TTable& table, const TEcrBlock& buffer, int, int& position) {
  table.FieldByName(QStringLiteral("Number")).SetAsInteger(DecodeBcd(buffer, position, 2, false));
  table.FieldByName(QStringLiteral("Text")).SetAsString(DecodeText(buffer, position + 2, 8).trimmed());
  position += 10;
}

void tProtoPrg::Fill(const QStringList& texts) {
  TTable& table = OpenTable();
  table.EmptyTable();
  int number = 0;
  for (const QString& text : texts) {
    table.Append();
    table.FieldByName(QStringLiteral("Number")).SetAsInteger(++number);
    table.FieldByName(QStringLiteral("Text")).SetAsString(text);
    table.Post();
  }
  CloseTable();
}

QStringList tProtoPrg::Texts() {
  QStringList texts;
  TTable& table = OpenTable();
  for (table.First(); !table.Eof(); table.Next()) texts.append(table.FieldByName(QStringLiteral("Text")).AsString());
  CloseTable();
  return texts;
}
} // namespace ProtoStandIns
