#pragma once
// Registers "Preferences", "Communications Setup" and the About box with the form
// registry. The program and the GUI tests call it once at start.
void RegisterSetupForms();
