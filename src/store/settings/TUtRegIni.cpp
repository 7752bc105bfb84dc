#include "store/settings/TUtRegIni.h"

#include "platform/profile/EProfileError.h"
#include "store/text/NumberText.h"
#include "store/settings/UtMessages.h"

namespace {
constexpr qsizetype kMaxStringRead = 1023;
// A key no one uses: written and deleted again to leave a section's header behind.
const QString kProbeKey = QStringLiteral("$ABC123098FED");

QString checkedName(const QString& name) {
  if (name.isEmpty()) throw EUtRegIniError(UtMessages::SNoIniFileOrKey);
  return name;
}
} // namespace

TUtRegIni::TUtRegIni(const QString& name, bool isIni)
    : fileName_(checkedName(name)),
      file_(fileName_),
      trueText_(UtMessages::Text(UtMessages::STrue)),
      falseText_(UtMessages::Text(UtMessages::SFalse)) {
  if (!isIni)
    throw EUtRegIniError::WithText(
        UtMessages::SWin32sNotSupported,
        QStringLiteral("Registry mode is not supported: settings are kept in INI files only"));
}

void TUtRegIni::SetSection(const QString& section) {
  std::lock_guard<std::mutex> hold(lock_);
  section_ = section;
}

QString TUtRegIni::CurrentSection() const {
  std::lock_guard<std::mutex> hold(lock_);
  return section_;
}

void TUtRegIni::CreateKey(const QString& name) {
  if (name.isEmpty()) throw EUtRegIniError(UtMessages::SNoKeyName);
  std::lock_guard<std::mutex> hold(lock_);
  // A section already there needs no rewrite of the file (which may be read-only).
  if (file_.HasSection(name)) return;
  try {
    file_.Write(name, kProbeKey, QStringLiteral(" "));
  } catch (const EProfileError& e) {
    throw EUtRegIniError(UtMessages::SCreateKeyFailed, {e.SystemError()});
  }
  try {
    file_.DeleteKey(name, kProbeKey);
  } catch (const EProfileError&) {
    throw EUtRegIniError(UtMessages::SIniWriteFailed);
  }
}

QString TUtRegIni::readValue(const QString& key) const {
  std::lock_guard<std::mutex> hold(lock_);
  if (key.isEmpty()) return QString();
  return file_.Read(section_, key).value_or(QString());
}

void TUtRegIni::writeValue(const QString& key, const QString& value) {
  if (key.isEmpty()) throw EUtRegIniError(UtMessages::SNoValueName);
  std::lock_guard<std::mutex> hold(lock_);
  try {
    file_.Write(section_, key, value);
  } catch (const EProfileError&) {
    throw EUtRegIniError(UtMessages::SIniWriteFailed);
  }
}

void TUtRegIni::WriteBoolean(const QString& key, bool value) {
  writeValue(key, value ? trueText_ : falseText_);
}

bool TUtRegIni::ReadBoolean(const QString& key, bool defaultValue) const {
  const QString text = readValue(key);
  if (text.compare(falseText_, Qt::CaseInsensitive) == 0) return false;
  if (text.compare(trueText_, Qt::CaseInsensitive) == 0) return true;
  double number = 0;
  if (NumberText::TextToFloat(text, number)) return number != 0;
  return defaultValue;
}

void TUtRegIni::WriteInteger(const QString& key, int32_t value) { writeValue(key, QString::number(value)); }

int32_t TUtRegIni::ReadInteger(const QString& key, int32_t defaultValue) const {
  const QString text = readValue(key);
  if (text.isEmpty()) return defaultValue;
  int code = 0;
  const int32_t value = NumberText::ValLongint(text, code);
  return code == 0 ? value : defaultValue;
}

void TUtRegIni::WriteString(const QString& key, const QString& value) { writeValue(key, value); }

QString TUtRegIni::ReadString(const QString& key, const QString& defaultValue) const {
  const QString text = readValue(key);
  return text.isEmpty() ? defaultValue : text.left(kMaxStringRead);
}

void TUtRegIni::WriteFloat(const QString& key, double value) {
  writeValue(key, NumberText::FloatToText(value));
}

double TUtRegIni::ReadFloat(const QString& key, double defaultValue) const {
  double value = 0;
  return NumberText::TextToFloat(readValue(key), value) ? value : defaultValue;
}
