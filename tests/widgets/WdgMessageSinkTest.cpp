#include "widgets/WdgMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct SeenBox {
  bool found = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QString caption, text;
  QWidget* parent = nullptr;
};

// Shows a box through the library's own sink and reads it while it is up, then closes it.
SeenBox ShowAndRead(QWidget* parent, TWdgMessageSink::Kind kind) {
  SeenBox seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen = {true, box->icon(), box->standardButtons(), box->windowTitle(), box->text(), box->parentWidget()};
    box->accept();
  });
  // A box that was not found stays up: close whatever is modal a moment later.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  closer.start(50);
  TWdgMessageSink::Current().Show(parent, kind, QStringLiteral("Error"), QStringLiteral("Entry Error"));
  return seen;
}

TEST(WdgMessageSink, TheLibrarysBoxesHaveOkOnlyAndAnErrorIconForErrors) {
  QWidget window;
  window.show();
  const std::pair<TWdgMessageSink::Kind, QMessageBox::Icon> cases[] = {
      {TWdgMessageSink::Kind::Error, QMessageBox::Critical},
      {TWdgMessageSink::Kind::Plain, QMessageBox::NoIcon},
  };
  for (const auto& [kind, icon] : cases) {
    const SeenBox seen = ShowAndRead(&window, kind);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, icon);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.text, QStringLiteral("Entry Error"));
    EXPECT_EQ(seen.caption, QStringLiteral("Error"));
    EXPECT_EQ(seen.parent, &window);
  }
}

struct NullSink final : TWdgMessageSink {
  void Show(QWidget*, Kind, const QString&, const QString&) override {}
};

TEST(WdgMessageSink, InstallingNothingPutsTheBoxesBack) {
  TWdgMessageSink& boxes = TWdgMessageSink::Current();
  NullSink sink;
  TWdgMessageSink::Install(&sink);
  EXPECT_EQ(&TWdgMessageSink::Current(), &sink);
  TWdgMessageSink::Install(nullptr);
  EXPECT_EQ(&TWdgMessageSink::Current(), &boxes);
}
} // namespace
