#include "ProgramGrid.h"

#include <QApplication>
#include <QTest>

ProgramGrid::ProgramGrid(int count, QSize size) {
  auto* layout = new QVBoxLayout(this);
  table = new TWdgTable(this);
  after = new QPushButton(QStringLiteral("Exit"), this);
  layout->addWidget(table);
  layout->addWidget(after);
  head = new TWdgTCColHead(this);
  head->SetHeadings({QStringLiteral("Program Name"), QStringLiteral("Program ID"),
                     QStringLiteral("Last Sent"), QStringLiteral("Last Saved")});
  head->SetShowLetters(false);
  cell = new TWdgTCString(this);
  cell->SetMaxLength(20);
  cell->SetUseWordWrap(true);
  cell->SetAutoAdvanceLeftRight(true);
  table->SetColCount(4);
  const int widths[] = {144, 150, 220, 220};
  for (int c = 0; c < 4; ++c) {
    table->Columns().Column(c)->SetWidth(widths[c]);
    table->SetColumnCell(c, cell);
  }
  table->SetLockedRowsCell(head);
  table->OnGetCellData = [this](TWdgTable*, int row, int col, QString*& data,
                                TWdgCellDataPurpose purpose) {
    requests.push_back({row, col, purpose});
    if (row < 1 || row > int(programs.size())) return; // the form has no data for them
    Program& p = programs[size_t(row - 1)];
    if (col == 1 || (col == 2 && sentEditable)) {
      data = col == 1 ? &p.id : &p.sent;
      return;
    }
    if (purpose == cdpSave) return; // only the Program ID is kept
    scratch = col == 0 ? p.name : col == 2 ? p.sent : p.saved;
    data = &scratch;
  };
  SetPrograms(count);
  resize(size);
}

void ProgramGrid::SetPrograms(int count) {
  programs.clear();
  for (int i = 1; i <= count; ++i)
    programs.push_back({QStringLiteral("Program %1").arg(i), QStringLiteral("Default"),
                        QStringLiteral("Never"), QStringLiteral("Never")});
  table->SetRowLimit(count + 1);
}

int ProgramGrid::SavesAfter(size_t from) const {
  int n = 0;
  for (size_t i = from; i < requests.size(); ++i) n += requests[i].purpose == cdpSave;
  return n;
}

QModelIndex ProgramGrid::Cell(int row, int col) const {
  return table->model()->index(row - table->LockedRows(), col - table->LockedCols());
}

QRect ProgramGrid::CellRect(int row, int col) const { return table->visualRect(Cell(row, col)); }

void ProgramGrid::ShowActive() {
  show();
  activateWindow();
  if (!QTest::qWaitForWindowActive(this)) qWarning("the grid window did not become active");
  table->setFocus();
  QApplication::processEvents();
}

void ProgramGrid::Key(int key, Qt::KeyboardModifiers mods) {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);
  QApplication::processEvents();
}

void ProgramGrid::Type(const QString& text) {
  for (QChar ch : text) QTest::keyClicks(QApplication::focusWidget(), QString(ch));
  QApplication::processEvents();
}
