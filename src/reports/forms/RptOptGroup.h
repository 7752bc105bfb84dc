#pragma once
// One group of controls on a report option dialog, as data: what kind of control it is,
// its control names and captions, and the integer parameter of the report it edits.
#include <QString>
#include <vector>

struct RptOptItem {
  QString name;    // the control's name; for a choice the button's
  QString caption; // the item text, the field's label, the box's text
  QString label;   // a register field's label name
  int param = 0;   // a register field's own parameter
  int value = 0;   // a box's bit value
};

struct RptOptGroup {
  enum class Kind {
    Choice,    // radio buttons: the parameter is the index of the chosen item
    Registers, // labelled numeric fields (Byte, picture "999"), each with its own parameter
    Flag,      // one check box: checked when the parameter's low byte is not 0; stores 1 or 0
    Bits,      // check boxes: each checked when its bit is set; stores the sum of the checked
  };
  Kind kind = Kind::Choice;
  QString name;    // the group box's name
  QString caption; // its title
  int param = 0;   // not used by Registers
  std::vector<RptOptItem> items;
};
