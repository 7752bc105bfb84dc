#include "model/ZeroSkip.h"

bool ZeroSkip = false;
