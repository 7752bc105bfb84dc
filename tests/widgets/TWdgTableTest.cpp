#include "ProgramGrid.h"
#include "widgets/TWdgTableHeader.h"
#include "widgets/core/WdgCommandCodes.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString Id(const ProgramGrid& g, int row) { return g.programs[size_t(row - 1)].id; }

std::pair<int, int> Active(const ProgramGrid& g) {
  return {g.table->ActiveRow(), g.table->ActiveCol()};
}

// Counts the paints of a widget.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

QImage Shot(QWidget* widget) { return widget->grab().toImage(); }
} // namespace

TEST(WdgTable, ThreeProgramsShowThreeRowsUnderTheFourHeadings) {
  ProgramGrid g(3);
  g.ShowActive();
  EXPECT_EQ(g.table->model()->rowCount(), 3);
  EXPECT_EQ(g.table->RowLimit(), 4);
  const QStringList expected{"Program Name", "Program ID", "Last Sent", "Last Saved"};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(g.head->HeadingText(c, nullptr), expected[c]);
  EXPECT_EQ(g.table->verticalHeader()->width(), 144);
  EXPECT_EQ(g.table->columnWidth(0), 150);
  EXPECT_EQ(g.table->columnWidth(1), 220);
  EXPECT_EQ(g.table->columnWidth(2), 220);
  EXPECT_EQ(g.table->rowHeight(0), 30);
  EXPECT_EQ(g.table->horizontalHeader()->height(), 30);
  // The active cell starts on the first program's Program ID.
  EXPECT_EQ(Active(g), std::make_pair(1, 1));
  Shot(&g);
  bool askedName = false;
  for (const auto& r : g.requests) {
    EXPECT_LE(r.row, 3);
    askedName |= r.row == 2 && r.col == 0 && r.purpose == cdpPaint;
  }
  EXPECT_TRUE(askedName);
  EXPECT_EQ(g.table->model()->data(g.Cell(3, 1), Qt::DisplayRole).toString(), "Default");
}

TEST(WdgTable, NoProgramsShowNoRowsAndTheApplicationIsAskedForNone) {
  ProgramGrid g(0);
  g.ShowActive();
  Shot(&g);
  EXPECT_EQ(g.table->RowLimit(), 1);
  EXPECT_EQ(g.table->model()->rowCount(), 0);
  for (const auto& r : g.requests) EXPECT_EQ(r.row, 0) << "asked for row " << r.row;
  EXPECT_EQ(g.table->ActiveRow(), -1);
  ProgramGrid::Key(Qt::Key_F2);
  ProgramGrid::Key(Qt::Key_Down);
  EXPECT_FALSE(g.table->IsEditing());
}

TEST(WdgTable, ARowLimitBelowTheHeadingRowOrUnchangedIsIgnored) {
  ProgramGrid g(3);
  g.table->SetRowLimit(0);
  EXPECT_EQ(g.table->RowLimit(), 4);
  g.table->SetRowLimit(2);
  EXPECT_EQ(g.table->model()->rowCount(), 1);
}

struct EditTrigger {
  const char* name;
  std::function<void(ProgramGrid&)> act;
  QString text; // what the editor holds afterwards
};

TEST(WdgTable, F2TypingDoubleClickAndAClickOnTheActiveCellOpenTheEditor) {
  const std::vector<EditTrigger> triggers{
      {"F2", [](ProgramGrid&) { ProgramGrid::Key(Qt::Key_F2); }, "Default"},
      {"letter", [](ProgramGrid&) { ProgramGrid::Type("Q"); }, "Q"},
      {"double-click",
       [](ProgramGrid& g) {
         QTest::mouseDClick(g.table->viewport(), Qt::LeftButton, {}, g.CellRect(1, 1).center());
       },
       "Default"},
      {"click on the active cell",
       [](ProgramGrid& g) {
         QTest::mouseClick(g.table->viewport(), Qt::LeftButton, {}, g.CellRect(1, 1).center());
       },
       "Default"},
  };
  for (const auto& t : triggers) {
    ProgramGrid g(3);
    g.ShowActive();
    t.act(g);
    QApplication::processEvents();
    ASSERT_TRUE(g.table->IsEditing()) << t.name;
    EXPECT_EQ(g.table->Editor()->text(), t.text) << t.name;
    EXPECT_TRUE(g.table->Editor()->hasFocus()) << t.name;
  }
}

TEST(WdgTable, AClickOnAnotherCellMovesWithoutEditing) {
  ProgramGrid g(3);
  g.ShowActive();
  QTest::mouseClick(g.table->viewport(), Qt::LeftButton, {}, g.CellRect(2, 1).center());
  EXPECT_EQ(Active(g), std::make_pair(2, 1));
  EXPECT_FALSE(g.table->IsEditing());
}

TEST(WdgTable, EscDiscardsTheEdit) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Type("XY");
  const size_t from = g.requests.size();
  ProgramGrid::Key(Qt::Key_Escape);
  EXPECT_FALSE(g.table->IsEditing());
  EXPECT_EQ(Id(g, 1), "Default");
  EXPECT_EQ(g.SavesAfter(from), 0);
  EXPECT_TRUE(g.table->hasFocus());
  EXPECT_TRUE(g.isVisible()); // Esc in the editor does not reach the dialog
}

struct Move {
  const char* name;
  std::function<void(ProgramGrid&)> act;
  std::pair<int, int> to;
};

TEST(WdgTable, MovingTheActiveCellSavesTheEditExactlyOnce) {
  const std::vector<Move> moves{
      {"Down", [](ProgramGrid&) { ProgramGrid::Key(Qt::Key_Down); }, {2, 1}},
      {"Right at the end", [](ProgramGrid&) { ProgramGrid::Key(Qt::Key_Right); }, {1, 2}},
      {"click",
       [](ProgramGrid& g) {
         QTest::mouseClick(g.table->viewport(), Qt::LeftButton, {}, g.CellRect(3, 2).center());
       },
       {3, 2}},
      {"program", [](ProgramGrid& g) { g.table->SetActiveRow(3); }, {3, 1}},
  };
  for (const auto& m : moves) {
    ProgramGrid g(3);
    g.ShowActive();
    ProgramGrid::Key(Qt::Key_F2);
    ASSERT_TRUE(g.table->IsEditing()) << m.name;
    g.table->Editor()->setText(QStringLiteral("P%1").arg(m.name));
    const auto editing = Active(g);
    const size_t from = g.requests.size();
    m.act(g);
    QApplication::processEvents();
    EXPECT_FALSE(g.table->IsEditing()) << m.name;
    EXPECT_EQ(Active(g), m.to) << m.name;
    if (editing.second == 1) {
      EXPECT_EQ(Id(g, editing.first), QStringLiteral("P%1").arg(m.name).left(20)) << m.name;
    }
    EXPECT_EQ(g.SavesAfter(from), 1) << m.name;
  }
}

TEST(WdgTable, LeftAtTheStartSavesAndMovesToTheCellBefore) {
  ProgramGrid g(3);
  g.sentEditable = true;
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_Right);
  ProgramGrid::Key(Qt::Key_F2);
  ASSERT_TRUE(g.table->IsEditing());
  g.table->Editor()->setText("Today");
  g.table->Editor()->setCursorPosition(0);
  const size_t from = g.requests.size();
  ProgramGrid::Key(Qt::Key_Left);
  EXPECT_EQ(Active(g), std::make_pair(1, 1));
  EXPECT_EQ(g.programs[0].sent, "Today");
  EXPECT_EQ(g.SavesAfter(from), 1);
  // On the first editable column Left at the start has nowhere to go: the edit stays open.
  ProgramGrid::Key(Qt::Key_F2);
  g.table->Editor()->setCursorPosition(0);
  ProgramGrid::Key(Qt::Key_Left);
  EXPECT_TRUE(g.table->IsEditing());
  EXPECT_EQ(Active(g), std::make_pair(1, 1));
}

TEST(WdgTable, LeftAndRightInsideTheTextMoveTheCaret) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_F2);
  g.table->Editor()->setCursorPosition(3);
  ProgramGrid::Key(Qt::Key_Left);
  ProgramGrid::Key(Qt::Key_Right);
  EXPECT_TRUE(g.table->IsEditing());
  EXPECT_EQ(g.table->Editor()->cursorPosition(), 3);
  g.table->Editor()->setSelection(2, 5); // up to the end, but not from the start
  ProgramGrid::Key(Qt::Key_Right);
  EXPECT_TRUE(g.table->IsEditing());
  g.table->Editor()->selectAll();
  ProgramGrid::Key(Qt::Key_Right);
  EXPECT_FALSE(g.table->IsEditing());
  EXPECT_EQ(Active(g), std::make_pair(1, 2));
}

TEST(WdgTable, StopCellEditFalseDropsTheEditAndNewDataShowsWithNoStaleSaveLater) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Type("stale");
  ASSERT_TRUE(g.table->IsEditing());
  const size_t from = g.requests.size();
  // "Set all to default", as the form does it.
  EXPECT_TRUE(g.table->StopCellEdit(false));
  g.table->EnableRedraw(false);
  for (auto& p : g.programs) p.id = QStringLiteral("NEWID");
  g.table->RepaintColumn(1);
  g.table->EnableRedraw(true);
  ProgramGrid::Key(Qt::Key_Down);
  ProgramGrid::Key(Qt::Key_Up);
  EXPECT_EQ(Id(g, 1), "NEWID");
  EXPECT_EQ(g.SavesAfter(from), 0);
  EXPECT_EQ(g.table->model()->data(g.Cell(1, 1), Qt::DisplayRole).toString(), "NEWID");
  EXPECT_TRUE(g.table->StopCellEdit(false)); // not editing: true at once
}

TEST(WdgTable, StopCellEditTrueSavesTheEdit) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_Down);
  ProgramGrid::Type("ABC");
  EXPECT_TRUE(g.table->StopCellEdit(true));
  EXPECT_FALSE(g.table->IsEditing());
  EXPECT_EQ(Id(g, 2), "ABC");
  EXPECT_TRUE(g.table->hasFocus());
}

TEST(WdgTable, AnEditRefusedByOnEndEditStaysOpenAndTheMoveIsDropped) {
  ProgramGrid g(3);
  g.ShowActive();
  g.table->OnEndEdit = [](TWdgTable*, TWdgBaseTableCell*, int, int, bool& allow) { allow = false; };
  ProgramGrid::Type("A");
  EXPECT_FALSE(g.table->StopCellEdit(true));
  ProgramGrid::Key(Qt::Key_Down);
  EXPECT_TRUE(g.table->IsEditing());
  EXPECT_EQ(Active(g), std::make_pair(1, 1));
}

TEST(WdgTable, TheEditorTakesTwentyCharactersAndSavesThemWhole) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_F2);
  g.table->Editor()->clear();
  ProgramGrid::Type("ABCDEFGHIJKLMNOPQRSTU"); // 21
  EXPECT_EQ(g.table->Editor()->text(), "ABCDEFGHIJKLMNOPQRST");
  ProgramGrid::Key(Qt::Key_Down);
  EXPECT_EQ(Id(g, 1), "ABCDEFGHIJKLMNOPQRST");
}

TEST(WdgTable, LastSentAndLastSavedCannotBeEdited) {
  for (int col : {2, 3}) {
    ProgramGrid g(3);
    g.ShowActive();
    g.table->SetActiveCol(col);
    ProgramGrid::Key(Qt::Key_F2);
    EXPECT_FALSE(g.table->IsEditing()) << col;
    ProgramGrid::Type("x");
    EXPECT_FALSE(g.table->IsEditing()) << col;
    QTest::mouseDClick(g.table->viewport(), Qt::LeftButton, {}, g.CellRect(1, col).center());
    EXPECT_FALSE(g.table->IsEditing()) << col;
    EXPECT_FALSE(g.table->StartCellEdit()) << col;
    EXPECT_EQ(g.programs[0].sent, "Never");
  }
}

TEST(WdgTable, NestedRedrawLocksPaintOnlyWhenTheLastIsReleased) {
  ProgramGrid g(3);
  g.ShowActive();
  PaintCounter counter;
  g.table->viewport()->installEventFilter(&counter);
  g.table->EnableRedraw(false);
  g.table->EnableRedraw(false);
  g.programs[1].id = "CHANGED";
  g.table->RepaintColumn(1);
  QApplication::processEvents();
  g.table->EnableRedraw(true);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  EXPECT_EQ(g.table->RedrawLockCount(), 1);
  g.table->EnableRedraw(true);
  QApplication::processEvents();
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(g.table->RedrawLockCount(), 0);
  // An extra release keeps the count at 0, so the next lock holds again.
  g.table->EnableRedraw(true);
  EXPECT_EQ(g.table->RedrawLockCount(), 0);
  QApplication::processEvents();
  counter.paints = 0;
  g.table->EnableRedraw(false);
  g.table->RepaintColumn(1);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  g.table->EnableRedraw(true);
}

TEST(WdgTable, WithFortyRowsTheHeadingsAndTheFirstColumnStayWhileScrolling) {
  ProgramGrid g(40, QSize(500, 300));
  g.ShowActive();
  const QRect headings = g.table->horizontalHeader()->geometry();
  const QRect locked = g.table->verticalHeader()->geometry();
  ProgramGrid::Key(Qt::Key_End, Qt::ControlModifier);
  ProgramGrid::Key(Qt::Key_End);
  QApplication::processEvents();
  EXPECT_EQ(Active(g), std::make_pair(40, 3));
  EXPECT_GT(g.table->verticalScrollBar()->value(), 0);
  EXPECT_GT(g.table->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(g.table->horizontalHeader()->geometry(), headings);
  EXPECT_EQ(g.table->verticalHeader()->geometry(), locked);
  // The locked column scrolls with the rows: the active row's name is beside it.
  const auto* lockedColumn = g.table->verticalHeader();
  EXPECT_EQ(lockedColumn->sectionViewportPosition(39), g.CellRect(40, 3).top());
  EXPECT_EQ(g.table->TopRow() > 1, true);
}

TEST(WdgTable, TheKeysMoveTheActiveCellAndNeverIntoTheLockedColumn) {
  struct Step {
    int key;
    Qt::KeyboardModifiers mods;
    std::pair<int, int> to;
  };
  const Step steps[] = {
      {Qt::Key_Left, {}, {1, 1}},          {Qt::Key_Right, {}, {1, 2}},
      {Qt::Key_End, {}, {1, 3}},           {Qt::Key_Home, {}, {1, 1}},
      {Qt::Key_Down, {}, {2, 1}},          {Qt::Key_End, Qt::ControlModifier, {12, 1}},
      {Qt::Key_Down, {}, {12, 1}},         {Qt::Key_Home, Qt::ControlModifier, {1, 1}},
      {Qt::Key_Up, {}, {1, 1}},            {Qt::Key_Down, Qt::ControlModifier, {12, 3}},
      {Qt::Key_Up, Qt::ControlModifier, {1, 1}},
  };
  ProgramGrid g(12);
  g.ShowActive();
  for (const auto& s : steps) {
    ProgramGrid::Key(s.key, s.mods);
    EXPECT_EQ(Active(g), s.to) << "key " << s.key;
  }
}

TEST(WdgTable, PageDownAndUpKeepTheActiveCellsPlaceOnTheScreen) {
  ProgramGrid g(40, QSize(780, 300));
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_Down);
  const int y = g.CellRect(2, 1).top();
  ProgramGrid::Key(Qt::Key_PageDown);
  EXPECT_GT(g.table->ActiveRow(), 2);
  EXPECT_EQ(g.CellRect(g.table->ActiveRow(), 1).top(), y);
  ProgramGrid::Key(Qt::Key_PageUp);
  EXPECT_EQ(g.table->ActiveRow(), 2);
}

TEST(WdgTable, TheWheelMovesTheActiveCell) {
  ProgramGrid g(10);
  g.ShowActive();
  const QPoint at = g.CellRect(1, 1).center();
  auto wheel = [&](int delta) {
    QWheelEvent e(at, g.table->viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {},
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.table->viewport(), &e);
  };
  std::vector<int> deltas;
  g.table->OnMouseWheel = [&](QObject*, TWdgShiftState, qint16 delta, qint16, qint16) {
    deltas.push_back(delta);
  };
  wheel(-120);
  wheel(-120);
  EXPECT_EQ(Active(g), std::make_pair(3, 1));
  EXPECT_EQ(deltas, std::vector<int>({-120, -120}));
  wheel(120);
  EXPECT_EQ(Active(g), std::make_pair(2, 1));
  EXPECT_EQ(g.table->verticalScrollBar()->value(), 0);
}

TEST(WdgTable, TabLeavesTheGridAndAnOpenEditStays) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_Tab);
  EXPECT_TRUE(g.after->hasFocus());
  EXPECT_EQ(Active(g), std::make_pair(1, 1));
  g.table->setFocus();
  ProgramGrid::Type("Z");
  ProgramGrid::Key(Qt::Key_Tab);
  EXPECT_TRUE(g.after->hasFocus());
  EXPECT_TRUE(g.table->IsEditing());
  ProgramGrid::Key(Qt::Key_Backtab, Qt::ShiftModifier); // back into the grid: into the editor
  EXPECT_TRUE(g.table->Editor()->hasFocus());
  EXPECT_TRUE(g.table->StopCellEdit(true));
  EXPECT_EQ(Id(g, 1), "Z");
}

TEST(WdgTable, WithTabToArrowTabMovesRightAndShiftTabLeft) {
  ProgramGrid g(3);
  g.table->SetOptions(otoTabToArrow);
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_Tab);
  EXPECT_EQ(Active(g), std::make_pair(1, 2));
  ProgramGrid::Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Active(g), std::make_pair(1, 1));
  EXPECT_TRUE(g.table->hasFocus());
}

TEST(WdgTable, ARowOrColumnSizedWithTheMouseIsNeverBelowSixPixels) {
  for (auto orientation : {Qt::Horizontal, Qt::Vertical}) {
    ProgramGrid g(3);
    g.ShowActive();
    const bool columns = orientation == Qt::Horizontal;
    QHeaderView* header = columns ? g.table->horizontalHeader() : g.table->verticalHeader();
    const int edge = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    const QPoint from = columns ? QPoint(edge, header->height() / 2) : QPoint(header->width() / 2, edge);
    const QPoint to = from - (columns ? QPoint(148, 0) : QPoint(0, 28));
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), header->viewport()->mapToGlobal(QPointF(to)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(header->viewport(), &move);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, to);
    if (columns) {
      EXPECT_EQ(g.table->columnWidth(0), 6);
      EXPECT_EQ(g.table->Columns().Column(1)->Width(), 6);
    } else {
      EXPECT_EQ(g.table->rowHeight(0), 6);
      EXPECT_EQ(g.table->Rows().GetRow(1).Height, 6);
      EXPECT_EQ(g.table->Rows().GetRow(2).Height, 30);
    }
  }
}

TEST(WdgTable, MovingTheThirdColumnOntoTheFirstMakesTheFormerFirstTheSecond) {
  ProgramGrid g(3);
  g.table->SetOptions(otoAllowColMoves);
  g.ShowActive();
  std::vector<std::tuple<int, int, TWdgTblActions>> changes;
  g.table->OnColumnsChanged = [&](TWdgTable*, int a, int b, TWdgTblActions act) {
    changes.emplace_back(a, b, act);
  };
  auto* header = static_cast<TWdgTableHeader*>(g.table->horizontalHeader());
  ASSERT_TRUE(header->Movable());
  // Drag the "Last Saved" heading onto "Program ID".
  auto* vp = header->viewport();
  const QPoint from(header->sectionViewportPosition(2) + 50, header->height() / 2);
  const QPoint to(header->sectionViewportPosition(0) + 50, header->height() / 2);
  QTest::mousePress(vp, Qt::LeftButton, {}, from);
  ASSERT_NE(header->DragShow(), nullptr);
  EXPECT_TRUE(header->DragShow()->Shown());
  QMouseEvent move(QEvent::MouseMove, QPointF(to), vp->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, {});
  QApplication::sendEvent(vp, &move);
  EXPECT_EQ(header->DragTarget(), 0);
  // The picture follows the mouse, keeping the point it was taken at under it.
  EXPECT_EQ(header->DragShow()->Rect().left(), vp->mapToGlobal(QPoint(to.x() - 50, 0)).x());
  QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
  EXPECT_EQ(header->DragShow(), nullptr);
  EXPECT_EQ(g.head->Headings(),
            QStringList({"Program Name", "Last Saved", "Program ID", "Last Sent"}));
  EXPECT_EQ(g.table->Columns().Column(1)->Width(), 220);
  EXPECT_EQ(g.table->Columns().Column(2)->Width(), 150);
  EXPECT_EQ(g.table->columnWidth(1), 150);
  EXPECT_EQ(Active(g), std::make_pair(1, 2)); // the active cell went with its column
  const decltype(changes) expected{{3, 2, taExchanged}, {2, 1, taExchanged}};
  EXPECT_EQ(changes, expected);
}

TEST(WdgTable, ColumnsMoveOnlyWhenTheOptionsAllowIt) {
  ProgramGrid g(3);
  auto movable = [&](QHeaderView* h) { return static_cast<TWdgTableHeader*>(h)->Movable(); };
  EXPECT_FALSE(movable(g.table->horizontalHeader()));
  g.table->SetOptions(otoAllowColMoves | otoColSelection);
  EXPECT_FALSE(movable(g.table->horizontalHeader()));
  g.table->SetOptions(otoAllowRowMoves);
  EXPECT_TRUE(movable(g.table->verticalHeader()));
  g.ShowActive();
  // Without the option a drag over the headings moves nothing.
  g.table->SetOptions({});
  auto* header = static_cast<TWdgTableHeader*>(g.table->horizontalHeader());
  QTest::mousePress(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(2) + 50, 10));
  EXPECT_EQ(header->DragShow(), nullptr);
  QTest::mouseRelease(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 50, 10));
  EXPECT_EQ(g.head->Headings()[1], "Program ID");
}

TEST(WdgTable, ARowDraggedByItsLockedCellMovesItsHeightAndTheActiveCell) {
  ProgramGrid g(4);
  g.table->SetOptions(otoAllowRowMoves);
  g.ShowActive();
  g.table->Rows().SetRowHeight(1, 40);
  std::vector<std::tuple<int, int, TWdgTblActions>> changes;
  g.table->OnRowsChanged = [&](TWdgTable*, int a, int b, TWdgTblActions act) {
    changes.emplace_back(a, b, act);
  };
  auto* header = static_cast<TWdgTableHeader*>(g.table->verticalHeader());
  auto* vp = header->viewport();
  const QPoint from(40, header->sectionViewportPosition(0) + 15);
  const QPoint to(40, header->sectionViewportPosition(2) + 15);
  QTest::mousePress(vp, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), vp->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, {});
  QApplication::sendEvent(vp, &move);
  QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
  EXPECT_EQ(g.table->Rows().GetRow(3).Height, 40);
  EXPECT_EQ(g.table->Rows().GetRow(1).Height, 30);
  EXPECT_EQ(Active(g), std::make_pair(3, 1));
  const decltype(changes) expected{{1, 2, taExchanged}, {2, 3, taExchanged}};
  EXPECT_EQ(changes, expected);
}

TEST(WdgTable, AKeyThatCannotMoveAnnouncesNothingWhileTheProgramsMovesAlwaysAnnounce) {
  ProgramGrid g(3);
  g.ShowActive();
  std::vector<std::tuple<quint16, int, int>> moving;
  g.table->OnActiveCellMoving = [&](TWdgTable*, quint16 command, int& row, int& col) {
    moving.emplace_back(command, row, col);
  };
  ProgramGrid::Key(Qt::Key_Up); // already on the first row
  ProgramGrid::Key(Qt::Key_Left); // the locked column is never active
  EXPECT_TRUE(moving.empty());
  g.table->SetActiveRow(1);
  ProgramGrid::Key(Qt::Key_Down);
  const decltype(moving) expected{{ccNone, 1, 1}, {ccDown, 2, 1}};
  EXPECT_EQ(moving, expected);
  // The handler may send the move elsewhere.
  g.table->OnActiveCellMoving = [](TWdgTable*, quint16, int& row, int& col) {
    row = 3;
    col = 3;
  };
  ProgramGrid::Key(Qt::Key_Up);
  EXPECT_EQ(Active(g), std::make_pair(3, 3));
  g.table->SetActiveRow(0); // a locked row: the first body row, then the handler's choice
  EXPECT_EQ(Active(g), std::make_pair(3, 3));
}

TEST(WdgTable, EnterKeepsTheEditUnlessTheOptionsMakeItAnArrow) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Type("A");
  ProgramGrid::Key(Qt::Key_Return);
  EXPECT_TRUE(g.table->IsEditing());
  EXPECT_TRUE(g.isVisible());
  g.table->SetOptions(otoEnterToArrow);
  const size_t from = g.requests.size();
  ProgramGrid::Key(Qt::Key_Return);
  EXPECT_FALSE(g.table->IsEditing());
  EXPECT_EQ(Active(g), std::make_pair(1, 2));
  EXPECT_EQ(Id(g, 1), "A");
  EXPECT_EQ(g.SavesAfter(from), 1);
}

TEST(WdgTable, AutoAdvanceCharMovesOnOnceTheTextIsFull) {
  ProgramGrid g(3);
  g.cell->SetAutoAdvanceChar(true);
  g.cell->SetMaxLength(4);
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_F2);
  g.table->Editor()->clear();
  ProgramGrid::Type("ABC");
  EXPECT_TRUE(g.table->IsEditing());
  ProgramGrid::Type("D");
  EXPECT_FALSE(g.table->IsEditing());
  EXPECT_EQ(Id(g, 1), "ABCD");
  EXPECT_EQ(Active(g), std::make_pair(1, 2));
}

TEST(WdgTable, AlwaysEditingOpensTheEditorOnEveryActiveCell) {
  ProgramGrid g(3);
  g.table->SetOptions(otoAlwaysEditing);
  g.ShowActive();
  QApplication::processEvents();
  ASSERT_TRUE(g.table->IsEditing());
  g.table->Editor()->setText("X1");
  ProgramGrid::Key(Qt::Key_Escape); // does not end the edit
  EXPECT_TRUE(g.table->IsEditing());
  ProgramGrid::Key(Qt::Key_Down);
  QApplication::processEvents();
  EXPECT_EQ(Id(g, 1), "X1");
  EXPECT_EQ(Active(g), std::make_pair(2, 1));
  EXPECT_TRUE(g.table->IsEditing());
}

TEST(WdgTable, TheEditorHidesDuringARedrawLockAndComesBackWithTheFocus) {
  ProgramGrid g(3);
  g.ShowActive();
  ProgramGrid::Type("AB");
  g.table->EnableRedraw(false);
  EXPECT_FALSE(g.table->Editor()->isVisible());
  EXPECT_TRUE(g.table->hasFocus());
  g.table->EnableRedraw(true);
  EXPECT_TRUE(g.table->Editor()->isVisible());
  EXPECT_TRUE(g.table->Editor()->hasFocus());
  EXPECT_EQ(g.table->Editor()->geometry(), g.CellRect(1, 1).adjusted(0, 0, -1, -1)); // inside the lines
  EXPECT_EQ(g.table->Editor()->text(), "AB");
}

TEST(WdgTable, ARowLimitBelowTheActiveRowMovesItToTheNewLastRowSavingTheEdit) {
  ProgramGrid g(5);
  g.ShowActive();
  std::vector<std::pair<int, int>> changed;
  g.table->OnActiveCellChanged = [&](TWdgTable*, int r, int c) { changed.emplace_back(r, c); };
  ProgramGrid::Key(Qt::Key_End, Qt::ControlModifier);
  ProgramGrid::Type("E5");
  g.table->SetRowLimit(3);
  EXPECT_EQ(Active(g), std::make_pair(2, 1));
  EXPECT_EQ(changed.back(), std::make_pair(2, 1));
  EXPECT_EQ(Id(g, 5), "E5");
  EXPECT_FALSE(g.table->IsEditing());
  EXPECT_EQ(g.table->model()->rowCount(), 2);
}

TEST(WdgTable, AHiddenColumnIsSkippedAndHidingTheActiveOneMovesTheActiveCell) {
  ProgramGrid g(3);
  g.ShowActive();
  g.table->Columns().Column(2)->SetHidden(true);
  ProgramGrid::Key(Qt::Key_Right);
  EXPECT_EQ(Active(g), std::make_pair(1, 3));
  g.table->Columns().Column(3)->SetHidden(true);
  EXPECT_EQ(Active(g), std::make_pair(1, 1));
  g.table->Columns().Column(0)->SetHidden(true); // the locked column
  EXPECT_FALSE(g.table->verticalHeader()->isVisible());
}

TEST(WdgTable, AClickOnAHeadingReportsTheLockedCellAndSelectsTheColumnWhenAllowed) {
  ProgramGrid g(3);
  g.table->SetOptions(otoColSelection);
  g.ShowActive();
  std::vector<std::pair<int, int>> clicks;
  g.table->OnLockedCellClick = [&](TWdgTable*, int r, int c) { clicks.emplace_back(r, c); };
  auto* header = g.table->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(0, 2));
  for (int r = 1; r <= 3; ++r) EXPECT_TRUE(g.table->selectionModel()->isSelected(g.Cell(r, 2)));
  EXPECT_FALSE(g.table->selectionModel()->isSelected(g.Cell(1, 1)));
}

// ---- painting ----

namespace {
const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 200, 0), kYellow(255, 255, 0);

ProgramGrid* Painted(ProgramGrid& g) {
  TWdgTableColors colors = g.table->Colors();
  colors.ActiveFocused = kRed;
  colors.ActiveUnfocused = kBlue;
  colors.Locked = kYellow;
  g.table->SetColors(colors);
  g.table->SetColorUnused(kGreen);
  return &g;
}

// A pixel inside the cell away from its text and its frame.
QColor CellColour(ProgramGrid& g, int row, int col) {
  const QRect r = g.CellRect(row, col);
  return Shot(g.table->viewport()).pixelColor(r.right() - 4, r.bottom() - 4);
}
} // namespace

TEST(WdgTable, TheActiveCellShowsOneColourWithTheFocusAndTheOtherWithout) {
  ProgramGrid g(3);
  Painted(g);
  g.ShowActive();
  EXPECT_EQ(CellColour(g, 1, 1), kRed);
  EXPECT_EQ(CellColour(g, 2, 1), g.table->Color());
  g.after->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(CellColour(g, 1, 1), kBlue);
}

TEST(WdgTable, TheAreaBeyondTheLastColumnAndRowIsInTheUnusedColour) {
  ProgramGrid g(3, QSize(900, 400));
  Painted(g);
  g.ShowActive();
  const QImage image = Shot(g.table->viewport());
  const QRect last = g.CellRect(3, 3);
  EXPECT_EQ(image.pixelColor(last.right() + 5, last.center().y()), kGreen);
  EXPECT_EQ(image.pixelColor(last.center().x(), last.bottom() + 5), kGreen);
  EXPECT_EQ(image.pixelColor(5, last.bottom() + 5), kGreen);
  const QImage names = Shot(g.table->verticalHeader());
  EXPECT_EQ(names.pixelColor(names.width() / 2, last.bottom() + 5), kGreen); // below the names
}

TEST(WdgTable, ShiftWithAnArrowSelectsFromTheAnchorInTheSelectedColour) {
  ProgramGrid g(4);
  TWdgTableColors colors = g.table->Colors();
  colors.Selected = kGreen;
  g.table->SetColors(colors);
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_Down, Qt::ShiftModifier);
  ProgramGrid::Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Active(g), std::make_pair(3, 1));
  EXPECT_EQ(CellColour(g, 1, 1), kGreen);
  EXPECT_EQ(CellColour(g, 2, 1), kGreen);
  EXPECT_EQ(CellColour(g, 4, 1), g.table->Color());
  ProgramGrid::Key(Qt::Key_Down); // a plain move drops the selection
  EXPECT_EQ(CellColour(g, 1, 1), g.table->Color());
}

TEST(WdgTable, OnPaintUnusedAreaPaintsTheAreaInPlaceOfTheUnusedColour) {
  ProgramGrid g(3, QSize(900, 400));
  Painted(g);
  g.table->OnPaintUnusedArea = [](TWdgTable*, QPainter& p, const QRegion& area) {
    p.fillRect(area.boundingRect(), Qt::magenta);
  };
  g.ShowActive();
  const QImage image = Shot(g.table->viewport());
  const QRect last = g.CellRect(3, 3);
  EXPECT_EQ(image.pixelColor(last.right() + 5, last.center().y()), QColor(Qt::magenta));
  EXPECT_EQ(image.pixelColor(last.center().x(), last.bottom() + 5), QColor(Qt::magenta));
  EXPECT_EQ(CellColour(g, 3, 3), g.table->Color()); // the cells stay as they are
}

TEST(WdgTable, TheGridLinesAreDotted) {
  ProgramGrid g(3);
  Painted(g);
  g.ShowActive();
  const QImage image = Shot(g.table->viewport());
  const QRect cell = g.CellRect(2, 2);
  const int x = cell.right(); // the line between two body columns
  const QColor line = g.table->GridPenSet().NormalGrid.NormalColor();
  for (int y = cell.top(); y < cell.bottom(); ++y) {
    EXPECT_NE(image.pixelColor(x, y), image.pixelColor(x, y + 1)) << y;
    const QRgb pixel = image.pixel(x, y);
    EXPECT_TRUE(pixel == line.rgb() || pixel == g.table->Color().rgb()) << y;
  }
  // The bottom line too.
  EXPECT_NE(image.pixelColor(cell.left() + 5, cell.bottom()), image.pixelColor(cell.left() + 6, cell.bottom()));
}

TEST(WdgTable, TheHeadingRowAndTheLockedColumnShowTheLockedColour) {
  ProgramGrid g(3);
  Painted(g);
  g.ShowActive();
  const QImage headings = Shot(g.table->horizontalHeader());
  EXPECT_EQ(headings.pixelColor(headings.width() / 4, headings.height() - 4), kYellow);
  const QImage names = Shot(g.table->verticalHeader());
  EXPECT_EQ(names.pixelColor(names.width() - 5, 30 - 5), kYellow);
}

TEST(WdgTable, TheFocusFrameIsSolidWithTheFocusAndDashedWithout) {
  ProgramGrid g(3);
  Painted(g);
  g.ShowActive();
  auto blackOnTop = [&] {
    const QImage image = Shot(g.table->viewport());
    const QRect r = g.CellRect(1, 1);
    int black = 0;
    for (int x = r.left(); x < r.right(); ++x) black += image.pixelColor(x, r.top()) == Qt::black;
    return std::make_pair(black, r.width() - 1);
  };
  auto [focused, width] = blackOnTop();
  EXPECT_EQ(focused, width);
  g.after->setFocus();
  QApplication::processEvents();
  auto [unfocused, width2] = blackOnTop();
  EXPECT_GT(unfocused, width2 / 4);
  EXPECT_LT(unfocused, width2 - 4);
}

TEST(WdgTable, WrappedTextStartsAtTheTopAndGoesOnBelow) {
  ProgramGrid g(3);
  Painted(g);
  g.programs[1].sent = QStringLiteral("Tuesday, January 6, 2026, 09:00 AM and more words");
  g.ShowActive();
  const QImage image = Shot(g.table->viewport());
  const QRect r = g.CellRect(2, 2);
  auto inkIn = [&](int top, int bottom) {
    int ink = 0;
    for (int y = top; y <= bottom; ++y)
      for (int x = r.left() + 2; x < r.right() - 2; ++x)
        ink += image.pixelColor(x, y) != g.table->Color() && image.pixelColor(x, y).value() < 100;
    return ink;
  };
  EXPECT_GT(inkIn(r.top() + 2, r.top() + 8), 0);      // the first line at the top
  EXPECT_GT(inkIn(r.center().y() + 4, r.bottom() - 1), 0); // and a second below it
}

TEST(WdgTable, AnOwnerDrawnCellIsLeftToItsHandler) {
  ProgramGrid g(3);
  Painted(g);
  g.cell->OnOwnerDraw = [](TWdgBaseTableCell*, QPainter& p, const QRect& r, int row, int col,
                           const TWdgCellAttributes&, const QString* data, bool& done) {
    if (row == 2 && col == 3 && data) {
      p.fillRect(r, Qt::magenta);
      done = true;
    }
  };
  g.ShowActive();
  EXPECT_EQ(CellColour(g, 2, 3), QColor(Qt::magenta));
  EXPECT_EQ(CellColour(g, 2, 2), g.table->Color());
}

TEST(WdgTable, ThePenSetStartsDottedRaisedSolidAndDashedAndItsChangesRepaint) {
  ProgramGrid g(3);
  auto& pens = g.table->GridPenSet();
  EXPECT_EQ(pens.NormalGrid.Style(), Qt::DotLine);
  EXPECT_EQ(pens.NormalGrid.Effect(), geBoth);
  EXPECT_EQ(pens.LockedGrid.Style(), Qt::SolidLine);
  EXPECT_EQ(pens.LockedGrid.Effect(), ge3D);
  EXPECT_EQ(pens.CellWhenFocused.NormalColor(), QColor(Qt::black));
  EXPECT_EQ(pens.CellWhenFocused.Style(), Qt::SolidLine);
  EXPECT_EQ(pens.CellWhenUnfocused.Style(), Qt::DashLine);
  g.ShowActive();
  pens.NormalGrid.SetEffect(geNone); // no lines: the cells reach their edges
  QApplication::processEvents();
  const QImage image = Shot(g.table->viewport());
  const QRect cell = g.CellRect(2, 2);
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    EXPECT_EQ(image.pixel(cell.right(), y), g.table->Color().rgb()) << y;
}

TEST(WdgTable, DraggingSelectsOnlyWhenTheOptionsAllowIt) {
  for (bool allowed : {false, true}) {
    ProgramGrid g(4);
    if (allowed) g.table->SetOptions(otoMouseDragSelect);
    g.ShowActive();
    auto* vp = g.table->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, g.CellRect(2, 1).center());
    const QPoint to = g.CellRect(3, 2).center();
    QMouseEvent move(QEvent::MouseMove, QPointF(to), vp->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(vp, &move);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    EXPECT_EQ(Active(g), allowed ? std::make_pair(3, 2) : std::make_pair(2, 1)) << allowed;
    EXPECT_EQ(g.table->selectionModel()->isSelected(g.Cell(2, 2)), allowed);
    EXPECT_FALSE(g.table->IsEditing());
  }
}

TEST(WdgTable, ACellsOwnSettingsOverrideItsColumns) {
  ProgramGrid g(3);
  Painted(g);
  TWdgCellOverride readOnly;
  readOnly.Access = otxReadOnly;
  readOnly.Color = Qt::magenta;
  g.table->CellOverrides().SetAttributes(2, 1, readOnly);
  TWdgCellOverride heading;
  heading.Color = Qt::cyan;
  g.table->CellOverrides().SetAttributes(0, 2, heading);
  g.ShowActive();
  EXPECT_EQ(CellColour(g, 2, 1), QColor(Qt::magenta));
  const QImage headings = Shot(g.table->horizontalHeader());
  const int x = g.table->horizontalHeader()->sectionViewportPosition(1) + 10;
  EXPECT_EQ(headings.pixelColor(x, headings.height() - 4), QColor(Qt::cyan));
  ProgramGrid::Key(Qt::Key_Down);
  ProgramGrid::Key(Qt::Key_F2);
  EXPECT_FALSE(g.table->IsEditing());
  EXPECT_EQ(CellColour(g, 2, 1), kRed); // the active colour still wins
  // The override follows its column when columns are exchanged.
  g.table->Columns().Exchange(1, 3);
  EXPECT_EQ(g.table->CellOverrides().GetAttributes(2, 3).Access, otxReadOnly);
}

TEST(WdgTable, TheActiveCellReportsTheRowsAndColumnsItLeaves) {
  ProgramGrid g(3);
  g.ShowActive();
  std::vector<std::string> log;
  g.table->OnLeavingRow = [&](TWdgTable*, int r) { log.push_back("row " + std::to_string(r)); };
  g.table->OnLeavingColumn = [&](TWdgTable*, int c) { log.push_back("col " + std::to_string(c)); };
  g.table->OnActiveCellChanged = [&](TWdgTable*, int r, int c) {
    log.push_back("now " + std::to_string(r) + "," + std::to_string(c));
  };
  ProgramGrid::Key(Qt::Key_Down);
  ProgramGrid::Key(Qt::Key_Right);
  ProgramGrid::Key(Qt::Key_Home, Qt::ControlModifier);
  const std::vector<std::string> expected{"row 1", "now 2,1", "col 1", "now 2,2", "row 2", "now 1,2"};
  EXPECT_EQ(log, expected);
}

TEST(WdgTable, ScrollingReportsTheNewTopRow) {
  ProgramGrid g(40, QSize(780, 300));
  g.ShowActive();
  std::vector<int> tops;
  g.table->OnTopLeftCellChanged = [&](TWdgTable*, int r, int) { tops.push_back(r); };
  ProgramGrid::Key(Qt::Key_End, Qt::ControlModifier);
  ASSERT_FALSE(tops.empty());
  EXPECT_EQ(tops.back(), g.table->TopRow());
  EXPECT_GT(tops.back(), 1);
}

TEST(WdgTable, OnSizeCellEditorPlacesTheEditorAndGivesItABorder) {
  ProgramGrid g(3);
  g.table->OnSizeCellEditor = [](TWdgTable*, int, int, QRect& rect, TWdgTblEditorStyle& style) {
    rect.adjust(2, 2, 40, 0);
    style = tesBorder;
  };
  g.ShowActive();
  ProgramGrid::Key(Qt::Key_F2);
  ASSERT_TRUE(g.table->IsEditing());
  EXPECT_EQ(g.table->Editor()->geometry(), g.CellRect(1, 1).adjusted(2, 2, 39, -1));
  EXPECT_TRUE(g.table->Editor()->hasFrame());
}

TEST(WdgTable, TheTopRowCanBeSetAndTheLastRowsStayFull) {
  ProgramGrid g(40, QSize(500, 300));
  g.ShowActive();
  g.table->SetTopRow(10);
  EXPECT_EQ(g.table->TopRow(), 10);
  EXPECT_EQ(Active(g), std::make_pair(1, 1)); // the active cell stays where it is
  g.table->SetTopRow(40); // as far as the rows after it allow
  EXPECT_LT(g.table->TopRow(), 40);
  EXPECT_EQ(g.table->rowAt(g.table->viewport()->height() - 1), 39);
  g.table->SetLeftCol(3);
  EXPECT_GT(g.table->horizontalScrollBar()->value(), 0);
}

TEST(WdgTable, TheClipboardKeysReachTheirEvents) {
  ProgramGrid g(3);
  g.ShowActive();
  std::string log;
  g.table->OnClipboardCopy = [&](TWdgTable*) { log += "copy "; };
  g.table->OnClipboardCut = [&](TWdgTable*) { log += "cut "; };
  g.table->OnClipboardPaste = [&](TWdgTable*) { log += "paste "; };
  ProgramGrid::Key(Qt::Key_C, Qt::ControlModifier);
  ProgramGrid::Key(Qt::Key_X, Qt::ControlModifier);
  ProgramGrid::Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(log, "copy cut paste ");
  EXPECT_FALSE(g.table->IsEditing());
}

TEST(WdgTable, TheClickThatFocusesTheGridNeverStartsAnEdit) {
  ProgramGrid g(3);
  g.ShowActive();
  g.after->setFocus();
  QApplication::processEvents();
  QTest::mouseClick(g.table->viewport(), Qt::LeftButton, {}, g.CellRect(1, 1).center());
  EXPECT_TRUE(g.table->hasFocus());
  EXPECT_FALSE(g.table->IsEditing());
  QTest::mouseClick(g.table->viewport(), Qt::LeftButton, {}, g.CellRect(1, 1).center());
  EXPECT_TRUE(g.table->IsEditing());
}

TEST(WdgTable, ACellComponentThatGoesAwayLeavesItsColumnsPlain) {
  ProgramGrid g(3);
  Painted(g);
  g.ShowActive();
  delete g.cell;
  g.cell = nullptr;
  EXPECT_EQ(g.table->Columns().Column(1)->DefaultCell(), nullptr);
  EXPECT_EQ(CellColour(g, 2, 1), g.table->Color()); // background only
  ProgramGrid::Key(Qt::Key_F2);
  EXPECT_FALSE(g.table->IsEditing());
}

TEST(WdgTable, TheHeadingOfTheActiveColumnCanShowAMarkerInsteadOfItsText) {
  ProgramGrid g(3);
  Painted(g);
  g.head->SetShowActiveCol(true);
  g.ShowActive();
  auto darkIn = [&](int col) {
    const QImage image = Shot(g.table->horizontalHeader());
    const int left = g.table->horizontalHeader()->sectionViewportPosition(col - 1);
    const int width = g.table->horizontalHeader()->sectionSize(col - 1);
    QRect dark;
    for (int y = 2; y < image.height() - 2; ++y)
      for (int x = left + 2; x < left + width - 2; ++x)
        if (image.pixelColor(x, y).value() < 100) dark |= QRect(x, y, 1, 1);
    return std::make_pair(dark, left + width / 2);
  };
  const auto [marker, middle] = darkIn(1);
  ASSERT_FALSE(marker.isNull());
  EXPECT_LE(std::abs(marker.center().x() - middle), 2); // a centred marker, not the text
  const auto [text, middle2] = darkIn(2);
  EXPECT_LT(text.left(), middle2 - 20); // "Last Sent" from the left
  ProgramGrid::Key(Qt::Key_Right); // the marker goes with the active column
  QApplication::processEvents();
  EXPECT_LT(darkIn(1).first.left(), darkIn(1).second - 20);
  EXPECT_LE(std::abs(darkIn(2).first.center().x() - darkIn(2).second), 2);
}

TEST(WdgTable, WithoutLockedRowsAndColumnsEveryCellIsABodyCell) {
  ProgramGrid g(3);
  g.table->SetLockedCols(0);
  g.table->SetLockedRows(0);
  g.ShowActive();
  EXPECT_FALSE(g.table->verticalHeader()->isVisible());
  EXPECT_FALSE(g.table->horizontalHeader()->isVisible());
  EXPECT_EQ(g.table->model()->rowCount(), 4);
  EXPECT_EQ(g.table->model()->columnCount(), 4);
  EXPECT_EQ(g.table->columnWidth(0), 144);
  ProgramGrid::Key(Qt::Key_Home);
  ProgramGrid::Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(Active(g), std::make_pair(0, 0));
  EXPECT_EQ(g.table->model()->data(g.Cell(1, 0), Qt::DisplayRole).toString(), "Program 1");
  g.table->SetRowLimit(0); // no rows at all
  EXPECT_EQ(g.table->model()->rowCount(), 0);
}
