#include "widgets/WdgButtonColumn.h"

#include <QBoxLayout>
#include <QPushButton>

void AddButtonColumn(QWidget& owner, QBoxLayout& column, std::initializer_list<WdgButtonDef> defs) {
  bool stretched = false;
  for (const WdgButtonDef& def : defs) {
    if (def.atBottom && !stretched) {
      column.addStretch();
      stretched = true;
    }
    auto* button = new QPushButton(QString::fromLatin1(def.caption), &owner);
    button->setObjectName(QString::fromLatin1(def.name));
    button->setToolTip(QString::fromLatin1(def.hint));
    button->setAutoDefault(false);
    column.addWidget(button);
    QObject::connect(button, &QPushButton::clicked, &owner, def.action);
  }
}
