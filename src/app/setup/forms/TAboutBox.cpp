#include "app/setup/forms/TAboutBox.h"

#include "app/setup/AboutInfo.h"
#include "app/setup/TZorvExeAttachment.h"
#include "app/setup/ZorvErrors.h"
#include "platform/sys/Folders.h"
#include "platform/sys/Prompter.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

bool PreRelease(const QString& exeFile) {
  TZorvExeAttachment reader;
  reader.SetExeFile(exeFile);
  try {
    return HasPreReleaseNotice(reader);
  } catch (const EZorvException& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
    return false;
  }
}
} // namespace

TAboutBox::TAboutBox(QWidget* parent, const QString& attachmentFile) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About Polling"));
  const QString program = Folders::ExecutablePath();
  const AboutInfo info = GatherAboutInfo(program);

  QLabel* product = Label(this, "ProductName", info.productName.value_or(QStringLiteral("Product Name")));
  QFont big = product->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  product->setFont(big);
  QLabel* version = Label(this, "Version", info.fileVersion.value_or(QStringLiteral("Version")));
  QLabel* notice = Label(this, "lblPreRelease", QStringLiteral("Pre-Release Version"));
  notice->setStyleSheet(QStringLiteral("background-color: yellow; color: black; padding: 2px;"));
  notice->setAlignment(Qt::AlignCenter);
  notice->setVisible(PreRelease(attachmentFile.isEmpty() ? program : attachmentFile));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  int row = 0;
  grid->addWidget(product, row++, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("VERSION:"), this), row, 0);
  grid->addWidget(version, row++, 1);
  grid->addWidget(Label(this, "Comments", QStringLiteral("Back office for CRS 3000 cash registers:\n"
                                                         "polling, programming and reports.")),
                  row++, 0, 1, 2);
  grid->addWidget(Label(this, "Copyright", QStringLiteral("Copyright \u00A9 the tillbridge developers")), row++, 0,
                  1, 2);
  grid->addWidget(Label(this, "lblOS", info.operatingSystem), row++, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Physical Memory:"), this), row, 0);
  grid->addWidget(Label(this, "lblMemory", info.memory), row++, 1);
  grid->addWidget(notice, row++, 0, 1, 2);
  grid->addWidget(ok, row, 0, 1, 2, Qt::AlignHCenter);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}
