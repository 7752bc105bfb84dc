#include "crs3000/tEcrCrs3000.h"

#include "crs3000/Crs3000FnclFields.h"
#include "crs3000/Crs3000ListedClass.h"
#include "crs3000/Crs3000RomLists.h"
#include "crs3000/Crs3000RomVersions.h"
#include "model/EcrDataLists.h"
#include "model/EcrPollQuery.h"
#include "model/EcrStreamForm.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "store/settings/SettingsFile.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tEcrCrs3000, tEcrCrs)

namespace {
tEcrCrs3000::CommModuleFactory& TheCommModuleFactory() {
  static tEcrCrs3000::CommModuleFactory factory;
  return factory;
}

const struct Registration {
  Registration() {
    RegisterStreamable(tEcrCrs3000::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  }
} registration;

// The section decoder of a financial report, or nullptr when it is not built in.
std::unique_ptr<tEcrRpt> CreateSection(const QString& name) {
  try {
    const TClass& cls = ClassByName(name);
    if (!cls.InheritsFrom(tEcrRpt::StaticClass()) || cls.IsAbstract()) return nullptr;
    return std::unique_ptr<tEcrRpt>(static_cast<tEcrRpt*>(tEcrFnct::CreateByClass(cls, nullptr).release()));
  } catch (const EClassNotRegistered&) {
    return nullptr;
  }
}

template <class T> std::unique_ptr<T> CreateListed(const QString& name, TObject* owner, const QString& romName) {
  const TClass* cls = Crs3000ListedClass(name, T::StaticClass(), romName);
  if (!cls) return nullptr;
  return std::unique_ptr<T>(static_cast<T*>(tEcrFnct::CreateByClass(*cls, owner).release()));
}
} // namespace

QString tEcrCrs3000::GetModelName() const { return QStringLiteral("3000"); }

QList<const TClass*> tEcrCrs3000::GetSubModels() const {
  QList<const TClass*> classes;
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All()) classes.append(&ClassByName(version.ClassName));
  return classes;
}

QObject* tEcrCrs3000::CreateCommModule(QObject* owner) {
  const CommModuleFactory& factory = TheCommModuleFactory();
  return factory ? factory(owner) : nullptr;
}

void tEcrCrs3000::SetCommModuleFactory(CommModuleFactory factory) { TheCommModuleFactory() = std::move(factory); }

void tEcrCrs3000::GetModel(tEcr*& result) { SelectModel(result, 2); }

void tEcrCrs3000::CreateRom(TObject* owner, int column) {
  tEcrCrs::Create(owner);
  const QString romName = RomName();
  for (const QString& name : Crs3000RomLists::PrgClassNames(column))
    if (std::unique_ptr<tEcrPrg> prg = CreateListed<tEcrPrg>(name, this, romName)) AddPrg(std::move(prg));
  for (const QString& name : Crs3000RomLists::RptClassNames(column))
    if (std::unique_ptr<tEcrRpt> rpt = CreateListed<tEcrRpt>(name, this, romName)) AddRpt(std::move(rpt));
}

void tEcrCrs3000::GetPLUPrgFields(TEcrPrgItemFields& fields) const {
  tEcrCrs::GetPLUPrgFields(fields);
  fields.PrgClass = QStringLiteral("tEcrPrgCrs3000PLU");
  fields.CodeField = QStringLiteral("PluCode");
  fields.DescField = QStringLiteral("Descriptor");
  fields.PriceFields = QStringList{QStringLiteral("PriceHalo")};
  fields.SecondCodeField = QStringLiteral("PluCode");
  fields.Number = 6;
  fields.NegativeField = QStringLiteral("Negative");
  fields.GroupField = QStringLiteral("SubGrp");
  fields.ScaleField = QStringLiteral("Scale");
  fields.FlagType = QStringLiteral("Boolean");
}

void tEcrCrs3000::GetPLURptFields(TEcrPLURptFields& fields) const {
  fields = TEcrPLURptFields{QStringLiteral("tEcrRptCrs3000PLU"), QStringLiteral("PluCode"), QString(),
                            QStringLiteral("Count"),  QStringLiteral("Total"),   QStringLiteral("Waste"),
                            QStringLiteral("Promotion")};
}

void tEcrCrs3000::GetFnclRptFields(TEcrFnclRptFields& fields) const {
  const int romNumber = Crs3000FnclFields::RomNumber(RomName());
  fields = TEcrFnclRptFields{Crs3000FnclFields::HeadClass(romNumber), false, 146, {}};
  for (int s = 0; s < Crs3000FnclFields::SectionCount; ++s) {
    QStringList names = Crs3000FnclFields::FnclFieldNames().at(s);
    if (s == 2) names.removeLast(); // "Cpn Trans Total" is not offered
    for (const QString& name : names) fields.Fields.append(Crs3000FnclFields::SectionPrefixes().at(s) + name);
  }
  fields.Fields << fields.RptClass << QString::number(romNumber) << RomName() << RomName().left(4);
}

void tEcrCrs3000::GetGroupPrgFields(TEcrGroupPrgFields& fields) const {
  fields = TEcrGroupPrgFields{QStringLiteral("tEcrPrgCrs3000MajGrp"), QStringLiteral("Number"),
                              QStringLiteral("Descriptor")};
}

void tEcrCrs3000::GetGroupRptFields(TEcrGroupRptFields& fields) const {
  fields = TEcrGroupRptFields{QStringLiteral("tEcrRptCrs3000MajorGroup"), QStringLiteral("Memory Number"),
                              QStringLiteral("Total")};
}

void tEcrCrs3000::GetEmplPrgFields(TEcrEmplPrgFields& fields) const {
  fields = TEcrEmplPrgFields{QStringLiteral("tEcrPrgCrs3000Employee"), QStringLiteral("Number"),
                             QStringLiteral("Name"), {}};
  for (int n = 1; n <= 4; ++n) fields.JobFields.append(QStringLiteral("Job Code%1").arg(n));
}

void tEcrCrs3000::GetEmplRptFields(TEcrEmplRptFields& fields) const {
  fields = TEcrEmplRptFields{QStringLiteral("tEcrRptCrs3000TimeKeeping"), true, QStringLiteral("Employee No"),
                             {QStringLiteral("Job Code")}, QStringLiteral("Regular Hrs"),
                             QStringLiteral("Over Time Hrs"), false};
}

void tEcrCrs3000::GetFnclPoll(QStringList& list, const QString& pollId) const {
  const qint32 id = EcrPollQuery::ParsePollId(pollId);
  list.clear();
  TEcrFnclRptFields map;
  GetFnclRptFields(map);
  const tEcrRpt* head = FindRptByClass(map.RptClass);
  const QString database = head ? head->GetDataBaseName() : GetDataAlias();
  const QStringList sections = Crs3000FnclFields::SectionClasses(map.RptClass);
  for (int i = 0; i < sections.size(); ++i)
    AddSectionFigures(list, database, sections[i], Crs3000FnclFields::SectionPrefixes().at(i), map.Fields,
                      qint64(id) + i + 1);
  list.prepend(QString::number(list.size() / 2));
}

void tEcrCrs3000::AddSectionFigures(QStringList& list, const QString& database, const QString& sectionClass,
                                    const QString& prefix, const QStringList& fields, qint64 pollId) const {
  const std::unique_ptr<tEcrRpt> section = CreateSection(sectionClass);
  if (!section) return; // a section decoder that is not built into this program
  EcrPollQuery rows(database, section->GetTableName(), pollId);
  while (rows.Next()) {
    for (const QString& line : fields) {
      if (!line.startsWith(prefix)) continue;
      const QString field = line.mid(prefix.size());
      list << line << (rows.HasField(field) ? EcrDataLists::GeneralText(rows.Float(field)) : QStringLiteral("0"));
    }
  }
}
