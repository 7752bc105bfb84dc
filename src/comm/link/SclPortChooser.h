#pragma once
// How the com port asks the user for a port when none is set: the "Select Port" dialog
// registers itself here when its library loads. Without one (no desktop, or tests that do
// not install one) nobody is asked and the open fails as if the choice was cancelled.
#include <functional>

// The chosen port number, or 0 when the user cancelled or there was nothing to choose.
using TSclPortChooser = std::function<int()>;

void SetSclPortChooser(TSclPortChooser chooser);
int ChooseSclPort();
