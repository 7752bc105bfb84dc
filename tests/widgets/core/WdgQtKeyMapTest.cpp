#include "widgets/core/WdgQtKeyMap.h"

#include <gtest/gtest.h>

namespace {
struct KeyCase {
  int qtKey;
  Qt::KeyboardModifiers modifiers;
  quint8 key;
  quint8 shift;
};

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kAlt = Qt::AltModifier;
const Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

const KeyCase kKeys[] = {
    {Qt::Key_A, kNone, 'A', 0},
    {Qt::Key_Z, kCtrl, 'Z', 4},
    {Qt::Key_0, kNone, '0', 0},
    {Qt::Key_9, kCtrl | kShift, '9', 6},
    {Qt::Key_ParenRight, kCtrl | kShift, '0', 6},
    {Qt::Key_Exclam, kShift, '1', 2},
    {Qt::Key_Backspace, kAlt, 8, 8},
    {Qt::Key_Tab, kNone, 9, 0},
    {Qt::Key_Backtab, kNone, 9, 2},
    {Qt::Key_Backtab, kShift, 9, 2},
    {Qt::Key_Return, kCtrl, 13, 4},
    {Qt::Key_Enter, kPad, 13, 0},
    {Qt::Key_Shift, kShift, 16, 2},
    {Qt::Key_Control, kCtrl, 17, 4},
    {Qt::Key_Alt, kAlt, 18, 8},
    {Qt::Key_CapsLock, kNone, 20, 0},
    {Qt::Key_Escape, kNone, 27, 0},
    {Qt::Key_Space, kNone, 32, 0},
    {Qt::Key_PageUp, kShift | kCtrl, 33, 6},
    {Qt::Key_PageDown, kNone, 34, 0},
    {Qt::Key_End, kNone, 35, 0},
    {Qt::Key_Home, kPad, 36, 0},
    {Qt::Key_Left, kNone, 37, 0},
    {Qt::Key_Up, kCtrl, 38, 4},
    {Qt::Key_Right, kCtrl, 39, 4},
    {Qt::Key_Down, kNone, 40, 0},
    {Qt::Key_Insert, kShift, 45, 2},
    {Qt::Key_Delete, kShift, 46, 2},
    {Qt::Key_0, kPad, 96, 0},
    {Qt::Key_7, kPad, 103, 0},
    {Qt::Key_Asterisk, kPad, 106, 0},
    {Qt::Key_Plus, kPad, 107, 0},
    {Qt::Key_Minus, kPad, 109, 0},
    {Qt::Key_Period, kPad, 110, 0},
    {Qt::Key_Slash, kPad, 111, 0},
    {Qt::Key_F1, kNone, 112, 0},
    {Qt::Key_F2, kNone, 113, 0},
    {Qt::Key_F12, kAlt, 123, 8},
    {Qt::Key_NumLock, kNone, 144, 0},
    {Qt::Key_ScrollLock, kNone, 145, 0},
    {Qt::Key_Minus, kNone, 189, 0},
    {Qt::Key_Period, kNone, 190, 0},
    {Qt::Key_Comma, kNone, 188, 0},
    {Qt::Key_Semicolon, kNone, 186, 0},
    {Qt::Key_Apostrophe, kNone, 222, 0},
    {Qt::Key_Meta, Qt::MetaModifier, 91, 0},
    {Qt::Key_Adiaeresis, kNone, 0, 0},
    {Qt::Key_unknown, kNone, 0, 0},
};

class QtKeyMap : public ::testing::TestWithParam<KeyCase> {};

TEST_P(QtKeyMap, GivesTheTablesCodeAndFlags) {
  const KeyCase& c = GetParam();
  const TWdgVirtualKey vk = WdgVirtualKeyFromQt(c.qtKey, c.modifiers);
  EXPECT_EQ(int(vk.key), int(c.key)) << std::hex << c.qtKey;
  EXPECT_EQ(int(vk.shift), int(c.shift)) << std::hex << c.qtKey;
}

INSTANTIATE_TEST_SUITE_P(Keys, QtKeyMap, ::testing::ValuesIn(kKeys));
} // namespace
