// A window shown while a modal window is up can be used; otherwise it stays an ordinary one.
#include "widgets/WdgShowWindow.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

TEST(WdgShowWindow, AWindowShownOverAModalOneTakesTheInputUntilItCloses) {
  QDialog menu;
  menu.setModal(true);
  menu.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &menu);
  QWidget window;
  WdgShowWindow(window);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), &window); // not blocked behind the menu
  window.close();
  EXPECT_EQ(QApplication::activeModalWidget(), &menu);
}

TEST(WdgShowWindow, WithNoModalWindowUpItStaysOrdinary) {
  QWidget window;
  WdgShowWindow(window);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
