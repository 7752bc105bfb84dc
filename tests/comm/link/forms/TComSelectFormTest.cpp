#include "LinkTestSupport.h"
#include "comm/link/ESclException.h"
#include "comm/link/TSclComPort.h"
#include "comm/link/forms/LinkForms.h"
#include "comm/link/forms/TComSelectForm.h"
#include "comm/link/SclPortChooser.h"
#include "platform/sys/FormRegistry.h"
#include "platform/serialdev/SerialDevice.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class SelectPort : public testing::Test {
protected:
  SelectPort() {
    RegisterLinkForms();
    MapComPort(2, free.SlavePath());
    MapComPort(5, held.SlavePath());
    MapComPort(11, free2.SlavePath());
    int error = 0;
    holder = SerialDevice::Open(held.SlavePath(), error);
  }
  PtyPair free, held, free2;
  std::unique_ptr<SerialDevice> holder;
  ~SelectPort() override { FormRegistry::Unregister<PortChoiceRequest>(); }
};

// Answers the modal dialog once it shows: picks an entry and presses a button.
void AnswerDialog(const QString& entry, const char* button) {
  QTimer::singleShot(0, [entry, button] {
    auto* form = qobject_cast<TComSelectForm*>(QApplication::activeModalWidget());
    if (!form) return AnswerDialog(entry, button);
    auto* combo = form->findChild<QComboBox*>(QStringLiteral("PortsComboBox"));
    if (!entry.isEmpty()) combo->setCurrentText(entry);
    QTest::mouseClick(form->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  });
}
} // namespace

TEST_F(SelectPort, ListsTheUsablePortsInOrderWithTheFirstSelected) {
  TComSelectForm form;
  EXPECT_EQ(form.windowTitle(), "Select Port");
  QStringList labels;
  for (auto* label : form.findChildren<QLabel*>()) labels << label->text();
  EXPECT_EQ(labels, (QStringList{"The configured serial port is not valid.", "Please choose another port."}));
  auto* combo = form.findChild<QComboBox*>(QStringLiteral("PortsComboBox"));
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  EXPECT_EQ(items, (QStringList{"COM2", "COM5", "COM11"})); // COM5 is held elsewhere
  EXPECT_EQ(form.SelectedPort(), 2);
  combo->setCurrentIndex(2);
  EXPECT_EQ(form.SelectedPort(), 11);
}

TEST_F(SelectPort, OpeningAPortWithoutANumberAsksWithTheDialog) {
  TSclComPort port;
  port.SetAutoOpen(false);
  AnswerDialog(QStringLiteral("COM11"), "OKButton");
  port.SetOpen(true);
  EXPECT_EQ(port.ComNumber(), 11);
  port.SendString("chosen");
  EXPECT_EQ(free2.Read(6), "chosen");
}

TEST_F(SelectPort, CancelFailsTheOpen) {
  TSclComPort port;
  AnswerDialog(QString(), "CancelButton");
  EXPECT_THROW(port.SetOpen(true), ENoPortSelected);
  EXPECT_FALSE(port.Open());
  EXPECT_EQ(port.ComNumber(), 0);
}

TEST(LinkForms, RegisteringPutsTheSelectPortDialogInPlaceOfAnUnansweredRequest) {
  FormRegistry::Unregister<PortChoiceRequest>();
  PortChoiceRequest request;
  EXPECT_THROW(FormRegistry::Show(request), EFormNotRegistered);
  EXPECT_EQ(ChooseSclPort(), 0);
  RegisterLinkForms();
  EXPECT_TRUE(FormRegistry::Has<PortChoiceRequest>());
  AnswerDialog(QString(), "CancelButton");
  EXPECT_EQ(FormRegistry::Show(request), 0);
  FormRegistry::Unregister<PortChoiceRequest>();
}
