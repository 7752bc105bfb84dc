#include "comm/actions/tActnPrgRec.h"

#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tActnPrgRec, tActn)

namespace {
const struct Registration {
  Registration() {
    RegisterStreamable(tActnPrgRec::StaticClass(), {&tActnPrg::ReadPrgActn}, {&tActnPrg::WritePrgActn});
  }
} registration;
} // namespace

QString tActnPrgRec::GetTitle() const { return QStringLiteral("PROGRAM RECEIVE"); }
QString tActnPrgRec::WriteFailedText() const { return QStringLiteral("Could not write prog (save)"); }
