#pragma once
// Shows a window that stays open beside the others. When a modal window is up (the Setup
// Menu, say), a window shown from it would be blocked by it and could not be used; it then
// takes the modality itself, so it works until it is closed and the modal one works again.
class QWidget;

void WdgShowWindow(QWidget& window);
