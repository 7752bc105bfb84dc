#pragma once
// Registers the windows of scripts ("Script List", "Script Maintenance") with the form
// registry. The program and the GUI tests call it once at start.
void RegisterScriptsForms();
