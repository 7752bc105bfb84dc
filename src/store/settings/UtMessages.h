#pragma once
// The utility library's message table (id -> text) and its exceptions, which carry the
// id of their message as ErrorCode.
#include "platform/sys/Exception.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <cstdint>

namespace UtMessages {
// Message ids the settings store and the version-information reader raise.
enum : int32_t {
  SFalse = 0,
  STrue = 1,
  SNoIniFileOrKey = 2,
  SWin32sNotSupported = 4,
  SCreateKeyFailed = 5,
  SIniWriteFailed = 7,
  SRegistryWriteFailed = 8,
  SNoKeyName = 9,
  SNotSupportedOnIni = 29,
  SCloseRemoteKeyFailed = 32,
  SByteArrayTooLarge = 38,
  SNoValueName = 40,
  SFileOpenError = 73,
  SNoVersionInfo = 100,
  SVersionInfoUnreadable = 101,
};

// The text of an id; an id that is not in the table gives an empty text.
QString Text(int32_t id);
// The text of an id with "%d" and "%s" replaced, in order, by the arguments' texts
// ("%%" stands for "%"). Missing arguments leave their place holders as they are.
QString Format(int32_t id, const QList<QVariant>& args);
} // namespace UtMessages

class EUtException : public Exception {
public:
  explicit EUtException(int32_t id, const QList<QVariant>& args = {})
      : Exception(UtMessages::Format(id, args)), errorCode_(id) {}
  const char* ClassName() const noexcept override { return "EUtException"; }
  int32_t ErrorCode() const noexcept { return errorCode_; }

protected:
  // A message of the raiser's own, with the id of the table message it stands for.
  struct OwnText {};
  EUtException(OwnText, int32_t id, QString message) : Exception(std::move(message)), errorCode_(id) {}

private:
  int32_t errorCode_;
};

class EUtRegIniError : public EUtException {
public:
  explicit EUtRegIniError(int32_t id, const QList<QVariant>& args = {}) : EUtException(id, args) {}
  const char* ClassName() const noexcept override { return "EUtRegIniError"; }
  // An error with its own message text under the given id.
  static EUtRegIniError WithText(int32_t id, QString message) {
    return EUtRegIniError(OwnText{}, id, std::move(message));
  }

private:
  EUtRegIniError(OwnText tag, int32_t id, QString message) : EUtException(tag, id, std::move(message)) {}
};

class EUtVersionInfoError : public EUtException {
public:
  explicit EUtVersionInfoError(int32_t id, const QList<QVariant>& args = {}) : EUtException(id, args) {}
  const char* ClassName() const noexcept override { return "EUtVersionInfoError"; }
};
