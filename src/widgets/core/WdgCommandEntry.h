#pragma once
// One key sequence of a command table (one key, or two keys pressed one after the other) and
// the command it stands for.
#include <QtGlobal>

// Shift flags of a key, summed.
enum TWdgShiftFlag : quint8 {
  kWdgShift = 2,
  kWdgCtrl = 4,
  kWdgAlt = 8,
  // Second key only: pressed with no shift key or with Ctrl alone.
  kWdgNoShiftOrCtrl = 0x80,
};

struct TWdgCommandEntry {
  quint8 Key1 = 0;
  quint8 Shift1 = 0;
  quint8 Key2 = 0; // 0: a single-key entry
  quint8 Shift2 = 0;
  quint16 Cmd = 0;

  // The four key bytes read as one little-endian number, Key1 lowest.
  quint32 KeySequence() const {
    return quint32(Key1) | quint32(Shift1) << 8 | quint32(Key2) << 16 | quint32(Shift2) << 24;
  }
  static TWdgCommandEntry FromSequence(quint32 keys, quint16 cmd) {
    return {quint8(keys), quint8(keys >> 8), quint8(keys >> 16), quint8(keys >> 24), cmd};
  }
  bool operator==(const TWdgCommandEntry&) const = default;
};
