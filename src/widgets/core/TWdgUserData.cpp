#include "widgets/core/TWdgUserData.h"

#include "platform/sys/Cp1252.h"

TWdgUserData::TWdgUserData() {
  for (auto& set : sets_) {
    set.set();
    set.reset(0);
  }
  for (int i = 0; i < 8; ++i) substitutions_[i] = Cp1252::ToChar(static_cast<unsigned char>(kFirstLiteralCode + i));
}

TWdgUserData& TWdgUserData::Default() {
  static TWdgUserData data;
  return data;
}

int TWdgUserData::CodeOf(QChar c) {
  if (c.unicode() < 128) return c.unicode();
  const char byte = Cp1252::FromChar(c);
  if (byte == '?') return -1;
  return static_cast<unsigned char>(byte);
}

int TWdgUserData::UserCharNumber(QChar userChar) {
  return userChar >= u'1' && userChar <= u'8' ? userChar.unicode() - u'0' : 0;
}

TWdgCaseRule TWdgUserData::CaseRule(QChar userChar) const {
  const uint8_t code = CaseRuleCode(userChar);
  return code <= 3 ? TWdgCaseRule(code) : TWdgCaseRule::AsTyped;
}

uint8_t TWdgUserData::CaseRuleCode(QChar userChar) const {
  const int n = UserCharNumber(userChar);
  return n == 0 ? 0 : caseRules_[n - 1];
}

void TWdgUserData::SetCaseRule(QChar userChar, uint8_t rule) {
  if (const int n = UserCharNumber(userChar)) caseRules_[n - 1] = rule;
}

QChar TWdgUserData::Substitution(int code) const {
  if (code < kFirstLiteralCode || code > kLastLiteralCode) return QChar();
  return substitutions_[code - kFirstLiteralCode];
}

void TWdgUserData::SetSubstitution(int code, QChar shown) {
  if (code >= kFirstLiteralCode && code <= kLastLiteralCode) substitutions_[code - kFirstLiteralCode] = shown;
}

QChar TWdgUserData::ShownLiteral(QChar pictureChar) const {
  const QChar shown = Substitution(CodeOf(pictureChar));
  return shown.isNull() ? pictureChar : shown;
}

bool TWdgUserData::CopyCharSet(QChar userChar, std::bitset<256>& set) const {
  const int n = UserCharNumber(userChar);
  if (n == 0) return false;
  set = sets_[n - 1];
  return true;
}

void TWdgUserData::SetCharSet(QChar userChar, const std::bitset<256>& set) {
  if (const int n = UserCharNumber(userChar)) sets_[n - 1] = set;
}

bool TWdgUserData::Accepts(QChar userChar, QChar c) const {
  const int n = UserCharNumber(userChar);
  const int code = CodeOf(c);
  return n != 0 && code >= 0 && sets_[n - 1].test(code);
}
