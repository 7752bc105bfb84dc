#include "crs3000/tEcrPrgCrs.h"

TB_DEFINE_ABSTRACT_CLASS(tEcrPrgCrs, tEcrPrg)
