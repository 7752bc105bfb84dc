#include "crs3000/tEcrRptCrs3000Ej.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/ERecMismatch.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

#include <algorithm>

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Ej, tEcrRptCrs3000)

namespace {
constexpr int kFrameBytes = 8;
constexpr int kRecordSize = 256; // the longest text and the zero that ends it
constexpr quint8 kFirstKept = 31;  // codes below are control characters, left out
} // namespace

const EcrLayout* tEcrRptCrs3000Ej::RecordLayout() const {
  static const EcrLayout layout{{kRecordSize}, {{"Entry", TFieldType::Alpha, 40, EcrCoding::TermText, {{0, kRecordSize}}}}};
  return &layout;
}

void tEcrRptCrs3000Ej::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount == 1) {
    WritePollHeader(table, buffer);
    EntryNo = 0;
    carry_.Reset();
    return;
  }
  if (BlkLen < kFrameBytes)
    throw ERecMismatch(QStringLiteral("Block Size Mismatch, got: %1  expecting: %2 or more").arg(BlkLen).arg(kFrameBytes));
  carry_.Read(std::span(buffer).subspan(4, size_t(BlkLen - kFrameBytes)),
              [&](TEjCarry::Text text) { WriteEntry(table, text); });
}

void tEcrRptCrs3000Ej::WriteEntry(TTable& table, TEjCarry::Text text) {
  static constexpr quint8 kBlankLines[] = {13, 13, 13};
  if (std::ranges::equal(text, kBlankLines)) return;
  const auto kept = std::ranges::copy_if(text, entry_.begin(), [](quint8 code) { return code >= kFirstKept; }).out;
  std::fill(kept, entry_.begin() + kRecordSize, quint8(0));
  ++EntryNo;
  table.Append();
  table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(PollId);
  table.FieldByName(QStringLiteral("Memory Number")).SetAsInteger(EntryNo);
  RecordLayout()->DecodeInto(table, *this, entry_, 0, LayoutVariant());
  table.Post();
}
