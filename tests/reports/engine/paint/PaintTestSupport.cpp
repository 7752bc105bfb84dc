#include "PaintTestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

RptItem PaintTest::Text(const QRectF& rectMm, const QString& text, RptAlign align, RptFont font) {
  RptItem item;
  item.rectMm = rectMm;
  item.text = text;
  item.align = align;
  item.font = font;
  return item;
}

RptPageModel PaintTest::Pages(const RptPageSetup& setup, int pages) {
  RptPageModel model;
  model.title = QStringLiteral("Paint Test");
  model.setup = setup;
  const QRectF area = setup.PrintableMm();
  for (int i = 1; i <= pages; ++i) {
    RptPage page;
    page.items << Text(QRectF(area.left(), area.top(), 50, 5), QStringLiteral("Page %1 of %2").arg(i).arg(pages));
    page.items << Text(QRectF(area.right() - 30, area.top(), 30, 5), QStringLiteral("$%1.00").arg(i * 11),
                       RptAlign::Right);
    model.pages << page;
  }
  return model;
}

bool PaintTest::HasTool(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

QString PaintTest::Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  const bool ended = process.waitForFinished(30000);
  EXPECT_TRUE(ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
      << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}
