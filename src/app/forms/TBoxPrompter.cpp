#include "app/forms/TBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {
struct ButtonMap {
  Prompter::Answer answer;
  QMessageBox::StandardButton button;
};
constexpr ButtonMap kButtons[] = {
    {Prompter::Ok, QMessageBox::Ok},       {Prompter::Cancel, QMessageBox::Cancel},
    {Prompter::Yes, QMessageBox::Yes},     {Prompter::No, QMessageBox::No},
    {Prompter::Abort, QMessageBox::Abort}, {Prompter::Retry, QMessageBox::Retry},
    {Prompter::Ignore, QMessageBox::Ignore}};

QMessageBox::Icon IconOf(Prompter::Kind kind) {
  switch (kind) {
  case Prompter::Kind::Warning: return QMessageBox::Warning;
  case Prompter::Kind::Error: return QMessageBox::Critical;
  case Prompter::Kind::Confirmation: return QMessageBox::Question;
  case Prompter::Kind::Information: break;
  }
  return QMessageBox::Information;
}
} // namespace

Prompter::Answer TBoxPrompter::Ask(Kind kind, const QString& caption, const QString& text, int buttons,
                                   Answer defaultAnswer) {
  QMessageBox box(QApplication::activeWindow());
  box.setObjectName(QStringLiteral("PromptBox"));
  box.setIcon(IconOf(kind));
  box.setWindowTitle(caption.isEmpty() ? QApplication::applicationName() : caption);
  box.setText(text);
  QMessageBox::StandardButtons offered;
  for (const ButtonMap& map : kButtons)
    if (buttons & map.answer) offered |= map.button;
  box.setStandardButtons(offered ? offered : QMessageBox::Ok);
  for (const ButtonMap& map : kButtons)
    if (map.answer == defaultAnswer) box.setDefaultButton(map.button);
  const int clicked = box.exec();
  for (const ButtonMap& map : kButtons)
    if (map.button == clicked) return map.answer;
  return buttons & Cancel ? Cancel : defaultAnswer;
}
