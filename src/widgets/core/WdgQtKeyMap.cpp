#include "widgets/core/WdgQtKeyMap.h"

#include "widgets/core/WdgCommandEntry.h"

namespace {
struct KeyPair {
  int qt;
  quint8 vk;
};

// Keys whose virtual-key code is not their Qt code. Symbols are named by the key that carries
// them on a US keyboard, so that Shift+Ctrl+1 is Shift+Ctrl+1 whatever the key reports.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18}, {Qt::Key_AltGr, 18}, {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35}, {Qt::Key_Home, 36}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38},
    {Qt::Key_Right, 39}, {Qt::Key_Down, 40}, {Qt::Key_Print, 44}, {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46}, {Qt::Key_Meta, 91}, {Qt::Key_Menu, 93}, {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_ParenRight, '0'}, {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191}, {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220}, {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
};

// Keys of the number pad that have codes of their own.
constexpr KeyPair kKeypad[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110}, {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

template <size_t N>
bool Lookup(const KeyPair (&table)[N], int qtKey, quint8& vk) {
  for (const auto& pair : table)
    if (pair.qt == qtKey) {
      vk = pair.vk;
      return true;
    }
  return false;
}

quint8 VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  quint8 vk = 0;
  if (modifiers & Qt::KeypadModifier) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return quint8(96 + qtKey - Qt::Key_0);
    if (Lookup(kKeypad, qtKey, vk)) return vk;
  }
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
    return quint8(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return quint8(112 + qtKey - Qt::Key_F1);
  if (Lookup(kKeys, qtKey, vk)) return vk;
  return 0;
}
} // namespace

quint8 WdgShiftFlagsFromQt(Qt::KeyboardModifiers modifiers) {
  quint8 flags = 0;
  if (modifiers & Qt::ShiftModifier) flags |= kWdgShift;
  if (modifiers & Qt::ControlModifier) flags |= kWdgCtrl;
  if (modifiers & Qt::AltModifier) flags |= kWdgAlt;
  return flags;
}

TWdgVirtualKey WdgVirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
  quint8 shift = WdgShiftFlagsFromQt(modifiers);
  // Shift+Tab arrives as a key of its own.
  if (qtKey == Qt::Key_Backtab) shift |= kWdgShift;
  return {VirtualKey(qtKey, modifiers), shift};
}
