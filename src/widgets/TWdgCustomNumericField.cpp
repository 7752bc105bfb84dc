#include "widgets/TWdgCustomNumericField.h"

#include "widgets/TWdgController.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgExceptions.h"

#include <cmath>

namespace {
struct NumericType {
  TNumericDataType type;
  TWdgDataSubtype subtype;
  const char* picture;
};

constexpr NumericType kTypes[] = {
    {nftLongInt, TWdgDataSubtype::LongInt, "iiiiiiiiii"},
    {nftWord, TWdgDataSubtype::Word, "99999"},
    {nftInteger, TWdgDataSubtype::SmallInt, "iiiiii"},
    {nftByte, TWdgDataSubtype::Byte, "999"},
    {nftShortInt, TWdgDataSubtype::ShortInt, "iiii"},
    {nftReal, TWdgDataSubtype::Real, "##########"},
    {nftExtended, TWdgDataSubtype::Extended, "##########"},
    {nftDouble, TWdgDataSubtype::Double, "##########"},
    {nftSingle, TWdgDataSubtype::Single, "##########"},
    {nftComp, TWdgDataSubtype::Comp, "iiiiiiiiii"},
};

const NumericType& TypeEntry(TNumericDataType type) {
  for (const NumericType& entry : kTypes)
    if (entry.type == type) return entry;
  throw EWdgException(LibraryString(WdgText::kInvalidParameter));
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
  SetOptions(Options());
  SetPicture(QStringLiteral("##########"));
  value_.SetInitialValue();
  WriteValue(value_.Text());
}

TWdgEntryFieldOptions TWdgCustomNumericField::AdjustOptions(TWdgEntryFieldOptions options) const {
  // Digits are always appended at the right edge: no caret placing, insert forcing,
  // justifying or alignment of the picture field's kind.
  return options & ~TWdgEntryFieldOptions(efoCaretToEnd | efoForceInsert | efoTrimBlanks |
                                          efoRightJustify | efoStripLiterals | efoRightAlign);
}

// ---- type, picture and range

void TWdgCustomNumericField::SetDataType(TNumericDataType type) {
  const NumericType& entry = TypeEntry(type);
  if (type == dataType_) return;
  dataType_ = type;
  decimalPlaces_ = 0;
  const QString picture = QString::fromLatin1(entry.picture);
  if (TWdgRealFieldValue::IsRealSubtype(entry.subtype)) {
    real_.emplace(entry.subtype);
    SetPicture(picture);
    WriteValue(RealText(real_->InitialValue()));
    return;
  }
  real_.reset();
  value_ = TWdgFieldValue(entry.subtype, picture);
  SetPicture(picture);
  value_.SetInitialValue();
  WriteValue(value_.Text());
}

void TWdgCustomNumericField::SetDecimalPlaces(int places) {
  places = qBound(0, places, 255);
  if (places == decimalPlaces_) return;
  decimalPlaces_ = places;
  buffer_.SetPicture(Picture(), decimalPlaces_);
}

void TWdgCustomNumericField::SetPictureMask(const QString& mask) {
  if (mask.isEmpty() || mask == Picture()) return;
  // A picture fixes the decimals of a real number with its '.', or with nothing at all.
  if (real_ && mask.contains(u'.') && (mask.contains(u'9') || mask.contains(u'i')))
    throw EInvalidPictureMask(mask);
  SetPicture(mask);
}

void TWdgCustomNumericField::SetPicture(const QString& picture) {
  if (picture.isEmpty()) return;
  // The picture says the radix: the value's text follows it.
  const int32_t low = value_.RangeLo(), high = value_.RangeHi();
  value_ = TWdgFieldValue(value_.Subtype(), picture);
  value_.SetRange(low, high);
  TWdgPictureBase::SetPicture(picture);
  if (real_ && picture.contains(u'.')) decimalPlaces_ = 0;
  buffer_.SetPicture(Picture(), decimalPlaces_);
}

void TWdgCustomNumericField::SetRange(int32_t low, int32_t high) {
  if (real_) real_->SetRange(low, high);
  else value_.SetRange(low, high);
}

void TWdgCustomNumericField::SetRealRange(long double low, long double high) {
  if (!real_) throw EInvalidDataType();
  real_->SetRange(low, high);
}

QString TWdgCustomNumericField::RangeLoText() const {
  return real_ ? real_->RangeLoText() : value_.RangeLoText();
}

QString TWdgCustomNumericField::RangeHiText() const {
  return real_ ? real_->RangeHiText() : value_.RangeHiText();
}

void TWdgCustomNumericField::SetRangeLoText(const QString& text) {
  if (real_) real_->SetRangeLoText(text);
  else value_.SetRangeLoText(text);
}

void TWdgCustomNumericField::SetRangeHiText(const QString& text) {
  if (real_) real_->SetRangeHiText(text);
  else value_.SetRangeHiText(text);
}

// ---- values

QString TWdgCustomNumericField::RealText(long double value) const {
  return TWdgRealFieldValue::ValueText(value, buffer_.Digits().decimals, decimalPlaces_ != 0);
}

int TWdgCustomNumericField::CheckField() {
  int code = 0;
  QString canonical;
  if (real_) {
    long double value = 0;
    code = real_->Check(StrippedText(), DecimalChar(), value);
    if (code == 0) canonical = RealText(value);
  } else {
    value_.SetText(StrippedText());
    const int32_t value = value_.GetIntValue();
    code = value_.LastError();
    if (code == 0) {
      value_.SetIntValue(value);
      canonical = value_.Text();
    }
  }
  if (code == 0 && hasFocus_ && !gettingValue_) {
    // The text takes its canonical form.
    editString_ = MergeText(canonical);
    Refresh();
  }
  return RunUserValidation(code);
}

int32_t TWdgCustomNumericField::GetIntValue() {
  if (real_) throw EInvalidDataType();
  gettingValue_ = true;
  lastError_ = CheckField();
  gettingValue_ = false;
  if (lastError_ != 0) return 0;
  value_.SetText(StrippedText());
  return value_.GetIntValue();
}

void TWdgCustomNumericField::SetIntValue(int32_t value) {
  if (real_) throw EInvalidDataType();
  value_.SetIntValue(value);
  // A value the picture cannot show whole is never shown cut: it is taken into the range.
  if (!Mask().NumberFits(value_.Text())) value_.SetIntValue(qBound(RangeLo(), value, RangeHi()));
  settingValue_ = true;
  WriteValue(value_.Text());
  settingValue_ = false;
}

long double TWdgCustomNumericField::GetRealValue() {
  if (!real_) throw EInvalidDataType();
  gettingValue_ = true;
  lastError_ = CheckField();
  gettingValue_ = false;
  long double value = 0;
  if (lastError_ != 0 || !real_->Read(StrippedText(), DecimalChar(), value)) return 0;
  return value;
}

void TWdgCustomNumericField::SetRealValue(long double value) {
  if (!real_) throw EInvalidDataType();
  if (!Mask().NumberFits(RealText(value))) value = qBound(real_->RangeLo(), value, real_->RangeHi());
  settingValue_ = true;
  WriteValue(RealText(value));
  settingValue_ = false;
}

void TWdgCustomNumericField::WriteValue(const QString& text) {
  editString_ = MergeText(text);
  if (!validating_) {
    leftForm_ = false;
    if (hasFocus_) buffer_.LoadEntryBuffer(StrippedText(), DecimalChar());
    ClearModified();
  }
  Refresh();
  if (!validating_ && hasFocus_) {
    PlaceCaret();
    if (!gettingValue_) selectAll();
  }
}

void TWdgCustomNumericField::IncreaseValue(bool wrap, double delta) {
  if (!hasFocus_) return;
  long double value = 0;
  if (real_) {
    if (!real_->Read(StrippedText(), DecimalChar(), value)) return;
  } else {
    int32_t read = 0;
    if (!FieldTextToInt(StrippedText(), RadixOfPicture(Picture()), read)) return;
    // Integer types step by the whole part of the delta.
    value = read;
    delta = std::trunc(delta);
  }
  const long double low = RealRangeLo(), high = RealRangeHi();
  if (delta < 0 && value <= low) {
    if (!wrap) return;
    value = high;
  } else if (delta > 0 && value >= high) {
    if (!wrap) return;
    value = low;
  } else {
    value += delta;
  }
  value = qBound(low, value, high);
  if (real_) {
    WriteValue(RealText(value));
  } else {
    value_.SetIntValue(int32_t(value));
    WriteValue(value_.Text());
  }
  buffer_.LoadEntryBuffer(StrippedText(), DecimalChar());
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
  const Typed typed = trial.TypeChar(c, DecimalChar());
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
  case ccDec: IncreaseValue(true, -1.0); break;
  case ccInc: IncreaseValue(true, 1.0); break;
  case ccDown:
  case ccUp: {
    const bool down = code == ccDown;
    if (Controller()->EntryOptions().testFlag(efoAutoAdvanceUpDown)) down ? MoveToNext() : MoveToPrevious();
    else if (Options().testFlag(efoArrowIncDec) && !IsReadOnly()) IncreaseValue(true, down ? -1.0 : 1.0);
    else AutoAdvance(down, false);
    break;
  }
  case ccIns: SetInsertMode(!insert_); break;
  case ccLeft:
  case ccWordLeft: AutoAdvance(false, false); break;
  case ccRight:
  case ccWordRight: AutoAdvance(true, false); break;
  case ccPaste: {
    // A paste replaces the selection only when something of it is taken.
    TWdgNumericEntryBuffer trial = buffer_;
    if (hadSelection) trial.ClearEntry();
    if (trial.Paste(pasted, DecimalChar())) {
      buffer_ = trial;
      changed = true;
    }
    keepSelection = !changed;
    break;
  }
  case ccRestore:
    TWdgPictureBase::Restore();
    buffer_.LoadEntryBuffer(StrippedText(), DecimalChar());
    keepSelection = true;
    break;
  case kTypedChar:
    TypeChar(typed, hadSelection, changed);
    keepSelection = !changed;  // a refused character leaves everything as it was
    break;
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
  buffer_.LoadEntryBuffer(StrippedText(), DecimalChar());
  PlaceCaret();
}

void TWdgCustomNumericField::focusOutEvent(QFocusEvent* event) {
  TWdgPictureBase::focusOutEvent(event);
  if (!leftForm_) buffer_.ClearEntry();
}
