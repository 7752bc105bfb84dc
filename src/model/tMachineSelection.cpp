#include "model/tMachineSelection.h"

TB_DEFINE_CLASS(tMachineSelection, TObject)
