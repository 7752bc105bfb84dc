// The table grid as the Program-ID editor shows it: program names in the locked column, an
// editable Program ID, and when each program was last sent and saved.
#include "DemoPages.h"
#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTCString.h"
#include "widgets/TWdgTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <vector>

namespace {
struct DemoProgram {
  QString name, id, sent, saved;
};

struct DemoPrograms {
  std::vector<DemoProgram> programs{
      {"PLU File", "Default", "Monday, March 2, 2026, 10:15 AM", "Monday, March 2, 2026, 10:20 AM"},
      {"Department File", "Shop2", "Never", "Friday, February 27, 2026, 04:05 PM"},
      {"Clerk File", "Default", "Never", "Never"},
      {"Tax Table", "Default", "Tuesday, January 6, 2026, 09:00 AM", "Never"},
      {"Function Key Descriptors", "Default", "Never", "Never"},
  };
  QString scratch;
};
} // namespace

QWidget* TableGridPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Edit Ecr - Program ID's"), page));
  auto* table = new TWdgTable(page);
  auto* head = new TWdgTCColHead(page);
  head->SetHeadings({QStringLiteral("Program Name"), QStringLiteral("Program ID"),
                     QStringLiteral("Last Sent"), QStringLiteral("Last Saved")});
  head->SetShowLetters(false);
  auto* cell = new TWdgTCString(page);
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
  auto data = std::make_shared<DemoPrograms>();
  table->OnGetCellData = [data](TWdgTable*, int row, int col, QString*& text,
                                TWdgCellDataPurpose purpose) {
    if (row < 1 || row > int(data->programs.size())) return;
    DemoProgram& p = data->programs[size_t(row - 1)];
    if (col == 1) {
      text = &p.id;
    } else if (purpose != cdpSave) {
      data->scratch = col == 0 ? p.name : col == 2 ? p.sent : p.saved;
      text = &data->scratch;
    }
  };
  table->SetRowLimit(int(data->programs.size()) + 1);
  table->setMinimumSize(500, 240);
  layout->addWidget(table);

  auto* buttons = new QHBoxLayout;
  auto* setDefault = new QPushButton(QStringLiteral("Set All Program ID's to Default"), page);
  auto* exit = new QPushButton(QStringLiteral("Exit"), page);
  buttons->addWidget(setDefault);
  buttons->addStretch();
  buttons->addWidget(exit);
  layout->addLayout(buttons);
  QObject::connect(setDefault, &QPushButton::clicked, table, [table, data] {
    table->StopCellEdit(false);
    table->EnableRedraw(false);
    for (auto& p : data->programs) p.id = QStringLiteral("Default");
    table->RepaintColumn(1);
    table->EnableRedraw(true);
  });
  QObject::connect(exit, &QPushButton::clicked, table, [table] { table->StopCellEdit(true); });
  table->setFocus();
  return page;
}
