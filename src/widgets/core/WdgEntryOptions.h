#pragma once
// The editing options a form's controller gives its entry fields.
#include <QFlags>

enum TWdgBaseEFOption {
  efoAutoAdvanceChar = 0x1,      // a full field moves the focus on
  efoAutoAdvanceLeftRight = 0x2, // Left at the start or Right at the end moves the focus
  efoAutoAdvanceUpDown = 0x4,    // Up and Down move the focus
  efoAutoSelect = 0x8,           // the whole text is selected when the focus arrives by key
  efoBeepOnError = 0x10,         // a refused key or edit beeps
  efoInsertPushes = 0x20,        // typing in insert mode pushes the text on
};
Q_DECLARE_FLAGS(TWdgBaseEFOptions, TWdgBaseEFOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWdgBaseEFOptions)
