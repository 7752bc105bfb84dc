// The table grid as the Program-ID editor shows it: the editor itself, over a driver of
// demonstration programs with names, Program IDs and stamps of their own.
#include "DemoPages.h"
#include "model/forms/TfmEcrPrgOpts.h"
#include "model/tEcr.h"
#include "model/tEcrFnct.h"
#include "model/tEcrPrg.h"
#include "platform/sys/TDateTime.h"

#include <QVBoxLayout>
#include <memory>

namespace {
class tDemoPrg final : public tEcrPrg {
public:
  explicit tDemoPrg(TBlank blank) : tEcrPrg(blank) {}
  QString GetPrgName() const override { return name; }
  QString name;
};

class tDemoEcr final : public tEcr {
public:
  tDemoEcr() : tEcr(TBlank{}) { Create(nullptr); }
  void Add(const char* name, const char* programId, const QDateTime& sent, const QDateTime& saved) {
    std::unique_ptr<tDemoPrg> prg = tEcrFnct::New<tDemoPrg>(this);
    prg->name = QString::fromLatin1(name);
    prg->SetProgramID(QString::fromLatin1(programId));
    if (sent.isValid()) prg->SetLastSnt(TDateTime::FromQDateTime(sent));
    if (saved.isValid()) prg->SetLastSvd(TDateTime::FromQDateTime(saved));
    AddPrg(std::move(prg));
  }
};

// Keeps the demonstration driver as long as the page.
class DriverHolder : public QObject {
public:
  explicit DriverHolder(QObject* parent) : QObject(parent) {
    const QDateTime never;
    ecr.Add("PLU File", "", QDateTime(QDate(2026, 3, 2), QTime(10, 15)), QDateTime(QDate(2026, 3, 2), QTime(10, 20)));
    ecr.Add("Department File", "Shop2", never, QDateTime(QDate(2026, 2, 27), QTime(16, 5)));
    ecr.Add("Clerk File", "", never, never);
    ecr.Add("Tax Table", "", QDateTime(QDate(2026, 1, 6), QTime(9, 0)), never);
    ecr.Add("Function Key Descriptors", "", never, never);
  }
  tDemoEcr ecr;
};
} // namespace

QWidget* TableGridPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* holder = new DriverHolder(page);
  auto* editor = new TfmEcrPrgOpts(holder->ecr, QStringLiteral("Default"), page);
  editor->setWindowFlags(Qt::Widget);
  // Exit stores the rows into the programs and ends the editor; the page shows it again.
  QObject::connect(editor, &QDialog::finished, editor, &QWidget::show);
  layout->addWidget(editor);
  return page;
}
