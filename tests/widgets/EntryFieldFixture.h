#pragma once
// A report-option window for the numeric field tests: "From Register" and "To Register" Byte
// fields with picture '999' and range 0..255, Accept (the default button) and Cancel. Boxes
// and beeps are recorded, never shown.
#include "widgets/TWdgController.h"
#include "widgets/TWdgNumericField.h"
#include "widgets/WdgEntryFieldValidation.h"
#include "WdgTestDoubles.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace entryfieldtest {

// Accept checks the fields first and stays open when one fails.
class OptionsDialog : public QDialog {
public:
  OptionsDialog() {
    setObjectName(QStringLiteral("ReportOptions"));
    auto* layout = new QVBoxLayout(this);
    from = AddField(layout, QStringLiteral("WdgNFromReg"));
    to = AddField(layout, QStringLiteral("WdgNToReg"));
    acceptButton = new QPushButton(QStringLiteral("Accept"), this);
    acceptButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(acceptButton);
    layout->addWidget(cancelButton);
    connect(acceptButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    controller = TWdgController::For(from);
    controller->SetEntryOptions(TWdgBaseEFOptions(efoAutoSelect) | efoBeepOnError | efoInsertPushes);
  }
  void accept() override {
    if (ValidateEntryFields(this)) QDialog::accept();
  }

  TWdgNumericField* from;
  TWdgNumericField* to;
  QPushButton* acceptButton;
  QPushButton* cancelButton;
  TWdgController* controller;

private:
  TWdgNumericField* AddField(QVBoxLayout* layout, const QString& name) {
    auto* field = new TWdgNumericField(this);
    field->setObjectName(name);
    field->SetDataType(nftByte);
    field->SetPictureMask(QStringLiteral("999"));
    field->SetRange(0, 255);
    layout->addWidget(field);
    return field;
  }
};

// Runs the queued work (refocus, error report) the way the event loop would.
inline void Settle() { RunQueued(); }

class EntryFieldTest : public ::testing::Test {
protected:
  void SetUp() override {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    sink.whenShown = [this](const RecordingSink::Box&) {
      focusWhenShown.push_back(QApplication::focusWidget());
    };
    // The fields start without the focus; each test brings it in its own way.
    dialog.cancelButton->setFocus(Qt::OtherFocusReason);
    Settle();
  }

  // The focus comes into the field by the keyboard, as by Tab.
  void TabInto(TWdgNumericField* field) {
    field->setFocus(Qt::TabFocusReason);
    Settle();
    ASSERT_EQ(QApplication::focusWidget(), field);
  }
  void Tab(QWidget* from) {
    QTest::keyClick(from, Qt::Key_Tab);
    Settle();
  }
  std::vector<QString> BoxTexts() const {
    std::vector<QString> texts;
    for (const RecordingSink::Box& box : sink.boxes) texts.push_back(box.text);
    return texts;
  }

  RecordingSink sink;
  CountingBeeper beeper;
  std::vector<QWidget*> focusWhenShown;  // the focus when each box showed
  OptionsDialog dialog;
};

} // namespace entryfieldtest
