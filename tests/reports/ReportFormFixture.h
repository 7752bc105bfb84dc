#pragma once
// A stored poll of a real report class for the report-form tests: its rows written into the
// report object's own table, its form generated with or without zero skip, the pages read
// back as text lines and, through poppler-utils, as a PDF's page size and text.
#include "PollFixture.h"

#include <QVariantMap>

#include <optional>
#include <string>

class ReportFormFixture : public PollFixture {
protected:
  // A report object of class T on the test driver.
  template <class T> T& AddReport() {
    auto made = tEcrFnct::New<T>(&driver);
    T& added = *made;
    driver.Add(std::move(made));
    return added;
  }

  // A poll of the report's class whose rows hold the given fields (an invalid value stays
  // empty; a money field takes a double in currency units); its "Poll Id".
  qint32 Store(tEcrRpt& rpt, const QList<QVariantMap>& rows, const PollHeader& header = PollHeader());
  std::optional<RptPageModel> Generate(tEcrRpt& rpt, qint32 poll, bool zeroSkip);
  // The lines below the first line reading `caption` of the report printed from the poll;
  // none, with a test failure, when nothing was printed.
  QStringList GeneratedLinesBelow(tEcrRpt& rpt, qint32 poll, bool zeroSkip, const QString& caption);

  // Every page's lines after the first line that holds the caption (its first occurrence on
  // each page), blanks squeezed, 20 characters an inch.
  static QStringList LinesBelow(const RptPageModel& model, const QString& caption);
  // The lines of each page, blanks squeezed.
  static QList<QStringList> PageLines(const RptPageModel& model);

  // The texts of the model that are wider than their rectangles, so that a renderer that
  // clips them would print them cut, a line each ("text: width > room", in points); trailing
  // blanks are not counted.
  static std::string Overflowing(const RptPageModel& model);

  struct Pdf {
    QString pageSize;       // as pdfinfo gives it, e.g. "792 x 612 pts (letter)"
    QList<QStringList> pages;  // pdftotext -layout, blanks squeezed, empty lines left out
  };
  // The model written as a PDF and read back; skip the test when the tools are missing.
  static bool HasPdfTools();
  static Pdf ReadBackPdf(const RptPageModel& model);
  static void KeepPdf(const QString& file);
  // A one-page report on letter paper in portrait: its texts fit their rectangles, and its
  // PDF read back has one letter page whose first line holds the title and which holds
  // each of the lines whole.
  static void ExpectOneLetterPage(const RptPageModel& model, const QString& title, const QStringList& lines);
};

#define SKIP_WITHOUT_PDF_TOOLS() \
  if (!ReportFormFixture::HasPdfTools()) GTEST_SKIP() << "pdfinfo and pdftotext are not installed (poppler-utils)"
