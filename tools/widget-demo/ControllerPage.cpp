// The form's controller: two entry boxes with their caption labels attached above them, and a
// button that reports an entry error through the controller, one box at a time.
#include "DemoPages.h"
#include "widgets/TWdgAttachedLabel.h"
#include "widgets/TWdgController.h"
#include "widgets/TWdgCustomControlEx.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
// A library control holding an entry box; the box takes the focus for it.
class DemoEntry : public TWdgCustomControlEx {
public:
  DemoEntry(QWidget* parent, const QString& name, const QRect& bounds) : TWdgCustomControlEx(parent) {
    setObjectName(name);
    setGeometry(bounds);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    edit_ = new QLineEdit(this);
    layout->addWidget(edit_);
    setFocusProxy(edit_);
  }
  QLineEdit* Edit() const { return edit_; }

private:
  QLineEdit* edit_;
};

DemoEntry* Entry(QWidget* page, const QString& name, const QString& caption, const QRect& bounds) {
  auto* entry = new DemoEntry(page, name, bounds);
  entry->LabelInfo().SetVisible(true);
  entry->AttachedLabel()->SetCaption(caption);
  entry->LabelInfo().SetOffsets(0, -2);
  return entry;
}
} // namespace

QWidget* ControllerPage() {
  auto* page = new QWidget;
  page->setMinimumSize(320, 210);
  auto* controller = new TWdgController(page);
  controller->setObjectName(QStringLiteral("WdgController1"));
  auto* from = Entry(page, QStringLiteral("WdgNFromReg"), QStringLiteral("From Register"), {20, 40, 120, 26});
  auto* to = Entry(page, QStringLiteral("WdgNToReg"), QStringLiteral("To Register"), {170, 40, 120, 26});

  auto* codeCaption = new QLabel(QStringLiteral("Error code"), page);
  codeCaption->setGeometry(20, 100, 70, 26);
  auto* code = new QSpinBox(page);
  code->setRange(-1, 999);
  code->setValue(256);
  code->setGeometry(90, 100, 70, 26);
  auto* post = new QPushButton(QStringLiteral("Post entry error"), page);
  post->setGeometry(170, 100, 130, 26);
  auto* status = new QLabel(page);
  status->setGeometry(20, 140, 280, 60);
  status->setWordWrap(true);

  const auto showState = [=] {
    status->setText(QStringLiteral("Error pending: %1\nError text: %2\nEpoch: %3")
                        .arg(controller->ErrorPending() ? QStringLiteral("yes") : QStringLiteral("no"),
                             controller->ErrorText().isEmpty() ? QStringLiteral("(none)") : controller->ErrorText())
                        .arg(controller->Epoch()));
  };
  // A box that takes the focus normally ends the pending error, as an entry field does.
  QObject::connect(qApp, &QApplication::focusChanged, page, [=](QWidget*, QWidget* now) {
    if (now != from->Edit() && now != to->Edit()) return;
    controller->SetErrorPending(false);
    showState();
  });
  QObject::connect(post, &QPushButton::clicked, page, [=] {
    controller->PostShowControl(from);
    controller->PostEntryError(from->Edit(), code->value());
    showState();
  });
  showState();
  return page;
}
