#pragma once
// The base of every exception the system raises: a message text, as the user sees it.
#include <QString>
#include <QByteArray>
#include <exception>

class Exception : public std::exception {
public:
  explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
  const QString& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return utf8_.constData(); }
  // The name of the exception's own class, as the system reports it.
  virtual const char* ClassName() const noexcept { return "Exception"; }

private:
  QString message_;
  QByteArray utf8_;
};

// The text of any exception: the system's own message, or what a library said.
inline QString ExceptionMessage(const std::exception& e) {
  if (const auto* own = dynamic_cast<const Exception*>(&e)) return own->Message();
  return QString::fromLocal8Bit(e.what());
}

// Declares an exception class with a fixed message.
#define TB_EXCEPTION_FIXED(Name, Parent, Text)                                   \
  class Name : public Parent {                                                   \
  public:                                                                        \
    Name() : Parent(QStringLiteral(Text)) {}                                     \
    const char* ClassName() const noexcept override { return #Name; }            \
                                                                                 \
  protected:                                                                     \
    explicit Name(QString message) : Parent(std::move(message)) {}               \
  };

// Declares an exception class whose message is given when it is raised.
#define TB_EXCEPTION(Name, Parent)                                               \
  class Name : public Parent {                                                   \
  public:                                                                        \
    explicit Name(QString message) : Parent(std::move(message)) {}               \
    const char* ClassName() const noexcept override { return #Name; }            \
  };
