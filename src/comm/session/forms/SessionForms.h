#pragma once
// Registers the windows of the sessions and the communication log with the form registry.
// The program and the GUI tests call it once at start.
void RegisterSessionForms();
