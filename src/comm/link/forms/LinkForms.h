#pragma once
// Registers the windows of the serial link library with the form registry. The program
// and the GUI tests call it once at start.
void RegisterLinkForms();
