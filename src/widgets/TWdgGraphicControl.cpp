#include "widgets/TWdgGraphicControl.h"

TWdgGraphicControl::TWdgGraphicControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}
