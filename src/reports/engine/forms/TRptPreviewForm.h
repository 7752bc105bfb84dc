#pragma once
// The preview of a report: one page at a time with first, previous, next and last, "Page n
// of m", a zoom, Print (on the default printer), Print... (choosing a printer in a print
// dialog), Save as PDF and Close. Each print generates the report again, so the report's
// events run for it as they did for the preview. Errors are shown through the prompter.
#include "reports/engine/RptPageModel.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;
class RptPageView;
class RptReport;

class TRptPreviewForm : public QDialog {
  Q_OBJECT
public:
  // Zoom steps offered, as fractions of actual size.
  static const QList<double>& ZoomSteps();

  TRptPreviewForm(RptReport& report, RptPageModel model, QWidget* parent = nullptr);

  int PageIndex() const { return page_; }  // 0-based
  int PageCount() const { return model_.PageCount(); }
  double Zoom() const;
  const RptPageModel& Model() const { return model_; }

  void GoTo(int pageIndex);  // kept inside the pages
  void SetZoom(double zoom);
  void ZoomIn();
  void ZoomOut();
  // Writes the pages shown; false (with the error shown) when the file cannot be written.
  bool SaveAsPdf(const QString& fileName);
  // Generates the report again and prints it on the default printer, or on the one given.
  bool PrintDirect();
  bool PrintOn(QPrinter& printer);

private:
  void Build();
  QToolButton* AddButton(const QString& name, const QString& text, const QKeySequence& key);
  void ShowPage();
  void AskAndPrint();
  void AskAndSave();

  RptReport& report_;
  RptPageModel model_;
  int page_ = 0;
  RptPageView* view_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QComboBox* zoomBox_ = nullptr;
  QToolButton* first_ = nullptr;
  QToolButton* prior_ = nullptr;
  QToolButton* next_ = nullptr;
  QToolButton* last_ = nullptr;
};
