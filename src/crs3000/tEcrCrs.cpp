#include "crs3000/tEcrCrs.h"

#include "crs3000/tEcrCrs2000.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/EcrStreamForm.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tEcrCrs, tEcr)

namespace {
const struct Registration {
  Registration() { RegisterStreamable(tEcrCrs::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr}); }
} registration;
} // namespace

QString tEcrCrs::GetMfgName() const { return QStringLiteral("CRS"); }

QList<const TClass*> tEcrCrs::GetSubModels() const {
  return {&tEcrCrs2000::StaticClass(), &tEcrCrs3000::StaticClass()};
}

void tEcrCrs::GetModel(tEcr*& result) { SelectModel(result, 1); }
