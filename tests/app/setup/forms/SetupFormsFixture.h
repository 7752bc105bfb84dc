#pragma once
// What the setup windows' tests share: the job-queue fixture with its own data folder and
// settings, the forms registered, and screenshots when TB_SHOT_DIR names a folder.
#include "JobsFixture.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

class SetupFormsFixture : public JobsFixture {
protected:
  SetupFormsFixture();
  ~SetupFormsFixture() override;

  template <class T = QWidget>
  static T* Find(QWidget& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static void Click(QWidget& form, const char* button) {
    QTest::mouseClick(Find<QPushButton>(form, button), Qt::LeftButton);
  }
  static void Shoot(QWidget& widget, const char* name);
};
