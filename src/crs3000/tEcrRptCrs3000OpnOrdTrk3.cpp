#include "crs3000/tEcrRptCrs3000OpnOrdTrk3.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000OpnOrdTrk3, tEcrRptCrs3000)

const EcrLayout* tEcrRptCrs3000OpnOrdTrk3::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  // The check and table texts go into number columns, which read the text's number.
  static const EcrLayout layout{{31},
                                {{"Check", T::Short, 0, C::TermText, {{0, 7}}},
                                 {"Table", T::Short, 0, C::TermText, {{7, 4}}},
                                 {"Cashier", T::Alpha, 12, C::TermText, {{11, 12}}},
                                 {"Time", T::Time, 0, C::Time, {{23, 2}}},
                                 {"Balance", T::Money, 0, C::SignedBcd, {{25, 6}}, 100}}};
  return &layout;
}
