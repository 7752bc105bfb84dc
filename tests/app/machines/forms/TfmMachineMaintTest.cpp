// "Machine Maintenance": a new machine's model choice, the Save checks with their messages
// and focus, the live Program ID and its undo on Cancel.
#include "MachineFormsFixture.h"

#include "app/machines/forms/TfmMachineMaint.h"
#include "comm/link/SclPortChooser.h"
#include "model/tEcrPrg.h"
#include "platform/sys/EUserAbort.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
class TfmMachineMaintTest : public MachineFormsFixture {
protected:
  // A stored-looking machine with the test driver and every field the window shows.
  std::unique_ptr<tMachine> Existing() {
    std::unique_ptr<tMachine> m = Machine(QStringLiteral("Front"), 12, 3);
    m->SetEcr(tEcr::New(tMachTestLeaf::StaticClass()));
    m->Ecr()->Prg(1)->SetProgramID(QStringLiteral("Own"));
    m->Phone = QStringLiteral("(330) 555-1234");
    m->Zip = 44301;
    m->Currency = 2;
    return m;
  }
  QStringList ProgramIds(const tMachine& m) {
    QStringList ids;
    for (int i = 1; i <= m.Ecr()->PrgCount(); ++i) ids << m.Ecr()->Prg(i)->ProgramID();
    return ids;
  }
};

QString Shot(QWidget& form, const char* name) {
  const QString dir = QDir::temp().filePath(QStringLiteral("tillbridge-shots"));
  QDir().mkpath(dir);
  const QString path = QDir(dir).filePath(QString::fromLatin1(name));
  form.grab().save(path);
  return path;
}
} // namespace

TEST_F(TfmMachineMaintTest, ANewMachineChoosesItsModelThenSavesWhatWasEntered) {
  ScopedForm<PortChoiceRequest> ports([](PortChoiceRequest& r) {
    r.port = 4;
    return 1;
  });
  tMachine machine;
  QStringList shownDriver;
  WhenShown([&](QWidget* w) {
    shownDriver << Edit(w, "edMfg")->text() << Edit(w, "edModel")->text() << Edit(w, "edRom")->text();
    Edit(w, "edMachineId")->setText(QStringLiteral("Back"));
    Edit(w, "edProgramId")->setText(QStringLiteral("Shop1"));
    QTest::mouseClick(Edit(w, "edCommPort"), Qt::LeftButton); // the port chooser
    Find<QComboBox>(w, "cbBaudRate")->setCurrentText(QStringLiteral("19200"));
    Find<QComboBox>(w, "cbSwitchType")->setCurrentText(QStringLiteral("8 Port"));
    Edit(w, "edStoreNumber")->setText(QStringLiteral("12"));
    Edit(w, "edZip")->setText(QStringLiteral("44301"));
    QTest::keyClick(Edit(w, "edPhone"), Qt::Key_Home);
    QTest::keyClicks(Edit(w, "edPhone"), QStringLiteral("3305551234"));
    Click(w, "btnSave");
  });
  ASSERT_TRUE(machine.DoMaint(true, {QStringLiteral("Front")}));
  EXPECT_EQ(modelChoices, 1);
  EXPECT_EQ(shownDriver, (QStringList{"Manufacturer Undefined", "Leaf", "ROM UNDEFINED"}));
  ASSERT_TRUE(machine.Ecr());
  EXPECT_EQ(machine.Ecr()->ClassName(), "tMachTestLeaf");
  EXPECT_EQ(machine.MachineId, QStringLiteral("Back"));
  EXPECT_EQ(machine.ProgramID, QStringLiteral("Shop1"));
  EXPECT_EQ(machine.CommPort, QStringLiteral("Direct to COM4"));
  EXPECT_EQ(machine.BaudRate, 19200);
  EXPECT_EQ(machine.SwitchType, QStringLiteral("8 Port"));
  EXPECT_EQ(machine.StoreNumber, 12);
  EXPECT_EQ(machine.Zip, 44301);
  EXPECT_EQ(machine.Phone, QStringLiteral("(330) 555-1234"));
  EXPECT_EQ(machine.Fax, QString()); // nothing typed: nothing stored, not the picture's literals
}

TEST_F(TfmMachineMaintTest, CancellingTheModelChoiceOpensNoWindow) {
  cancelModelChoice = true;
  tMachine machine;
  bool opened = false;
  WhenShown([&](QWidget*) { opened = true; });
  EXPECT_THROW(machine.DoMaint(true, {}), EUserAbort);
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  EXPECT_EQ(machine.Ecr(), nullptr);
}

TEST_F(TfmMachineMaintTest, EachSaveCheckStopsWithItsMessageAndFocus) {
  using Kind = Prompter::Kind;
  struct Case {
    const char* name;
    bool isNew;
    std::function<void(QWidget*)> change;
    Kind kind;
    const char* message;
    const char* focus;
  };
  auto setText = [](const char* field, const char* text) {
    return [=](QWidget* w) { Edit(w, field)->setText(QString::fromLatin1(text)); };
  };
  const Case cases[] = {
      {"new id used in other letters", true, setText("edMachineId", "back"), Kind::Error,
       "This Machine ID is already being used", "edMachineId"},
      {"own id in other letters", false, setText("edMachineId", "front"), Kind::Error,
       "This Machine ID is already being used", "edMachineId"},
      {"empty id", false, setText("edMachineId", ""), Kind::Warning, "Please enter a Machine ID", "edMachineId"},
      {"empty id before empty program id", false,
       [](QWidget* w) {
         Edit(w, "edMachineId")->clear();
         Edit(w, "edProgramId")->clear();
       },
       Kind::Warning, "Please enter a Machine ID", "edMachineId"},
      {"empty program id", false, setText("edProgramId", ""), Kind::Warning, "Please enter a Program ID",
       "edProgramId"},
      {"empty port", false, setText("edCommPort", ""), Kind::Warning, "Please enter a Comm Port", "edCommPort"},
      {"no baud rate", false, [](QWidget* w) { Find<QComboBox>(w, "cbBaudRate")->setCurrentIndex(-1); },
       Kind::Warning, "Please enter a Baud Rate", "cbBaudRate"},
      {"store number not whole", false, setText("edStoreNumber", "12a"), Kind::Error,
       "'12a' is not a valid integer value", "edStoreNumber"},
      {"currency over a byte", false, setText("edCurrency", "256"), Kind::Error, "'256' is not a valid integer value",
       "edCurrency"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<tMachine> machine = Existing();
    MachineMaintRequest request{*machine, c.isNew, {QStringLiteral("Front"), QStringLiteral("Back")}};
    TfmMachineMaint form(request);
    ShowActive(form);
    c.change(&form);
    prompter.shown.clear();
    Click(&form, "btnSave");
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, QString::fromLatin1(c.message));
    EXPECT_EQ(prompter.shown[0].kind, c.kind);
    EXPECT_EQ(prompter.shown[0].buttons, int(Prompter::Ok));
    ASSERT_TRUE(form.focusWidget());
    EXPECT_EQ(form.focusWidget()->objectName(), QString::fromLatin1(c.focus));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(machine->MachineId, QStringLiteral("Front")); // nothing copied
    EXPECT_EQ(machine->StoreNumber, 12);
  }
}

TEST_F(TfmMachineMaintTest, EditingWithoutChangingTheIdSavesThoughTheIdIsUsed) {
  std::unique_ptr<tMachine> machine = Existing();
  MachineMaintRequest request{*machine, false, {QStringLiteral("Front"), QStringLiteral("Back")}};
  TfmMachineMaint form(request);
  ShowActive(form);
  EXPECT_EQ(Edit(&form, "edPhone")->text(), QStringLiteral("(330) 555-1234"));
  EXPECT_EQ(Find<QComboBox>(&form, "cbSwitchType")->currentText(), QStringLiteral("4 Port"));
  Edit(&form, "edCity")->setText(QStringLiteral("Akron"));
  Click(&form, "btnSave");
  EXPECT_TRUE(prompter.shown.isEmpty());
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(machine->City, QStringLiteral("Akron"));
  EXPECT_EQ(machine->Zip, 44301);
  EXPECT_EQ(machine->Currency, 2);
  Shot(form, "MachineMaintenance.png");
}

TEST_F(TfmMachineMaintTest, TypingAProgramIdRenamesEveryProgramAndCancelPutsThemBack) {
  std::unique_ptr<tMachine> machine = Existing();
  const QStringList before = ProgramIds(*machine);
  MachineMaintRequest request{*machine, false, {QStringLiteral("Front")}};
  TfmMachineMaint form(request);
  ShowActive(form);
  EXPECT_EQ(ProgramIds(*machine), before); // loading the field renames nothing
  QLineEdit* programId = Edit(&form, "edProgramId");
  programId->selectAll();
  QTest::keyClicks(programId, QStringLiteral("North"));
  EXPECT_EQ(ProgramIds(*machine), (QStringList{"North", "North"}));
  Click(&form, "btnCancel");
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(ProgramIds(*machine), before);
  EXPECT_EQ(machine->ProgramID, QStringLiteral("SetFront"));
}

TEST_F(TfmMachineMaintTest, ABaudRateNotInTheListShowsNoneAndSaveAsksForOne) {
  std::unique_ptr<tMachine> machine = Existing();
  machine->BaudRate = 300;
  machine->SwitchType = QStringLiteral("cas-81");
  MachineMaintRequest request{*machine, false, {QStringLiteral("Front")}};
  TfmMachineMaint form(request);
  ShowActive(form);
  EXPECT_EQ(Find<QComboBox>(&form, "cbBaudRate")->currentIndex(), -1);
  EXPECT_EQ(Find<QComboBox>(&form, "cbSwitchType")->currentText(), QStringLiteral("CAS-81"));
  Click(&form, "btnSave");
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("Please enter a Baud Rate")});
  EXPECT_EQ(machine->BaudRate, 300);
}

TEST_F(TfmMachineMaintTest, EditEcrOpensTheProgramIdEditorWithTheTypedDefault) {
  QString defaultId;
  ScopedForm<PrgIdRequest> editor([&](PrgIdRequest& r) {
    defaultId = r.defaultId;
    r.ecr.Prg(2)->SetProgramID(QStringLiteral("Bravo1"));
    return EcrForms::FormOk;
  });
  std::unique_ptr<tMachine> machine = Existing();
  MachineMaintRequest request{*machine, false, {QStringLiteral("Front")}};
  TfmMachineMaint form(request);
  Edit(&form, "edProgramId")->setText(QStringLiteral("Typed"));
  Click(&form, "btnEditEcr");
  EXPECT_EQ(defaultId, QStringLiteral("Typed"));
  EXPECT_EQ(machine->Ecr()->Prg(2)->ProgramID(), QStringLiteral("Bravo1"));
  Click(&form, "btnCancel"); // Cancel undoes the editor's changes as well
  EXPECT_EQ(machine->Ecr()->Prg(2)->ProgramID(), QString());
}
