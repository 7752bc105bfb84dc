#pragma once
// A test stand-in for the Program-ID editor's grid: a heading row, the program names in the
// locked first column, then Program ID (editable, 20 characters), Last Sent and Last Saved.
// It records every data request.
#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTCString.h"
#include "widgets/TWdgTable.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

struct Program {
  QString name, id, sent, saved;
};

struct DataRequest {
  int row, col;
  TWdgCellDataPurpose purpose;
};

class ProgramGrid : public QWidget {
public:
  explicit ProgramGrid(int programs, QSize size = QSize(780, 400));

  // Sets the programs and the row limit as the form does.
  void SetPrograms(int count);
  int SavesAfter(size_t from) const;
  QModelIndex Cell(int row, int col) const;
  QRect CellRect(int row, int col) const; // in the viewport
  void ShowActive();
  // Sends the key to whatever has the focus.
  static void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier);
  static void Type(const QString& text);

  TWdgTable* table;
  TWdgTCColHead* head;
  TWdgTCString* cell;
  QPushButton* after;
  std::vector<Program> programs;
  std::vector<DataRequest> requests;
  QString scratch;
  bool sentEditable = false; // Last Sent saves too
};
