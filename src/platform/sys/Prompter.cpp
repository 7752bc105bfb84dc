#include "platform/sys/Prompter.h"

#include <QDebug>
#include <atomic>

namespace {
LogPrompter& logPrompter() {
  static LogPrompter prompter;
  return prompter;
}
std::atomic<Prompter*> current{nullptr};
} // namespace

Prompter& Prompter::Current() {
  Prompter* p = current.load(std::memory_order_acquire);
  return p ? *p : logPrompter();
}

void Prompter::SetCurrent(Prompter* prompter) { current.store(prompter, std::memory_order_release); }

void Prompter::ShowMessage(const QString& text, Kind kind) {
  Current().Ask(kind, QString(), text, Ok, Ok);
}

bool Prompter::Confirm(const QString& caption, const QString& text) {
  return Current().Ask(Kind::Confirmation, caption, text, Yes | No, No) == Yes;
}

Prompter::Answer LogPrompter::Ask(Kind, const QString& caption, const QString& text, int,
                                  Answer defaultAnswer) {
  qWarning().noquote() << (caption.isEmpty() ? text : caption + QStringLiteral(": ") + text);
  return defaultAnswer;
}

Prompter::Answer ScriptedPrompter::Ask(Kind kind, const QString& caption, const QString& text,
                                       int buttons, Answer defaultAnswer) {
  shown.append({kind, caption, text, buttons});
  return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

QStringList ScriptedPrompter::Texts() const {
  QStringList texts;
  for (const Shown& s : shown) texts.append(s.text);
  return texts;
}
