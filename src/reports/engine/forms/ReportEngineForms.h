#pragma once
// Registers the report engine's windows (the preview) with the form registry. The program
// and the GUI tests call it once at start.
void RegisterReportEngineForms();
