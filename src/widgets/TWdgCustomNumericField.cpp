#include "widgets/TWdgCustomNumericField.h"

#include "widgets/TWdgController.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgExceptions.h"

namespace {
struct NumericType {
  TNumericDataType type;
  TWdgDataSubtype subtype;
  const char* picture;
};

constexpr NumericType kIntegerTypes[] = {
    {nftLongInt, TWdgDataSubtype::LongInt, "iiiiiiiiii"},
    {nftWord, TWdgDataSubtype::Word, "99999"},
    {nftInteger, TWdgDataSubtype::SmallInt, "iiiiii"},
    {nftByte, TWdgDataSubtype::Byte, "999"},
    {nftShortInt, TWdgDataSubtype::ShortInt, "iiii"},
};

const NumericType& IntegerType(TNumericDataType type) {
  for (const NumericType& entry : kIntegerTypes)
    if (entry.type == type) return entry;
  throw EInvalidDataType();
}

bool IsExtendCommand(quint16 code) {
  return code == ccExtendEnd || code == ccExtendHome || code == ccExtendLeft ||
         code == ccExtendRight || code == ccExtWordLeft || code == ccExtWordRight;
}
} // namespace

TWdgCustomNumericField::TWdgCustomNumericField(QWidget* parent)
    : TWdgPictureBase(parent),
      value_(TWdgDataSubtype::LongInt, QStringLiteral("##########")),
      buffer_(QStringLiteral("##########")) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetNumericClass(true);
  SetOptions(Options() & ~TWdgEntryFieldOptions(efoCaretToEnd | efoTrimBlanks));
  SetPicture(QStringLiteral("##########"));
  value_.SetInitialValue();
  WriteValue(value_.Text());
}

// ---- type, picture and range

void TWdgCustomNumericField::SetDataType(TNumericDataType type) {
  const NumericType& entry = IntegerType(type);
  if (type == dataType_) return;
  dataType_ = type;
  const QString picture = QString::fromLatin1(entry.picture);
  value_ = TWdgFieldValue(entry.subtype, picture);
  SetPicture(picture);
  value_.SetInitialValue();
  WriteValue(value_.Text());
}

void TWdgCustomNumericField::SetPictureMask(const QString& mask) {
  if (mask.isEmpty() || mask == Picture()) return;
  SetPicture(mask);
}

void TWdgCustomNumericField::SetPicture(const QString& picture) {
  if (picture.isEmpty()) return;
  // The picture says the radix: the value's text follows it.
  const int32_t low = value_.RangeLo(), high = value_.RangeHi();
  value_ = TWdgFieldValue(value_.Subtype(), picture);
  value_.SetRange(low, high);
  TWdgPictureBase::SetPicture(picture);
  buffer_.SetPicture(Picture());
}

void TWdgCustomNumericField::SetRange(int32_t low, int32_t high) { value_.SetRange(low, high); }

// ---- values

int TWdgCustomNumericField::CheckField() {
  value_.SetText(StrippedText());
  int32_t value = value_.GetIntValue();
  int code = value_.LastError();
  if (code == 0 && hasFocus_ && !gettingValue_) {
    // The text takes its canonical form.
    value_.SetIntValue(value);
    editString_ = MergeText(value_.Text());
    Refresh();
  }
  return RunUserValidation(code);
}

int32_t TWdgCustomNumericField::GetIntValue() {
  gettingValue_ = true;
  lastError_ = CheckField();
  gettingValue_ = false;
  if (lastError_ != 0) return 0;
  value_.SetText(StrippedText());
  return value_.GetIntValue();
}

void TWdgCustomNumericField::SetIntValue(int32_t value) {
  value_.SetIntValue(value);
  settingValue_ = true;
  WriteValue(value_.Text());
  settingValue_ = false;
}

void TWdgCustomNumericField::WriteValue(const QString& text) {
  editString_ = MergeText(text);
  if (!validating_) {
    leftForm_ = false;
    if (hasFocus_) buffer_.LoadEntryBuffer(StrippedText());
    ClearModified();
  }
  Refresh();
  if (!validating_ && hasFocus_) {
    PlaceCaret();
    if (!gettingValue_) selectAll();
  }
}

void TWdgCustomNumericField::IncreaseValue(bool wrap, int delta) {
  if (!hasFocus_) return;
  int32_t value = 0;
  if (!FieldTextToInt(StrippedText(), RadixOfPicture(Picture()), value)) return;
  const int64_t low = RangeLo(), high = RangeHi();
  int64_t next = value;
  if (delta < 0 && value <= low) {
    if (!wrap) return;
    next = high;
  } else if (delta > 0 && value >= high) {
    if (!wrap) return;
    next = low;
  } else {
    next += delta;
  }
  value_.SetIntValue(int32_t(qBound(low, next, high)));
  WriteValue(value_.Text());
  buffer_.LoadEntryBuffer(StrippedText());
  MarkModified();
}

// ---- editing

void TWdgCustomNumericField::RebuildEditString() {
  editString_ = buffer_.RebuildEditString(MergeText(buffer_.EditText()), HomePosition(),
                                          LastPlaceholder());
}

void TWdgCustomNumericField::ClearEntry(bool& changed) {
  buffer_.ClearEntry();
  deselect();
  changed = true;
}

void TWdgCustomNumericField::TypeChar(QChar c, bool hadSelection, bool& changed) {
  using Typed = TWdgNumericEntryBuffer::Typed;
  // A character replaces the selection only when it is taken: a refused one changes nothing.
  TWdgNumericEntryBuffer trial = buffer_;
  if (hadSelection && c.unicode() > 31) trial.ClearEntry();
  const Typed typed = trial.TypeChar(c, u'.');
  switch (typed) {
  case Typed::Changed:
  case Typed::ChangedFull:
    buffer_ = trial;
    changed = true;
    if (typed == Typed::ChangedFull) {
      // Shown and marked before the focus may move on (and the text be checked).
      RebuildEditString();
      MarkModified();
      Refresh();
      changed = false;
      AutoAdvance(true, true);
    }
    break;
  case Typed::Refused: Beep(); break;
  case Typed::NoRoom:
    if (!AutoAdvance(true, true)) Beep();
    break;
  }
}

void TWdgCustomNumericField::EditCommand(quint16 code, QChar typed, const QString& pasted) {
  const bool hadSelection = HasSelection();
  bool changed = false;
  bool keepSelection = false;
  switch (code) {
  case ccBack:
  case ccDel:
    if (hadSelection) ClearEntry(changed);
    else changed = buffer_.RemoveLast();
    break;
  case ccCopy: CopyToClipboard(); break;
  case ccCut:
  case ccDelWord:
    if (hadSelection) ClearEntry(changed);
    break;
  case ccDelLine: ClearEntry(changed); break;
  case ccDec: IncreaseValue(true, -1); break;
  case ccInc: IncreaseValue(true, 1); break;
  case ccDown:
  case ccUp: {
    const bool down = code == ccDown;
    if (Controller()->EntryOptions().testFlag(efoAutoAdvanceUpDown)) down ? MoveToNext() : MoveToPrevious();
    else if (Options().testFlag(efoArrowIncDec) && !IsReadOnly()) IncreaseValue(true, down ? -1 : 1);
    else AutoAdvance(down, false);
    break;
  }
  case ccIns: SetInsertMode(!insert_); break;
  case ccLeft:
  case ccWordLeft: AutoAdvance(false, false); break;
  case ccRight:
  case ccWordRight: AutoAdvance(true, false); break;
  case ccPaste:
    if (hadSelection) ClearEntry(changed);
    changed = buffer_.Paste(pasted) || changed;
    break;
  case ccRestore:
    TWdgPictureBase::Restore();
    buffer_.LoadEntryBuffer(StrippedText());
    keepSelection = true;
    break;
  case kTypedChar: TypeChar(typed, hadSelection, changed); break;
  case kMousePress:
    SetSelection(0, 0);
    break;
  case kDoubleClick:
    selectAll();
    keepSelection = true;
    break;
  default:
    if (IsExtendCommand(code)) {
      selectAll();
      keepSelection = true;
    }
    break;
  }
  if (!keepSelection && hasFocus()) SetSelection(0, 0);
  if (changed) {
    RebuildEditString();
    MarkModified();
  }
  Refresh();
}

void TWdgCustomNumericField::Restore() { EditCommand(ccRestore, QChar(), QString()); }

// ---- display and focus

QString TWdgCustomNumericField::GetDisplayString() const {
  QString shown = TWdgPictureBase::GetDisplayString();
  if (Picture().contains(u'p')) {
    // Negatives in parentheses.
    if (shown.contains(u'-')) {
      shown.replace(u'-', u'(');
      shown.append(u')');
    }
  } else if (Picture().contains(u'g') && shown.contains(u'-')) {
    shown.remove(u'-');  // a trailing minus
    shown.append(u'-');
  }
  return shown.trimmed();
}

void TWdgCustomNumericField::PlaceCaret() {
  // The caret stays at the right edge; a whole selection stays.
  if (!hasSelectedText()) setCursorPosition(int(text().size()));
}

void TWdgCustomNumericField::focusInEvent(QFocusEvent* event) {
  TWdgPictureBase::focusInEvent(event);
  buffer_.LoadEntryBuffer(StrippedText());
  PlaceCaret();
}

void TWdgCustomNumericField::focusOutEvent(QFocusEvent* event) {
  TWdgPictureBase::focusOutEvent(event);
  if (!leftForm_) buffer_.ClearEntry();
}
