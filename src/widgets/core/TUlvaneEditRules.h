#pragma once
// What the numeric edit control does with its text, without a window: which typed
// characters it takes, which changes it undoes, what leaving makes of the text, and how the
// text reads and writes as a number. The control passes in its text, selection and caret
// (0-based positions) and applies what comes back.
#include "widgets/core/TUlvaneMask.h"

#include <QString>
#include <QStringList>
#include <optional>

class TUlvaneEditRules {
public:
  // Where the caret and the selection are in the text.
  struct Edit {
    QString text;
    int caret = 0;          // the caret, or the start of the selection when there is one
    int selectionLength = 0;
    QString Selected() const { return text.mid(caret, selectionLength); }
    QString Outside() const { return text.left(caret) + text.mid(caret + selectionLength); }
  };
  enum class Key {
    Refused,
    Typed,              // typed at the caret, after OnKeyPress
    ReplacesSelection,  // replaces the selection, without OnKeyPress
  };
  enum class Leaving {
    StaysBlank,  // empty and allowed to be: nothing more happens, no exit
    OutOfRange,  // the range message is shown and the focus goes back
    Left,        // the text is taken and the exit is reported
  };
  struct LeaveResult {
    Leaving outcome;
    QString text;  // the text the control shows after leaving (or while it keeps the focus)
  };
  template <typename T>
  struct Read {
    T value{};
    QString error;  // not empty when the text did not convert; the value is then 0
  };

  // A new control: mask "0", range -32768..32767, floating, padding on, no blank.
  TUlvaneEditRules();

  const TUlvaneMask& Mask() const { return mask_; }
  QString EditMask() const { return mask_.Text(); }
  // Repairs and takes the mask and the range it allows; returns the messages to show, in
  // order. A "$" mask turns an empty or "0" text into "$0".
  QStringList SetEditMask(const QString& raw, QString& text);
  TDataType DataType() const { return dataType_; }
  // An integer type drops the mask's decimal part, with the message returned; the range
  // stays as it was.
  std::optional<QString> SetDataType(TDataType type);
  const QString& RangeHigh() const { return rangeHigh_; }
  void SetRangeHigh(const QString& value) { rangeHigh_ = value; }
  const QString& RangeLow() const { return rangeLow_; }
  void SetRangeLow(const QString& value) { rangeLow_ = value; }
  bool PopulateZeros() const { return populateZeros_; }
  void SetPopulateZeros(bool on) { populateZeros_ = on; }
  bool LeaveBlank() const { return leaveBlank_; }
  void SetLeaveBlank(bool on) { leaveBlank_ = on; }
  bool HasDollar() const { return mask_.HasDollar(); }
  bool HasPeriod() const { return hasPeriod_; }
  bool NegativeAllowed() const { return true; }
  const QString& LastText() const { return lastText_; }

  // The key filter for one typed character (not Backspace or Enter, which always pass).
  Key Filter(QChar c, const Edit& edit) const;
  // Whether c fits the mask: the candidate is the text with c appended at its END, whatever
  // the caret, and the caret position decides whether c lands in the integer or the decimal
  // part.
  bool Fits(QChar c, const QString& text, int caret) const;
  // Every change of the text: false when the change loses the "." and leaves more than
  // I + 1 characters; the control then puts LastText back and reports nothing.
  bool Change(const QString& text);
  // The text on entering: without its "$".
  QString Entered(const QString& text) const;
  LeaveResult Leave(const QString& text) const;
  // "The number must be between <low> and <high>."
  QString RangeMessage() const;
  bool InRange(const QString& text) const;
  // Decimals padded with zeros to the mask (when PopulateZeros is on).
  QString Padded(const QString& text) const;
  // The text after a paste or drop of `inserted` in place of the selection; nothing when the
  // result is not a number the mask holds.
  std::optional<QString> Inserted(const Edit& edit, const QString& inserted) const;
  // What of a pasted or dropped text goes in: without the space around it, and without a
  // leading "$" on a "$" mask.
  QString InsertedPart(const QString& inserted) const;
  // Whether a whole text is a number of the mask's shape (an empty text is).
  bool Holds(const QString& text) const;

  Read<qint32> IntValue(const QString& text) const;
  Read<double> FloatValue(const QString& text) const;
  QString IntText(qint32 value) const;
  Read<QString> FloatText(double value) const;

private:
  QString WithoutDollar(const QString& text) const;

  TUlvaneMask mask_;
  QString rangeHigh_ = QStringLiteral("32767");
  QString rangeLow_ = QStringLiteral("-32768");
  bool populateZeros_ = true;
  TDataType dataType_ = DTDouble;
  bool leaveBlank_ = false;
  QString lastText_;
  bool hasPeriod_ = false;
};
