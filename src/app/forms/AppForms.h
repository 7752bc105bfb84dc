#pragma once
// Registers the windows of the application shell: the Setup Menu, the Communications
// Menu and the wait window.
void RegisterAppForms();
