#pragma once
// A CRS 3000 report and its option dialog, shown offscreen, with the user's actions on it:
// choosing an item, typing into a register field, ticking a box, Accept and Cancel. Error
// boxes are recorded, never shown.
#include "../../widgets/WdgTestDoubles.h"
#include "crs3000/tEcrRptCrs3000.h"
#include "reports/forms/RptOptCrs3000Variant.h"
#include "reports/forms/TfmEcrRptOptCrs3000.h"
#include "widgets/TWdgNumericField.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) { *os << '[' << texts.join(u'|').toStdString() << ']'; }

namespace rptopttest {

inline const QString kNotInRange = QStringLiteral("Value is not within required range");

// Parameters 1 to 6 of a report.
using Params = std::array<qint32, 6>;

inline Params ParamsOf(const tEcrRpt& report) {
  Params params{};
  for (int i = 0; i < 6; ++i) params[size_t(i)] = report.GetIntParam(i + 1);
  return params;
}

inline void SetParams(tEcrRpt& report, const Params& params) {
  for (int i = 0; i < 6; ++i) report.SetIntParam(i + 1, params[size_t(i)]);
}

inline std::string Text(const Params& params) {
  std::string text;
  for (qint32 value : params) text += std::to_string(value) + ' ';
  return text;
}

class RptOptTest : public ::testing::Test {
public:
  RptOptTest() : report(tEcrFnct::New<tEcrRptCrs3000>(nullptr)) {}

  TfmEcrRptOptCrs3000& Open(const QString& formClass) {
    const RptOptCrs3000Variant* variant = FindRptOptCrs3000Variant(formClass);
    EXPECT_NE(variant, nullptr) << formClass.toStdString();
    dialog = std::make_unique<TfmEcrRptOptCrs3000>(*report, *variant);
    dialog->show();
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    RunQueued();
    return *dialog;
  }

  template <class W = QWidget>
  W* Control(const char* name) const {
    W* control = dialog->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  bool Checked(const char* name) const { return Control<QAbstractButton>(name)->isChecked(); }

  // A click on the control; on a radio button or check box, on its indicator (a wide
  // button takes clicks on its indicator and text only).
  void Click(const char* name) {
    QWidget* control = Control(name);
    if (!control) return;
    const bool indicator = control->inherits("QRadioButton") || control->inherits("QCheckBox");
    QTest::mouseClick(control, Qt::LeftButton, {}, indicator ? QPoint(6, control->height() / 2) : QPoint());
    RunQueued();
  }
  // Tabs into the field (which selects its text) and types over it; in the field already,
  // rubs its digits out first.
  void Type(const char* field, const char* text) {
    auto* target = Control<TWdgNumericField>(field);
    if (!target) return;
    if (QApplication::focusWidget() == target) {
      for (qsizetype i = target->text().size(); i > 0; --i) QTest::keyClick(target, Qt::Key_Backspace);
    } else {
      target->setFocus(Qt::TabFocusReason);
    }
    RunQueued();
    QTest::keyClicks(target, QString::fromLatin1(text));
    RunQueued();
  }
  void PressEnter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    RunQueued();
  }

  std::unique_ptr<tEcrRpt> report;
  std::unique_ptr<TfmEcrRptOptCrs3000> dialog;
  RecordingSink sink;
  CountingBeeper beeper;
};

} // namespace rptopttest
