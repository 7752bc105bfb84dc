#pragma once
// One value a decoder must store, in the form the expectations print it: integers in
// decimal, money to the cent ("-15.00"), times as HH:MM, logicals as true/false, texts as
// they are, and \N for a column the row leaves empty (null).
#include <QString>
#include <QtGlobal>

struct SynthValue {
  enum class Kind { Integer, Money, Time, Logical, Text, Null };
  Kind kind = Kind::Null;
  qint64 number = 0; // Integer; Money in cents; Time in minutes after midnight; Logical 0/1
  QString text;

  static SynthValue Integer(qint64 n) { return {Kind::Integer, n, {}}; }
  static SynthValue Cents(qint64 cents) { return {Kind::Money, cents, {}}; }
  static SynthValue Minutes(int minutes) { return {Kind::Time, minutes, {}}; }
  static SynthValue Logical(bool flag) { return {Kind::Logical, flag ? 1 : 0, {}}; }
  static SynthValue Text(const QString& t) { return {Kind::Text, 0, t}; }
  static SynthValue Null() { return {}; }

  QString Format() const;
  // Reads a value of the given kind from its printed form ("-15.00", "22:30", "true");
  // throws SynthValueError naming the column when the text is not one.
  static SynthValue Parse(Kind kind, const QString& text, const QString& column);
  bool operator==(const SynthValue&) const = default;
};
