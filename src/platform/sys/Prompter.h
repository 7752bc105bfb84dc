#pragma once
// Every message box and confirmation of the system goes through the current prompter,
// so that tests never hang on a modal box and unattended work never waits for a click.
// The window library installs a prompter that shows real boxes; without one, messages
// are written to the log and the default answer is taken.
#include <QString>
#include <QStringList>

class Prompter {
public:
  enum class Kind { Information, Warning, Error, Confirmation };
  // Answers, also used as a bit set of the buttons offered.
  enum Answer { Ok = 0x01, Cancel = 0x02, Yes = 0x04, No = 0x08, Abort = 0x10, Retry = 0x20, Ignore = 0x40 };

  virtual ~Prompter() = default;
  // Shows a message with the given buttons; returns the answer chosen.
  virtual Answer Ask(Kind kind, const QString& caption, const QString& text, int buttons,
                     Answer defaultAnswer) = 0;

  static Prompter& Current();
  // Installs a prompter (nullptr restores the logging one). The caller keeps ownership.
  static void SetCurrent(Prompter* prompter);

  // Shorthands on the current prompter.
  static void ShowMessage(const QString& text, Kind kind = Kind::Information);
  static bool Confirm(const QString& caption, const QString& text);
};

// Writes every message to the log and answers with the default.
class LogPrompter final : public Prompter {
public:
  Answer Ask(Kind kind, const QString& caption, const QString& text, int buttons,
             Answer defaultAnswer) override;
};

// For tests: records every message and answers from a queue (the default when it is empty).
class ScriptedPrompter final : public Prompter {
public:
  struct Shown {
    Kind kind;
    QString caption;
    QString text;
    int buttons;
  };
  QList<Shown> shown;
  QList<Answer> answers;

  Answer Ask(Kind kind, const QString& caption, const QString& text, int buttons,
             Answer defaultAnswer) override;
  QStringList Texts() const;
};

class ScopedPrompter {
public:
  explicit ScopedPrompter(Prompter& prompter) { Prompter::SetCurrent(&prompter); }
  ~ScopedPrompter() { Prompter::SetCurrent(nullptr); }
  ScopedPrompter(const ScopedPrompter&) = delete;
  ScopedPrompter& operator=(const ScopedPrompter&) = delete;
};
