#pragma once
// What the machine windows' tests share: the machine fixture with the windows registered,
// a model choice answered by a double that picks tMachTestLeaf (programs "Alpha" and
// "Bravo"), and helpers that work a modal window from inside its own event loop.
#include "MachinesFixture.h"

#include "model/EcrForms.h"
#include "model/tEcr.h"
#include "platform/sys/FormRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

class tMachTestLeaf final : public tEcr {
  TB_OBJECT(tMachTestLeaf)
public:
  explicit tMachTestLeaf(TBlank blank) : tEcr(blank) {}
  void Create(TObject* owner) override;
  QString GetModelName() const override { return QStringLiteral("Leaf"); }
  void GetModel(tEcr*& result) override { result = this; }
};

class MachineFormsFixture : public MachinesFixture {
protected:
  MachineFormsFixture();

  // The step runs once a modal window is up, with that window.
  static void WhenShown(std::function<void(QWidget*)> step);
  static void Click(QWidget* form, const char* name);
  template <class W>
  static W* Find(QWidget* form, const char* name) {
    return form->findChild<W*>(QString::fromLatin1(name));
  }
  static QLineEdit* Edit(QWidget* form, const char* name) { return Find<QLineEdit>(form, name); }
  // Fills what a new machine needs to be saved.
  static void FillRequired(QWidget* form, const QString& id);
  static void ShowActive(QWidget& form);

  int modelChoices = 0;
  bool cancelModelChoice = false;

private:
  std::unique_ptr<ScopedForm<ModelChoiceRequest>> chooser_;
};
