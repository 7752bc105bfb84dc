#include "widgets/WdgEntryFieldMenu.h"

#include "widgets/TWdgBaseEntryField.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgLibraryStrings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

QMenu* CreateEntryFieldMenu(TWdgBaseEntryField& field) {
  auto* menu = new QMenu(&field);
  menu->setObjectName(QStringLiteral("EntryFieldMenu"));
  const bool selected = field.hasSelectedText();
  const bool editable = !field.IsReadOnly();
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
  const bool clipText = clip && clip->hasText() && !clip->text().isEmpty();

  struct Item {
    int textId;
    bool enabled;
    std::function<void()> run;
  };
  const Item items[] = {
      {WdgText::kMenuRestore, field.Modified(), [&field] { field.DoCommand(ccRestore); }},
      {0, false, {}},
      {WdgText::kMenuCut, selected && editable,
       [&field] {
         field.CopyToClipboard();
         field.DoCommand(ccCut);
       }},
      {WdgText::kMenuCopy, selected, [&field] { field.CopyToClipboard(); }},
      {WdgText::kMenuPaste, editable && clipText, [&field] { field.PasteFromClipboard(); }},
      {WdgText::kMenuDelete, selected && editable, [&field] { field.DoCommand(ccCut); }},
      {0, false, {}},
      {WdgText::kMenuSelectAll, field.selectedText().size() < field.text().size(),
       [&field] { field.selectAll(); }},
  };
  for (const Item& item : items) {
    if (item.textId == 0) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(LibraryString(item.textId));
    action->setEnabled(item.enabled);
    QObject::connect(action, &QAction::triggered, &field, item.run);
  }
  return menu;
}
