#include "crs3000/Crs3000UnbuiltClasses.h"

namespace Crs3000UnbuiltClasses {
const QStringList& Names() {
  static const QStringList names{
      // Programs.
       "tEcrPrgCrs3000AgrmntMsg", "tEcrPrgCrs3000AprvlMsg", "tEcrPrgCrs3000AprvlMsg221",
       "tEcrPrgCrs3000AuthLvls", "tEcrPrgCrs3000AuthLvls304", "tEcrPrgCrs3000CondChains",
       "tEcrPrgCrs3000CondTables", "tEcrPrgCrs3000Coupon", "tEcrPrgCrs3000Coupon224", "tEcrPrgCrs3000CrdRdr",
       "tEcrPrgCrs3000CrdRdrV224", "tEcrPrgCrs3000DateTime", "tEcrPrgCrs3000DiscCat",
       "tEcrPrgCrs3000DrwrAssign", "tEcrPrgCrs3000Employee", "tEcrPrgCrs3000ErrMsg", "tEcrPrgCrs3000ErrMsg221",
       "tEcrPrgCrs3000FnctKys", "tEcrPrgCrs3000Groups", "tEcrPrgCrs3000InvtItm", "tEcrPrgCrs3000JobCodes",
       "tEcrPrgCrs3000JobCodes304", "tEcrPrgCrs3000Kbrd", "tEcrPrgCrs3000KpgDesc", "tEcrPrgCrs3000Lkup",
       "tEcrPrgCrs3000Logo", "tEcrPrgCrs3000LogoMsgs", "tEcrPrgCrs3000LogoMsgs221", "tEcrPrgCrs3000Macro",
       "tEcrPrgCrs3000MajGrp", "tEcrPrgCrs3000Messages", "tEcrPrgCrs3000Messages221", "tEcrPrgCrs3000MiscCtrl",
       "tEcrPrgCrs3000MiscCtrl304", "tEcrPrgCrs3000MnthDesc", "tEcrPrgCrs3000MnthDesc221", "tEcrPrgCrs3000PLU",
       "tEcrPrgCrs3000PLUReplace", "tEcrPrgCrs3000PLUSale", "tEcrPrgCrs3000PayRates",
       "tEcrPrgCrs3000PayRates304", "tEcrPrgCrs3000Polling", "tEcrPrgCrs3000PriceSchedule",
       "tEcrPrgCrs3000PriceTable", "tEcrPrgCrs3000PrntCtrl", "tEcrPrgCrs3000PrntCtrl221",
       "tEcrPrgCrs3000PrntCtrl304", "tEcrPrgCrs3000PrntCtrl402", "tEcrPrgCrs3000PrntrTbl",
       "tEcrPrgCrs3000PrntrTbl221", "tEcrPrgCrs3000PrntrTbl303", "tEcrPrgCrs3000ProductMix",
       "tEcrPrgCrs3000RS232Config", "tEcrPrgCrs3000RS232Config221", "tEcrPrgCrs3000RS232Config303",
       "tEcrPrgCrs3000RS232Config305", "tEcrPrgCrs3000Recipes", "tEcrPrgCrs3000RptDesc",
       "tEcrPrgCrs3000RptDesc221", "tEcrPrgCrs3000SpItmStk", "tEcrPrgCrs3000SubGrp", "tEcrPrgCrs3000SysDesc",
       "tEcrPrgCrs3000SysDesc221", "tEcrPrgCrs3000SystemOptions", "tEcrPrgCrs3000SystemOptions221",
       "tEcrPrgCrs3000SystemOptions304", "tEcrPrgCrs3000SystemOptions402", "tEcrPrgCrs3000TaFls",
       "tEcrPrgCrs3000TaFls304", "tEcrPrgCrs3000TareTable", "tEcrPrgCrs3000TaxCtrl",
       "tEcrPrgCrs3000TaxCtrl221", "tEcrPrgCrs3000TaxCtrl304", "tEcrPrgCrs3000TaxCtrl402",
       "tEcrPrgCrs3000TaxDesc", "tEcrPrgCrs3000TaxDesc221", "tEcrPrgCrs3000TaxTable",
       "tEcrPrgCrs3000TimeActivate", "tEcrPrgCrs3000TimeRange", "tEcrPrgCrs3000TrnsCtrl",
       "tEcrPrgCrs3000TrnsCtrl221", "tEcrPrgCrs3000TrnsCtrl304", "tEcrPrgCrs3000TrnsCtrl402",
       "tEcrPrgCrs3000XMode",
      // Reports.
       "tEcrRptCrs3000PrdPrjFri", "tEcrRptCrs3000PrdPrjMon",
       "tEcrRptCrs3000PrdPrjSat", "tEcrRptCrs3000PrdPrjSun", "tEcrRptCrs3000PrdPrjThu",
       "tEcrRptCrs3000PrdPrjTue", "tEcrRptCrs3000PrdPrjWed", "tEcrRptCrs3000ProductMix",
       "tEcrRptCrs3000SalesLabor",
       "tEcrRptCrs3000TimeKeeping", "tEcrRptCrs3000TimeKeepingZ2", "tEcrRptCrs3000TimeKeepingZ3",
       "tEcrRptCrs3000TimePeriod",
  };
  return names;
}

bool Contains(const QString& className) { return Names().contains(className); }
} // namespace Crs3000UnbuiltClasses
