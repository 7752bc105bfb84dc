#include "RptTestReports.h"

#include "reports/engine/RptTextRenderer.h"

RptMemoryRows RptTest::Rows(const QList<Row>& rows) {
  RptMemoryRows source({"Line", "Key", "Amount"});
  int line = 0;
  for (const Row& row : rows)
    source.Append({RptValue::Integer(++line), RptValue::Text(row.key), RptValue::Money(row.amount)});
  return source;
}

RptMemoryRows RptTest::NumberedRows(int count) {
  QList<Row> rows;
  for (int i = 1; i <= count; ++i) rows << Row{QString(), double(i)};
  return Rows(rows);
}

RptBand& RptTest::Named(RptBand& band) {
  band.AddLabel(band.Name() + QStringLiteral("Label"), QRectF(0, 0, 300, 16), band.Name());
  return band;
}

RptBand& RptTest::RowDetail(RptReport& report, double heightPx) {
  RptBand& detail = report.AddBand(RptBandKind::Detail, QStringLiteral("Detail"), heightPx);
  detail.AddLabel(QStringLiteral("RowCaption"), QRectF(0, 0, 40, 16), QStringLiteral("row"));
  detail.AddDataText(QStringLiteral("RowLine"), QRectF(48, 0, 60, 16), QString(), QStringLiteral("line"));
  return detail;
}

void RptTest::EventLog::Attach(RptReport& report) {
  report.OnBeforePrint([this](RptReport&, bool&) { events << QStringLiteral("report before"); });
  report.OnAfterPrint([this](RptReport&) { events << QStringLiteral("report after"); });
  for (const auto& band : report.Bands()) {
    band->OnBeforePrint([this](RptBand& b, bool& print) {
      events << QStringLiteral("before ") + b.Name();
      if (veto.contains(b.Name())) print = false;
    });
    band->OnAfterPrint([this](RptBand& b, bool printed) {
      events << QStringLiteral("after %1 %2").arg(b.Name(), printed ? "printed" : "vetoed");
    });
  }
}

QStringList RptTest::Lines(const RptPageModel& model) {
  QStringList lines;
  for (const RptPage& page : model.pages) {
    if (!lines.isEmpty()) lines << QStringLiteral("|");
    lines << RptTextRenderer::PageLines(page, model.setup);
  }
  return lines;
}
