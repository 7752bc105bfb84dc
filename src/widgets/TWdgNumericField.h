#pragma once
// The numeric field the windows place.
#include "widgets/TWdgCustomNumericField.h"

class TWdgNumericField : public TWdgCustomNumericField {
  Q_OBJECT
public:
  explicit TWdgNumericField(QWidget* parent = nullptr) : TWdgCustomNumericField(parent) {}
};
