#include "model/EcrDataLists.h"

#include "model/EcrFieldMaps.h"
#include "model/EcrPollQuery.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "platform/engine/TTable.h"
#include "store/settings/SettingsFile.h"

#include <cmath>

namespace {
const QChar Tab = QLatin1Char('\t');

// Walks every row of the program's table, from the first.
template <class Visit> void ForEachRow(tEcrPrg& prg, Visit visit) {
  TTable& table = prg.OpenTable();
  for (table.First(); !table.Eof(); table.Next()) visit(table);
}

// The driver's field map of one kind.
template <class Map> Map FieldsOf(const tEcr& ecr, void (tEcr::*get)(Map&) const) {
  Map map;
  (ecr.*get)(map);
  return map;
}

void InsertCount(QStringList& list, qint64 count) { list.prepend(QString::number(count)); }

// Code, description and first price of every row of a PLU or UPC program.
void ItemList(const tEcr& ecr, const TEcrPrgItemFields& map, QStringList& list) {
  list.clear();
  tEcrPrg* prg = ecr.FindPrgByClass(map.PrgClass);
  if (!prg) return list.append(QStringLiteral("0"));
  const QString price = map.PriceFields.value(0);
  ForEachRow(*prg, [&](TTable& t) {
    list.append(EcrDataLists::FixedText(t.FieldByName(map.CodeField).AsFloat(), 0) + Tab +
                t.FieldByName(map.DescField).AsString() + Tab +
                EcrDataLists::FixedText(t.FieldByName(price).AsFloat(), 2));
  });
  InsertCount(list, list.size());
}

void ItemPrgInfo(const tEcr& ecr, const TEcrPrgItemFields& map, QStringList& list) {
  list.clear();
  tEcrPrg* prg = ecr.FindPrgByClass(map.PrgClass);
  if (!prg) return list.append(QStringLiteral("0"));
  list = map.PriceFields;
  while (list.size() < 6) list.append(QString());
  list.prepend(map.DescField);
  list.prepend(map.CodeField);
  prg->OpenTable();
  list.prepend(prg->GetProgramID() + QLatin1Char('.') + prg->GetTableName() + QStringLiteral(".db"));
  list.prepend(GetDataAlias());
  list << map.SecondCodeField << QString::number(map.Number) << map.Field7 << map.Field8
       << map.NegativeField << map.GroupField << map.ScaleField << map.FlagType;
}

// The hours of one key as pairs of key and "hh:mm", at most 23 hours a pair.
void AddHours(QStringList& list, const QString& key, double hours, bool hundredths) {
  qint64 h = qint64(std::trunc(hours));
  // A small allowance, so that 7.1 hours read back from the table give 6 minutes, not 5.
  qint64 m = qint64(std::trunc((hours - double(h)) * (hundredths ? 100.0 : 60.0) + 1e-7));
  do {
    list.append(key);
    list.append((h <= 23 ? QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')) : QStringLiteral("23")) +
                QLatin1Char(':') + QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    h -= 23;
    m = 0;
  } while (h >= 0);
}

QString JobKey(const EcrPollQuery& q, const TEcrEmplRptFields& map, const QString& job, int k) {
  return EcrDataLists::GeneralText(q.Float(map.NumberField)) + QStringLiteral(", Job ") +
         (map.Direct ? EcrDataLists::GeneralText(q.Float(job)) : QString::number(k));
}

void AddJobHours(QStringList& list, const EcrPollQuery& q, const TEcrEmplRptFields& map) {
  for (int k = 1; k <= map.JobFields.size(); ++k) {
    const QString& job = map.JobFields[k - 1];
    const QString key = JobKey(q, map, job, k);
    AddHours(list, key, q.Float(map.Direct ? map.RegularField : map.RegularField + job), map.Hundredths);
    if (!map.OvertimeField.isEmpty())
      AddHours(list, key + QStringLiteral(", OT"),
               q.Float(map.Direct ? map.OvertimeField : map.OvertimeField + job), map.Hundredths);
  }
}

// The rows of the poll in the table of the report class; nullptr without that report.
std::unique_ptr<EcrPollQuery> PollRows(const tEcr& ecr, const QString& rptClass, qint64 pollId) {
  tEcrRpt* rpt = ecr.FindRptByClass(rptClass);
  if (!rpt || !EcrPollQuery::TableStored(rpt->GetDataBaseName(), rpt->GetTableName())) return nullptr;
  return std::make_unique<EcrPollQuery>(rpt->GetDataBaseName(), rpt->GetTableName(), pollId);
}

QString FieldOrZero(const EcrPollQuery& q, const QString& field) {
  return field.isEmpty() ? QStringLiteral("0") : EcrDataLists::GeneralText(q.Float(field));
}
} // namespace

namespace EcrDataLists {
QString FixedText(double value, int decimals) { return QString::number(value, 'f', decimals); }

QString GeneralText(double value) {
  if (value == 0.0) return QStringLiteral("0");
  const QString text = QString::number(value, 'g', 15);
  const qsizetype e = text.indexOf(QLatin1Char('e'));
  if (e < 0) return text;
  return text.left(e) + QLatin1Char('E') + QString::number(text.mid(e + 1).toInt());
}

void GetFnclList(const tEcr& ecr, QStringList& list) {
  const auto map = FieldsOf(ecr, &tEcr::GetFnclRptFields);
  list = map.Fields;
  list.prepend(map.Pairs ? QStringLiteral("1") : QStringLiteral("0"));
  list.prepend(QString::number(map.Count));
}

void GetPLUList(const tEcr& ecr, QStringList& list) { ItemList(ecr, FieldsOf(ecr, &tEcr::GetPLUPrgFields), list); }

void GetUPCList(const tEcr& ecr, QStringList& list) { ItemList(ecr, FieldsOf(ecr, &tEcr::GetUPCPrgFields), list); }

void GetGroupList(const tEcr& ecr, QStringList& list) {
  const auto map = FieldsOf(ecr, &tEcr::GetGroupPrgFields);
  list.clear();
  tEcrPrg* prg = ecr.FindPrgByClass(map.PrgClass);
  if (!prg) return list.append(QStringLiteral("0"));
  ForEachRow(*prg, [&](TTable& t) {
    list.append(FixedText(t.FieldByName(map.CodeField).AsFloat(), 0) + Tab + t.FieldByName(map.DescField).AsString());
  });
  InsertCount(list, list.size());
}

void GetEmplList(const tEcr& ecr, QStringList& list) {
  const auto rptMap = FieldsOf(ecr, &tEcr::GetEmplRptFields);
  const auto map = FieldsOf(ecr, &tEcr::GetEmplPrgFields);
  list.clear();
  if (tEcrPrg* prg = ecr.FindPrgByClass(map.PrgClass)) {
    ForEachRow(*prg, [&](TTable& t) {
      const QString number = FixedText(t.FieldByName(map.NumberField).AsFloat(), 0);
      const QString name = t.FieldByName(map.NameField).AsString();
      if (map.JobFields.isEmpty()) return list.append(number + Tab + name);
      for (int n = 1; n <= std::min<qsizetype>(10, map.JobFields.size()); ++n) {
        const QString job = rptMap.Direct ? QString::number(t.FieldByName(map.JobFields[n - 1]).AsInteger())
                                          : QString::number(n);
        list.append(number + QStringLiteral(", Job ") + job + Tab + name);
      }
    });
    if (!rptMap.OvertimeField.isEmpty()) {
      for (qsizetype i = 0; i < list.size(); i += 2) {
        QString twin = list[i];
        twin.insert(twin.indexOf(Tab), QStringLiteral(", OT"));
        list.insert(i + 1, twin);
      }
    }
  }
  InsertCount(list, list.size());
}

void GetPLUPoll(const tEcr& ecr, QStringList& list, const QString& pollId) {
  const qint32 id = EcrPollQuery::ParsePollId(pollId);
  const auto map = FieldsOf(ecr, &tEcr::GetPLURptFields);
  list.clear();
  qint64 taken = 0;
  if (std::unique_ptr<EcrPollQuery> q = PollRows(ecr, map.RptClass, id)) {
    while (q->Next()) {
      if (!map.FilterField.isEmpty() && q->Value(map.FilterField).toLongLong() != 1) continue;
      ++taken;
      list << FieldOrZero(*q, map.CodeField) << FieldOrZero(*q, map.CountField) << FieldOrZero(*q, map.TotalField)
           << FieldOrZero(*q, map.WasteField) << FieldOrZero(*q, map.PromoField);
    }
  }
  InsertCount(list, taken);
}

void GetGroupPoll(const tEcr& ecr, QStringList& list, const QString& pollId) {
  const qint32 id = EcrPollQuery::ParsePollId(pollId);
  const auto map = FieldsOf(ecr, &tEcr::GetGroupRptFields);
  list.clear();
  if (std::unique_ptr<EcrPollQuery> q = PollRows(ecr, map.RptClass, id))
    while (q->Next()) list << GeneralText(q->Float(map.CodeField)) << GeneralText(q->Float(map.ValueField));
  InsertCount(list, list.size() / 2);
}

void GetFnclPoll(const tEcr& ecr, QStringList& list, const QString& pollId) {
  const qint32 id = EcrPollQuery::ParsePollId(pollId);
  const auto map = FieldsOf(ecr, &tEcr::GetFnclRptFields);
  list.clear();
  if (std::unique_ptr<EcrPollQuery> q = PollRows(ecr, map.RptClass, id)) {
    while (q->Next()) {
      if (!map.Pairs) {
        for (const QString& field : map.Fields) list << field << GeneralText(q->Float(field));
        continue;
      }
      const QString key = QString::number(q->Value(map.Fields.value(0)).toLongLong());
      for (qsizetype i = 2; i + 1 < map.Fields.size(); i += 2) {
        if (map.Fields[i] != key) continue;
        list << map.Fields[i + 1] << GeneralText(q->Float(map.Fields.value(1)));
        break;
      }
    }
  }
  InsertCount(list, list.size() / 2);
}

void GetTKPoll(const tEcr& ecr, QStringList& list, const QString& pollId) {
  const qint32 id = EcrPollQuery::ParsePollId(pollId);
  const auto map = FieldsOf(ecr, &tEcr::GetEmplRptFields);
  list.clear();
  if (std::unique_ptr<EcrPollQuery> q = PollRows(ecr, map.RptClass, id))
    while (q->Next()) AddJobHours(list, *q, map);
  InsertCount(list, list.size() / 2);
}

void GetPLUPrgInfo(const tEcr& ecr, QStringList& list) { ItemPrgInfo(ecr, FieldsOf(ecr, &tEcr::GetPLUPrgFields), list); }

void GetUPCPrgInfo(const tEcr& ecr, QStringList& list) { ItemPrgInfo(ecr, FieldsOf(ecr, &tEcr::GetUPCPrgFields), list); }
} // namespace EcrDataLists
