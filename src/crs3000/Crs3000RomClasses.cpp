#include "crs3000/Crs3000RomClasses.h"

#include "model/EcrStreamForm.h"
#include "store/StreamRegistry.h"

TB_DEFINE_CLASS(tEcrCrs3000V0061, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0077, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0101, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0218, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0219, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0220, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0221, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0222, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0223, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0224, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0225, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0226, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0302, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0303, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0304, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0305, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0402, tEcrCrs3000)
TB_DEFINE_CLASS(tEcrCrs3000V0403, tEcrCrs3000)

namespace {
// In the order of the ROM table.
const TClass& (*const RomClasses[])() = {
    &tEcrCrs3000V0061::StaticClass, &tEcrCrs3000V0077::StaticClass, &tEcrCrs3000V0101::StaticClass,
    &tEcrCrs3000V0218::StaticClass, &tEcrCrs3000V0219::StaticClass, &tEcrCrs3000V0220::StaticClass,
    &tEcrCrs3000V0221::StaticClass, &tEcrCrs3000V0222::StaticClass, &tEcrCrs3000V0223::StaticClass,
    &tEcrCrs3000V0224::StaticClass, &tEcrCrs3000V0225::StaticClass, &tEcrCrs3000V0226::StaticClass,
    &tEcrCrs3000V0302::StaticClass, &tEcrCrs3000V0303::StaticClass, &tEcrCrs3000V0304::StaticClass,
    &tEcrCrs3000V0305::StaticClass, &tEcrCrs3000V0402::StaticClass, &tEcrCrs3000V0403::StaticClass,
};
static_assert(std::size(RomClasses) == Crs3000RomVersions::Count);

const struct Registration {
  Registration() {
    for (const auto& romClass : RomClasses)
      RegisterStreamable(romClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  }
} registration;
} // namespace
