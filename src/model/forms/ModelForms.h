#pragma once
// Registers the windows that the register drivers and long operations of the model ask
// for with the form registry. The program and the GUI tests call it once at start.
void RegisterModelForms();
