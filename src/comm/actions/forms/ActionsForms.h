#pragma once
// Registers the windows of the actions library with the form registry. The program and
// the GUI tests call it once at start.
void RegisterActionsForms();
