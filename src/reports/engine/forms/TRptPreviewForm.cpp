#include "reports/engine/forms/TRptPreviewForm.h"

#include "platform/sys/Prompter.h"
#include "reports/engine/RptOutputErrors.h"
#include "reports/engine/RptPdfWriter.h"
#include "reports/engine/RptPrinter.h"
#include "reports/engine/RptReport.h"
#include "reports/engine/forms/RptPageView.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

const QList<double>& TRptPreviewForm::ZoomSteps() {
  static const QList<double> steps{0.5, 0.75, 1.0, 1.25, 1.5, 2.0};
  return steps;
}

TRptPreviewForm::TRptPreviewForm(RptReport& report, RptPageModel model, QWidget* parent)
    : QDialog(parent), report_(report), model_(std::move(model)) {
  setObjectName(QStringLiteral("RptPreviewForm"));
  setWindowTitle(model_.title.isEmpty() ? tr("Print Preview") : tr("Print Preview - %1").arg(model_.title));
  Build();
  SetZoom(1.0);
  GoTo(0);
  resize(900, 700);
  scroll_->setFocus();  // the arrow keys scroll the page
}

QToolButton* TRptPreviewForm::AddButton(const QString& name, const QString& text, const QKeySequence& key) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setText(text);
  button->setAutoRaise(true);
  if (!key.isEmpty()) {
    // A shortcut of its own, not the button's: that one clicks only after an animation.
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
  }
  return button;
}

void TRptPreviewForm::Build() {
  auto* bar = new QHBoxLayout;
  first_ = AddButton(QStringLiteral("FirstButton"), tr("|< First"), QKeySequence(Qt::Key_Home));
  prior_ = AddButton(QStringLiteral("PriorButton"), tr("< Previous"), QKeySequence(Qt::Key_PageUp));
  next_ = AddButton(QStringLiteral("NextButton"), tr("Next >"), QKeySequence(Qt::Key_PageDown));
  last_ = AddButton(QStringLiteral("LastButton"), tr("Last >|"), QKeySequence(Qt::Key_End));
  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName(QStringLiteral("PageLabel"));
  pageLabel_->setMinimumWidth(110);
  pageLabel_->setAlignment(Qt::AlignCenter);
  auto* zoomOut = AddButton(QStringLiteral("ZoomOutButton"), tr("-"), QKeySequence(QKeySequence::ZoomOut));
  zoomBox_ = new QComboBox(this);
  zoomBox_->setObjectName(QStringLiteral("ZoomBox"));
  for (double step : ZoomSteps()) zoomBox_->addItem(QStringLiteral("%1%").arg(std::lround(step * 100)), step);
  auto* zoomIn = AddButton(QStringLiteral("ZoomInButton"), tr("+"), QKeySequence(QKeySequence::ZoomIn));
  auto* print = AddButton(QStringLiteral("PrintButton"), tr("Print"), QKeySequence(QKeySequence::Print));
  auto* printDialog = AddButton(QStringLiteral("PrintDialogButton"), tr("Print..."), QKeySequence());
  auto* save = AddButton(QStringLiteral("SavePdfButton"), tr("Save as PDF..."), QKeySequence(QKeySequence::Save));
  auto* close = AddButton(QStringLiteral("CloseButton"), tr("Close"), QKeySequence());
  for (QWidget* widget : std::initializer_list<QWidget*>{first_, prior_, pageLabel_, next_, last_})
    bar->addWidget(widget);
  bar->addSpacing(16);
  for (QWidget* widget : std::initializer_list<QWidget*>{zoomOut, zoomBox_, zoomIn}) bar->addWidget(widget);
  bar->addSpacing(16);
  for (QWidget* widget : std::initializer_list<QWidget*>{print, printDialog, save}) bar->addWidget(widget);
  bar->addStretch();
  bar->addWidget(close);

  view_ = new RptPageView;
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("PageScroll"));
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setWidget(view_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(scroll_, 1);

  connect(first_, &QToolButton::clicked, this, [this] { GoTo(0); });
  connect(prior_, &QToolButton::clicked, this, [this] { GoTo(page_ - 1); });
  connect(next_, &QToolButton::clicked, this, [this] { GoTo(page_ + 1); });
  connect(last_, &QToolButton::clicked, this, [this] { GoTo(PageCount() - 1); });
  connect(zoomOut, &QToolButton::clicked, this, &TRptPreviewForm::ZoomOut);
  connect(zoomIn, &QToolButton::clicked, this, &TRptPreviewForm::ZoomIn);
  connect(zoomBox_, &QComboBox::activated, this,
          [this](int index) { SetZoom(zoomBox_->itemData(index).toDouble()); });
  connect(print, &QToolButton::clicked, this, [this] { PrintDirect(); });
  connect(printDialog, &QToolButton::clicked, this, &TRptPreviewForm::AskAndPrint);
  connect(save, &QToolButton::clicked, this, &TRptPreviewForm::AskAndSave);
  connect(close, &QToolButton::clicked, this, &QDialog::accept);
}

double TRptPreviewForm::Zoom() const { return view_->Zoom(); }

void TRptPreviewForm::GoTo(int pageIndex) {
  page_ = std::clamp(pageIndex, 0, std::max(PageCount() - 1, 0));
  ShowPage();
}

void TRptPreviewForm::ShowPage() {
  const bool any = PageCount() > 0;
  view_->SetPage(any ? &model_.pages.at(page_) : nullptr, model_.setup);
  scroll_->verticalScrollBar()->setValue(0);
  pageLabel_->setText(any ? tr("Page %1 of %2").arg(page_ + 1).arg(PageCount()) : tr("No pages"));
  first_->setEnabled(page_ > 0);
  prior_->setEnabled(page_ > 0);
  next_->setEnabled(page_ + 1 < PageCount());
  last_->setEnabled(page_ + 1 < PageCount());
}

void TRptPreviewForm::SetZoom(double zoom) {
  const QList<double>& steps = ZoomSteps();
  zoom = std::clamp(zoom, steps.first(), steps.last());
  view_->SetZoom(zoom);
  const int index = zoomBox_->findData(zoom);
  if (index >= 0) zoomBox_->setCurrentIndex(index);
}

void TRptPreviewForm::ZoomIn() {
  for (double step : ZoomSteps())
    if (step > Zoom() + 1e-9) return SetZoom(step);
}

void TRptPreviewForm::ZoomOut() {
  const QList<double>& steps = ZoomSteps();
  for (auto it = steps.rbegin(); it != steps.rend(); ++it)
    if (*it < Zoom() - 1e-9) return SetZoom(*it);
}

bool TRptPreviewForm::SaveAsPdf(const QString& fileName) {
  try {
    RptPdfWriter::Write(model_, fileName);
    return true;
  } catch (const Exception& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
    return false;
  }
}

bool TRptPreviewForm::PrintDirect() {
  try {
    const std::optional<RptPageModel> fresh = report_.Generate();
    if (!fresh) return false;
    RptPrinter::Print(*fresh);
    return true;
  } catch (const Exception& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
    return false;
  }
}

bool TRptPreviewForm::PrintOn(QPrinter& printer) {
  try {
    const std::optional<RptPageModel> fresh = report_.Generate();
    if (!fresh) return false;
    RptPrinter::Print(*fresh, printer);
    return true;
  } catch (const Exception& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
    return false;
  }
}

void TRptPreviewForm::AskAndPrint() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("Print %1").arg(model_.title));
  if (dialog.exec() == QDialog::Accepted) PrintOn(printer);
}

void TRptPreviewForm::AskAndSave() {
  const QString suggested = (model_.title.isEmpty() ? QStringLiteral("report") : model_.title) + QStringLiteral(".pdf");
  QString file = QFileDialog::getSaveFileName(this, tr("Save as PDF"), suggested, tr("PDF files (*.pdf)"));
  if (file.isEmpty()) return;
  if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
  SaveAsPdf(file);
}
