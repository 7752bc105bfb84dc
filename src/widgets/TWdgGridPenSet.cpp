#include "widgets/TWdgGridPenSet.h"

TWdgGridPenSet::TWdgGridPenSet(const QPalette& p)
    : NormalGrid(p.color(QPalette::Dark), p.color(QPalette::Light), Qt::DotLine, geBoth),
      LockedGrid(p.color(QPalette::Dark), p.color(QPalette::Light), Qt::SolidLine, ge3D),
      CellWhenFocused(Qt::black, p.color(QPalette::Light), Qt::SolidLine, geBoth),
      CellWhenUnfocused(Qt::black, p.color(QPalette::Light), Qt::DashLine, geBoth) {}

void TWdgGridPenSet::Assign(const TWdgGridPenSet& source) {
  NormalGrid.Assign(source.NormalGrid);
  LockedGrid.Assign(source.LockedGrid);
  CellWhenFocused.Assign(source.CellWhenFocused);
  CellWhenUnfocused.Assign(source.CellWhenUnfocused);
}

void TWdgGridPenSet::SetChangeHandler(const std::function<void()>& handler) {
  for (TWdgGridPen* pen : {&NormalGrid, &LockedGrid, &CellWhenFocused, &CellWhenUnfocused})
    pen->OnChange = handler;
}
