#pragma once
// The user-defined picture characters "1" to "8" (each with the characters it accepts and a
// case rule) and the user literals, codes 241 to 248, each shown as a character of its own.
// Characters are taken by their Windows-1252 code.
#include <QChar>
#include <array>
#include <bitset>
#include <cstdint>

// How a user picture character changes the case of a typed character.
enum class TWdgCaseRule : uint8_t { AsTyped = 0, Upper = 1, Lower = 2, Mixed = 3 };

class TWdgUserData {
public:
  static constexpr int kFirstLiteralCode = 241;
  static constexpr int kLastLiteralCode = 248;

  // Every user character accepts every character but code 0, types as typed; each user
  // literal stands for itself.
  TWdgUserData();

  // The user data every entry field starts with, shared by the whole program.
  static TWdgUserData& Default();

  // The Windows-1252 code of a character; -1 for a character that code page lacks.
  static int CodeOf(QChar c);
  // 1..8 for the characters "1".."8", else 0.
  static int UserCharNumber(QChar userChar);

  // The case rule of "1".."8"; AsTyped for any other character.
  TWdgCaseRule CaseRule(QChar userChar) const;
  // A stored rule other than 0..3 acts as AsTyped.
  void SetCaseRule(QChar userChar, uint8_t rule);
  uint8_t CaseRuleCode(QChar userChar) const;

  // The character shown for a user literal code (241..248); the null character for others.
  QChar Substitution(int code) const;
  void SetSubstitution(int code, QChar shown);
  // The character a picture literal shows: its substitution when it is a user literal,
  // else itself.
  QChar ShownLiteral(QChar pictureChar) const;

  // The set of "1".."8"; false (and `set` untouched) for any other character.
  bool CopyCharSet(QChar userChar, std::bitset<256>& set) const;
  void SetCharSet(QChar userChar, const std::bitset<256>& set);
  // Whether the user character's set holds the character; false for other picture characters.
  bool Accepts(QChar userChar, QChar c) const;

private:
  std::array<std::bitset<256>, 8> sets_;
  std::array<uint8_t, 8> caseRules_{};
  std::array<QChar, 8> substitutions_;
};
