#pragma once
// Registers the job queue's windows with the form registry. The program and the GUI tests
// call it once at start.
void RegisterJobsForms();
