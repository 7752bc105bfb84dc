#include "comm/actions/tActnPrgSnd.h"

#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tActnPrgSnd, tActn)

namespace {
const struct Registration {
  Registration() {
    RegisterStreamable(tActnPrgSnd::StaticClass(), {&tActnPrg::ReadPrgActn}, {&tActnPrg::WritePrgActn});
  }
} registration;
} // namespace

QString tActnPrgSnd::GetTitle() const { return QStringLiteral("PROGRAM SEND"); }
QString tActnPrgSnd::WriteFailedText() const { return QStringLiteral("Could not write prog (send action)"); }
