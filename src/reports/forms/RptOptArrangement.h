#pragma once
// The controls of a report option dialog built from a table of groups (RptOptGroup), one
// group box under the other, and the copying between them and the report's integer
// parameters.
//
// A hidden group or field takes no part in the copying back: its parameters stay exactly as they
// were, whatever the controls could show of them. A choice whose parameter names no item
// shows no item chosen, and keeps the parameter until the user chooses one.
#include "reports/forms/RptOptGroup.h"

#include <QList>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QVBoxLayout;
class QWidget;
class TWdgNumericField;
class tEcrFnct;

class RptOptArrangement {
public:
  // Builds the groups into the layout, the controls owned by `parent`.
  RptOptArrangement(QWidget* parent, QVBoxLayout* layout, std::vector<RptOptGroup> groups);

  QGroupBox* Group(const QString& name) const;
  // Shows or hides a group, or one register field with its label.
  void SetShown(const QString& name, bool shown);
  // The range of every register field.
  void SetRegisterRange(int low, int high);

  void Load(const tEcrFnct& report);
  void Store(tEcrFnct& report) const;

private:
  struct Built {
    RptOptGroup spec;
    QGroupBox* box = nullptr;
    QButtonGroup* choice = nullptr;
    QList<QAbstractButton*> boxes;
    QList<TWdgNumericField*> fields;
    QList<QLabel*> labels; // one a field
  };
  void Build(QWidget* parent, Built& group);
  static void LoadGroup(const Built& group, const tEcrFnct& report);
  static void StoreGroup(const Built& group, tEcrFnct& report);

  std::vector<Built> groups_;
};
