#include "tTestLayoutRpt.h"

#include "model/EcrClassDef.h"
#include "model/EcrLayout.h"

TB_DEFINE_RPT_CLASS(tTestLayoutRpt, tEcrRptCrs3000)
TB_DEFINE_RPT_CLASS(tTestLayoutRptV2, tTestLayoutRpt)

const EcrLayout* tTestLayoutRpt::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{
      {17, 18},
      {
          {"Status", T::Short, 0, C::Byte, {kNotInVariant, {0, 1}}},
          {"Total", T::Money, 0, C::Totaliser, {{0, 6}, {1, 6}}, 100},
          {"Count", T::Long, 0, C::Totaliser, {{6, 5}, {7, 5}}},
          {"Weight", T::Long, 0, C::Totaliser, {{11, 6}, {12, 6}}},
      }};
  return &layout;
}
