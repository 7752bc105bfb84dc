#include "DriverDoubles.h"

#include "model/EcrStreamForm.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tDrvPrgAlpha, tEcrPrg)
TB_DEFINE_CLASS(tDrvPrgBravo, tEcrPrg)
TB_DEFINE_CLASS(tDrvPrgCharlie, tEcrPrg)
TB_DEFINE_CLASS(tDrvPrgPlu, tEcrPrg)
TB_DEFINE_CLASS(tDrvPrgGroup, tEcrPrg)
TB_DEFINE_CLASS(tDrvPrgEmpl, tEcrPrg)
TB_DEFINE_CLASS(tDrvRptPlu, tEcrRpt)
TB_DEFINE_CLASS(tDrvRptGroup, tEcrRpt)
TB_DEFINE_CLASS(tDrvRptTk, tEcrRpt)
TB_DEFINE_CLASS(tDrvRptFncl, tEcrRpt)
TB_DEFINE_CLASS(tDrvRptPlu2, tEcrRpt)
TB_DEFINE_CLASS(tDrvTestEcr, tEcr)

namespace {
[[maybe_unused]] const bool registered = [] {
  for (const TClass* cls : {&tDrvPrgAlpha::StaticClass(), &tDrvPrgBravo::StaticClass(), &tDrvPrgCharlie::StaticClass(),
                            &tDrvPrgPlu::StaticClass(), &tDrvPrgGroup::StaticClass(), &tDrvPrgEmpl::StaticClass()})
    EcrStreamForm::RegisterPrg(*cls);
  for (const TClass* cls : {&tDrvRptPlu::StaticClass(), &tDrvRptGroup::StaticClass(), &tDrvRptTk::StaticClass(),
                            &tDrvRptFncl::StaticClass(), &tDrvRptPlu2::StaticClass()})
    EcrStreamForm::RegisterRpt(*cls);
  RegisterStreamable(tDrvTestEcr::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  return true;
}();

using Caps = tEcrPrgCaps;
const TFieldDef Long(const char* name) { return {QString::fromLatin1(name), TFieldType::Long, 0}; }
const TFieldDef Text(const char* name) { return {QString::fromLatin1(name), TFieldType::Alpha, 24}; }
const TFieldDef Money(const char* name) { return {QString::fromLatin1(name), TFieldType::Money, 0}; }
} // namespace

QString tDrvPrgAlpha::GetPrgName() const { return QStringLiteral("Alpha"); }
QString tDrvPrgBravo::GetPrgName() const { return QStringLiteral("Bravo"); }
QString tDrvPrgCharlie::GetPrgName() const { return QStringLiteral("Charlie"); }
QString tDrvPrgPlu::GetPrgName() const { return QStringLiteral("PLU"); }
QString tDrvPrgGroup::GetPrgName() const { return QStringLiteral("Groups"); }
QString tDrvPrgEmpl::GetPrgName() const { return QStringLiteral("Employees"); }

tEcrPrgCapSet tDrvPrgAlpha::GetPrgCapSet() const { return {Caps::EcrPrgSend, Caps::EcrPrgReceive, Caps::EcrPrgMaint}; }
tEcrPrgCapSet tDrvPrgBravo::GetPrgCapSet() const { return {Caps::EcrPrgSend, Caps::EcrPrgNotSendAll}; }
tEcrPrgCapSet tDrvPrgCharlie::GetPrgCapSet() const { return {Caps::EcrPrgReceive}; }
tEcrPrgCapSet tDrvPrgPlu::GetPrgCapSet() const { return {Caps::EcrPrgSend, Caps::EcrPrgMaint}; }
tEcrPrgCapSet tDrvPrgGroup::GetPrgCapSet() const { return {Caps::EcrPrgMaint}; }
tEcrPrgCapSet tDrvPrgEmpl::GetPrgCapSet() const { return {}; }

QList<TFieldDef> tDrvPrgAlpha::Fields() { return {Long("Number")}; }
QList<TFieldDef> tDrvPrgBravo::Fields() { return {Long("Number")}; }
QList<TFieldDef> tDrvPrgCharlie::Fields() { return {Long("Number")}; }
QList<TFieldDef> tDrvPrgPlu::Fields() { return {Long("PluCode"), Text("Descriptor"), Money("PriceHalo")}; }
QList<TFieldDef> tDrvPrgGroup::Fields() { return {Long("Number"), Text("Descriptor")}; }
QList<TFieldDef> tDrvPrgEmpl::Fields() { return {Long("Number"), Text("Name"), Long("Job Code1"), Long("Job Code2")}; }

QString tDrvRptPlu::GetRptName() const { return QStringLiteral("PLU"); }
QString tDrvRptGroup::GetRptName() const { return QStringLiteral("Groups"); }
QString tDrvRptTk::GetRptName() const { return QStringLiteral("Time Keeping"); }
QString tDrvRptFncl::GetRptName() const { return QStringLiteral("Financial"); }
QString tDrvRptPlu2::GetRptName() const { return QStringLiteral("plu"); }

void tDrvTestEcr::Create(TObject* owner) {
  tEcr::Create(owner);
  AddPrg(tEcrFnct::New<tDrvPrgAlpha>(this));
  AddPrg(tEcrFnct::New<tDrvPrgBravo>(this));
  AddPrg(tEcrFnct::New<tDrvPrgCharlie>(this));
  AddPrg(tEcrFnct::New<tDrvPrgPlu>(this));
  AddPrg(tEcrFnct::New<tDrvPrgGroup>(this));
  AddPrg(tEcrFnct::New<tDrvPrgEmpl>(this));
  AddRpt(tEcrFnct::New<tDrvRptPlu>(this));
  AddRpt(tEcrFnct::New<tDrvRptGroup>(this));
  AddRpt(tEcrFnct::New<tDrvRptTk>(this));
  AddRpt(tEcrFnct::New<tDrvRptFncl>(this));
  AddRpt(tEcrFnct::New<tDrvRptPlu2>(this));
}

namespace DriverDoubles {
std::unique_ptr<tDrvTestEcr> NewDriver() {
  std::unique_ptr<tEcr> ecr = tEcr::New(tDrvTestEcr::StaticClass());
  auto* driver = static_cast<tDrvTestEcr*>(ecr.release());
  driver->Plu = TEcrPrgItemFields();
  driver->Plu.PrgClass = QStringLiteral("tDrvPrgPlu");
  driver->Plu.CodeField = QStringLiteral("PluCode");
  driver->Plu.DescField = QStringLiteral("Descriptor");
  driver->Plu.PriceFields = QStringList{QStringLiteral("PriceHalo")};
  driver->PluRpt = {QStringLiteral("tDrvRptPlu"), QStringLiteral("PluCode"), QString(), QStringLiteral("Count"),
                    QStringLiteral("Total"), QString(), QStringLiteral("Promotion")};
  driver->Group = {QStringLiteral("tDrvPrgGroup"), QStringLiteral("Number"), QStringLiteral("Descriptor")};
  driver->GroupRpt = {QStringLiteral("tDrvRptGroup"), QStringLiteral("Memory Number"), QStringLiteral("Total")};
  driver->Empl = {QStringLiteral("tDrvPrgEmpl"), QStringLiteral("Number"), QStringLiteral("Name"),
                  {QStringLiteral("Job Code1"), QStringLiteral("Job Code2")}};
  driver->EmplRpt = {QStringLiteral("tDrvRptTk"), true, QStringLiteral("Employee No"), {QStringLiteral("Job Code")},
                     QStringLiteral("Regular Hrs"), QStringLiteral("Over Time Hrs"), false};
  return std::unique_ptr<tDrvTestEcr>(driver);
}

void MakeReportTable(const QString& table, const QList<TFieldDef>& fields, const QList<QVariantList>& rows) {
  TDatabase& db = TSession::Default().Database(GetDataAlias());
  if (db.TableExists(table)) db.DeleteTable(table); // tests run one after another in one process too
  db.CreateTable(TTableDef{table, fields, {}});
  QStringList marks;
  for (qsizetype i = 0; i < fields.size(); ++i) marks.append(QStringLiteral("?"));
  TQuery insert(db);
  for (const QVariantList& row : rows)
    insert.Exec(QStringLiteral("insert into \"%1\" values (%2)").arg(table, marks.join(QLatin1Char(','))), row);
}

void AppendRows(TTable& table, const QList<QVariantList>& rows) {
  for (const QVariantList& row : rows) {
    table.Append();
    for (int i = 0; i < row.size(); ++i) table.Fields(i).SetValue(row[i]);
    table.Post();
  }
}
} // namespace DriverDoubles
