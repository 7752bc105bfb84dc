#include "crs3000/Crs3000RomClasses.h"

#include "model/EcrStreamForm.h"
#include "store/streaming/StreamRegistry.h"

#define TB_CRS3000_DEFINE_ROM_CLASS_(Name, Rom, Column) TB_DEFINE_CLASS(Name, tEcrCrs3000)
TB_CRS3000_ROM_VERSIONS(TB_CRS3000_DEFINE_ROM_CLASS_)
#undef TB_CRS3000_DEFINE_ROM_CLASS_

namespace {
const struct Registration {
  Registration() {
#define TB_CRS3000_REGISTER_ROM_CLASS_(Name, Rom, Column) \
  RegisterStreamable(Name::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
    TB_CRS3000_ROM_VERSIONS(TB_CRS3000_REGISTER_ROM_CLASS_)
#undef TB_CRS3000_REGISTER_ROM_CLASS_
  }
} registration;
} // namespace
