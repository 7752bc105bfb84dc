#include "crs3000/tEcrCrsReport.h"

TB_DEFINE_CLASS(tEcrCrsReport, tEcrRpt)
