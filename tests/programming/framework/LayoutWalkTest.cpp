// Every program and report class built into the program, walked through its record
// layout: the places of each variant fill its record exactly, the class's own record size
// is its variant's, every column is a field of the table it declares, and a program
// table writes back the very bytes it read; a report's table starts with "Poll Id" and
// its decode fills a row with what its layout reads.
#include "crs3000/tEcrRptCrs3000.h"
#include "model/EcrLayout.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TTable.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "platform/sys/TObject.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>

namespace {
// Bytes each coding reads back unchanged, whatever the column's width.
QByteArray CanonicalBytes(const EcrColumn& column, int width) {
  QByteArray bytes(width, '\0');
  switch (column.coding) {
  case EcrCoding::Bcd:
  case EcrCoding::SignedBcd:
  case EcrCoding::Totaliser:
    for (int i = 0; i < width; ++i) bytes[i] = char(0x12 + 0x22 * (i % 4));
    if (column.coding != EcrCoding::Bcd) bytes[width - 1] = char((bytes[width - 1] & 0xF0) | 0x0C);
    break;
  // A text stored into a number field (a check number, say) holds digits.
  case EcrCoding::Text:
    for (int i = 0; i < width; ++i) bytes[i] = column.type == TFieldType::Alpha ? char('A' + i % 26) : char('0' + i % 10);
    break;
  case EcrCoding::TermText: bytes[0] = column.type == TFieldType::Alpha ? 'Z' : '7'; break;
  case EcrCoding::Bit: bytes[0] = char(1 << column.bit); break;
  case EcrCoding::Byte: bytes[0] = char(0xA5); break;
  case EcrCoding::Date: bytes = QByteArray::fromHex("121212").left(width); break;
  case EcrCoding::Time: bytes = QByteArray::fromHex("1230").left(width); break;
  case EcrCoding::Reserved: break;
  }
  return bytes;
}

struct Walked {
  const TClass* cls;
  std::unique_ptr<tEcrFnct> object;
  const EcrLayout* layout;
  int variant;
  std::optional<TTableDef> table;
  bool program;
};

std::vector<Walked> EveryClass() {
  std::vector<Walked> walked;
  for (const TClass* cls : TClass::AllClasses()) {
    const bool program = cls->InheritsFrom(tEcrPrg::StaticClass());
    if (cls->IsAbstract() || !(program || cls->InheritsFrom(tEcrRpt::StaticClass()))) continue;
    std::unique_ptr<tEcrFnct> object = tEcrFnct::CreateByClass(*cls, nullptr);
    const EcrLayout* layout = nullptr;
    int variant = 0;
    std::optional<TTableDef> table;
    if (auto* prg = dynamic_cast<tEcrPrg*>(object.get()))
      layout = prg->RecordLayout(), variant = prg->LayoutVariant(), table = prg->DescribeTable();
    else if (auto* rpt = dynamic_cast<tEcrRpt*>(object.get()))
      layout = rpt->RecordLayout(), variant = rpt->LayoutVariant(), table = rpt->DescribeTable();
    walked.push_back({cls, std::move(object), layout, variant, table, program});
  }
  return walked;
}

TEST(LayoutWalk, EveryProgramTableIsWrittenAsALayout) {
  int programs = 0;
  for (const Walked& w : EveryClass()) {
    if (!w.program) continue;
    ++programs;
    EXPECT_NE(w.layout, nullptr) << w.cls->ClassName().toStdString();
  }
  EXPECT_GT(programs, 0);
}

TEST(LayoutWalk, PlacesFillEachVariantsRecordExactly) {
  for (const Walked& w : EveryClass()) {
    if (!w.layout) continue;
    const std::string name = w.cls->ClassName().toStdString();
    for (int variant = 0; variant < w.layout->VariantCount(); ++variant) {
      int bytes = 0;
      for (const EcrColumn& column : w.layout->Columns())
        if (column.places[size_t(variant)].Present() && column.coding != EcrCoding::Bit)
          bytes += column.places[size_t(variant)].width;
      // A byte shared by several bit columns counts once.
      std::set<int> bitBytes;
      for (const EcrColumn& column : w.layout->Columns())
        if (column.places[size_t(variant)].Present() && column.coding == EcrCoding::Bit)
          bitBytes.insert(column.places[size_t(variant)].offset);
      EXPECT_EQ(bytes + int(bitBytes.size()), w.layout->RecordSize(variant)) << name << " layout " << variant;
    }
    EXPECT_EQ(w.layout->RecordSize(w.variant), w.object->GetPrgRecSize()) << name;
  }
}

TEST(LayoutWalk, EveryColumnIsAFieldOfTheDeclaredTable) {
  for (const Walked& w : EveryClass()) {
    if (!w.layout) continue;
    const std::string name = w.cls->ClassName().toStdString();
    ASSERT_TRUE(w.table.has_value()) << name;
    for (const TFieldDef& def : w.layout->FieldDefs())
      EXPECT_TRUE(std::any_of(w.table->fields.begin(), w.table->fields.end(),
                              [&](const TFieldDef& field) { return field == def; }))
          << name << ": " << def.name.toStdString();
  }
}

// A record of the variant whose every column holds bytes its coding reads back.
TEcrBlock CanonicalRecord(const EcrLayout& layout, int variant, int at) {
  TEcrBlock record{};
  for (const EcrColumn& column : layout.Columns()) {
    const EcrPlace& place = column.places[size_t(variant)];
    if (!place.Present()) continue;
    const QByteArray bytes = CanonicalBytes(column, place.width);
    for (int i = 0; i < bytes.size(); ++i) record[size_t(at + place.offset + i)] |= quint8(bytes[i]);
  }
  return record;
}

bool SameValue(const QVariant& stored, const QVariant& decoded) {
  if (decoded.typeId() == QMetaType::QString) return stored.toString() == decoded.toString();
  if (decoded.typeId() == QMetaType::Bool) return stored.toBool() == decoded.toBool();
  return stored.toDouble() == decoded.toDouble();
}

TEST(LayoutWalk, AReportTableStartsWithPollId) {
  int reports = 0;
  for (const Walked& w : EveryClass()) {
    if (!w.layout || w.program) continue;
    ++reports;
    ASSERT_TRUE(w.table && !w.table->fields.isEmpty()) << w.cls->ClassName().toStdString();
    EXPECT_EQ(w.table->fields.first().name, QStringLiteral("Poll Id")) << w.cls->ClassName().toStdString();
    EXPECT_EQ(w.table->fields.first().type, TFieldType::Long) << w.cls->ClassName().toStdString();
  }
  EXPECT_GT(reports, 0);
}

TEST(LayoutWalk, AReportDecodesARecordIntoARowByItsLayout) {
  QTemporaryDir dir;
  TDatabase db(QString(), dir.path());
  db.Open();
  for (const Walked& w : EveryClass()) {
    if (!w.layout || w.program) continue;
    const std::string name = w.cls->ClassName().toStdString();
    auto& report = dynamic_cast<tEcrRpt&>(*w.object);
    TTableDef def = *w.table;
    def.name = w.cls->ClassName();
    db.CreateTable(def);
    TTable table;
    table.SetDatabase(&db);
    table.SetTableName(def.name);
    table.Open();

    const int size = w.layout->RecordSize(w.variant);
    const int start = 4 + size; // the block's second record
    const TEcrBlock record = CanonicalRecord(*w.layout, w.variant, start);
    report.PollId = 7;
    report.BlkCount = 3;
    table.Append();
    int position = start;
    report.DecodeRecord(table, record, 1, position);
    table.Post();
    EXPECT_EQ(position, start + size) << name;
    EXPECT_EQ(table.FieldByName(QStringLiteral("Poll Id")).AsInteger(), 7) << name;
    if (auto* crs = dynamic_cast<tEcrRptCrs3000*>(&report); crs && crs->RecordNumberType()) {
      // The first data block is block 2.
      EXPECT_EQ(table.FieldByName(QStringLiteral("Memory Number")).AsInteger(), qint64(crs->GetRecsInBlk()) + 2)
          << name;
    }
    const EcrLayout::Values values = w.layout->Decode(*w.object, record, start, w.variant);
    const QList<TFieldDef> columns = w.layout->FieldDefs();
    for (qsizetype i = 0; i < columns.size(); ++i)
      EXPECT_TRUE(SameValue(table.FieldByName(columns[i].name).Value(), values[i]))
          << name << ": " << columns[i].name.toStdString();
    table.Close();
  }
}

TEST(LayoutWalk, AProgramTableEncodesWhatItDecoded) {
  for (const Walked& w : EveryClass()) {
    if (!w.layout || !w.program) continue;
    for (int variant = 0; variant < w.layout->VariantCount(); ++variant) {
      const TEcrBlock record = CanonicalRecord(*w.layout, variant, 4);
      TEcrBlock encoded{};
      w.layout->Encode(*w.object, w.layout->Decode(*w.object, record, 4, variant), encoded, 4, variant);
      EXPECT_EQ(encoded, record) << w.cls->ClassName().toStdString() << " layout " << variant;
    }
  }
}
} // namespace
