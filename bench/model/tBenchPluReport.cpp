#include "tBenchPluReport.h"

#include "model/EcrClassDef.h"
#include "model/EcrLayout.h"

TB_DEFINE_CLASS(tBenchPluReport, tEcrRptCrs3000)

const EcrLayout* tBenchPluReport::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{kRecordSize},
                                {{"Name", T::Alpha, 12, C::TermText, {{11, 9}}},
                                 {"Item Count", T::Long, 0, C::Totaliser, {{6, 5}}},
                                 {"Item Total", T::Money, 0, C::Totaliser, {{0, 6}}, 100}}};
  return &layout;
}
