#include "crs3000/tEcrCrs2000.h"

#include "model/EcrStreamForm.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tEcrCrs2000, tEcrCrs)

namespace {
const struct Registration {
  Registration() {
    RegisterStreamable(tEcrCrs2000::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  }
} registration;
} // namespace

QString tEcrCrs2000::GetModelName() const { return QStringLiteral("2000 Not Supported"); }

void tEcrCrs2000::GetModel(tEcr*& result) { result = this; }
