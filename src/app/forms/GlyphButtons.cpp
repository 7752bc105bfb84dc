#include "app/forms/GlyphButtons.h"

#include "app/AppError.h"

#include <QApplication>
#include <QGridLayout>
#include <QToolButton>

QList<QToolButton*> AddGlyphButtons(QWidget& owner, QGridLayout& layout, const QList<GlyphButton>& table,
                                    int columns) {
  QList<QToolButton*> buttons;
  for (const GlyphButton& entry : table) {
    auto* button = new QToolButton(&owner);
    button->setObjectName(QLatin1String(entry.name));
    button->setText(QString::fromUtf8(entry.caption));
    button->setIcon(owner.style()->standardIcon(entry.glyph));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setMinimumSize(96, 64);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (entry.hint) button->setToolTip(QString::fromUtf8(entry.hint));
    QObject::connect(button, &QToolButton::clicked, button,
                     [button, command = entry.command] { RunGuarded([&] { command(*button); }); });
    const int index = int(buttons.size());
    layout.addWidget(button, index / columns, index % columns);
    buttons << button;
  }
  return buttons;
}
