#include "reports/forms/RptOptArrangement.h"

#include "model/tEcrFnct.h"
#include "widgets/TWdgNumericField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kFieldWidth = 40;
constexpr int kByteHigh = 255;

void ChooseItem(QButtonGroup& choice, int index) {
  // Exclusive groups cannot be emptied by unchecking; an index outside the items shows none.
  choice.setExclusive(false);
  for (QAbstractButton* button : choice.buttons()) button->setChecked(choice.id(button) == index);
  choice.setExclusive(true);
}
} // namespace

RptOptArrangement::RptOptArrangement(QWidget* parent, QVBoxLayout* layout, std::vector<RptOptGroup> groups) {
  groups_.reserve(groups.size());
  for (RptOptGroup& spec : groups) {
    Built& group = groups_.emplace_back();
    group.spec = std::move(spec);
    Build(parent, group);
    layout->addWidget(group.box);
  }
}

void RptOptArrangement::Build(QWidget* parent, Built& group) {
  group.box = new QGroupBox(group.spec.caption, parent);
  group.box->setObjectName(group.spec.name);
  if (group.spec.kind == RptOptGroup::Kind::Registers) {
    auto* grid = new QGridLayout(group.box);
    int column = 0;
    for (const RptOptItem& item : group.spec.items) {
      auto* label = new QLabel(item.caption, group.box);
      label->setObjectName(item.label);
      auto* field = new TWdgNumericField(group.box);
      field->setObjectName(item.name);
      field->SetDataType(nftByte);
      field->SetPictureMask(QStringLiteral("999"));
      field->SetRange(0, kByteHigh);
      field->setFixedWidth(kFieldWidth);
      label->setBuddy(field);
      grid->addWidget(label, 0, column++);
      grid->addWidget(field, 0, column++);
      group.fields << field;
      group.labels << label;
    }
    grid->setColumnStretch(column, 1);
    return;
  }
  auto* column = new QVBoxLayout(group.box);
  if (group.spec.kind == RptOptGroup::Kind::Choice) group.choice = new QButtonGroup(group.box);
  int index = 0;
  for (const RptOptItem& item : group.spec.items) {
    QAbstractButton* button = group.choice ? static_cast<QAbstractButton*>(new QRadioButton(item.caption, group.box))
                                           : new QCheckBox(item.caption, group.box);
    button->setObjectName(item.name);
    if (group.choice) group.choice->addButton(button, index++);
    column->addWidget(button);
    group.boxes << button;
  }
}

QGroupBox* RptOptArrangement::Group(const QString& name) const {
  for (const Built& group : groups_)
    if (group.spec.name == name) return group.box;
  return nullptr;
}

void RptOptArrangement::SetShown(const QString& name, bool shown) {
  if (QGroupBox* box = Group(name)) return box->setHidden(!shown);
  for (const Built& group : groups_)
    for (qsizetype i = 0; i < group.fields.size(); ++i)
      if (group.fields[i]->objectName() == name) {
        group.fields[i]->setHidden(!shown);
        group.labels[i]->setHidden(!shown);
      }
}

void RptOptArrangement::SetRegisterRange(int low, int high) {
  for (const Built& group : groups_)
    for (TWdgNumericField* field : group.fields) field->SetRange(low, high);
}

void RptOptArrangement::Load(const tEcrFnct& report) {
  for (const Built& group : groups_) LoadGroup(group, report);
}

void RptOptArrangement::Store(tEcrFnct& report) const {
  for (const Built& group : groups_)
    if (!group.box->isHidden()) StoreGroup(group, report);
}

void RptOptArrangement::LoadGroup(const Built& group, const tEcrFnct& report) {
  const RptOptGroup& spec = group.spec;
  switch (spec.kind) {
  case RptOptGroup::Kind::Choice:
    ChooseItem(*group.choice, report.GetIntParam(spec.param));
    break;
  case RptOptGroup::Kind::Registers:
    // A number a Byte cannot hold is shown at the nearer end; one within it but outside the
    // range is shown as it is, for the check on Accept to refuse.
    for (size_t i = 0; i < spec.items.size(); ++i)
      group.fields[qsizetype(i)]->SetIntValue(qBound(0, report.GetIntParam(spec.items[i].param), kByteHigh));
    break;
  case RptOptGroup::Kind::Flag:
    group.boxes.first()->setChecked((report.GetIntParam(spec.param) & 0xFF) != 0);
    break;
  case RptOptGroup::Kind::Bits:
    for (qsizetype i = 0; i < group.boxes.size(); ++i)
      group.boxes[i]->setChecked((report.GetIntParam(spec.param) & spec.items[size_t(i)].value) != 0);
    break;
  }
}

void RptOptArrangement::StoreGroup(const Built& group, tEcrFnct& report) {
  const RptOptGroup& spec = group.spec;
  switch (spec.kind) {
  case RptOptGroup::Kind::Choice:
    if (group.choice->checkedId() >= 0) report.SetIntParam(spec.param, group.choice->checkedId());
    break;
  case RptOptGroup::Kind::Registers:
    for (size_t i = 0; i < spec.items.size(); ++i)
      if (TWdgNumericField* field = group.fields[qsizetype(i)]; !field->isHidden())
        report.SetIntParam(spec.items[i].param, field->GetIntValue());
    break;
  case RptOptGroup::Kind::Flag:
    report.SetIntParam(spec.param, group.boxes.first()->isChecked() ? 1 : 0);
    break;
  case RptOptGroup::Kind::Bits: {
    int sum = 0;
    for (qsizetype i = 0; i < group.boxes.size(); ++i)
      if (group.boxes[i]->isChecked()) sum += spec.items[size_t(i)].value;
    report.SetIntParam(spec.param, sum);
    break;
  }
  }
}
