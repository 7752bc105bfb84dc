#include "model/EcrTableCheck.h"

#include "platform/engine/TblScnErrors.h"
#include "platform/engine/TblScnLoader.h"
#include "platform/sys/Prompter.h"

namespace EcrTableCheck {
QString Run(const TDefValues& arguments, const QString& fileName, const std::optional<TTableDef>& declared) {
  if (arguments.isEmpty() || arguments.first().kind != TDefValue::Kind::Bool)
    throw ETableCheck(QStringLiteral("CheckTables invalid parameter"));
  const TDescriber describer = declared ? TblScnRecords::Describer(*declared, fileName) : TDescriber([](const TDefCall&) {});
  try {
    return TTblScnLoader::Instance().Check(arguments, fileName, describer);
  } catch (const ETblScnNotFound& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
  } catch (const ETblScnLoadError& e) {
    Prompter::ShowMessage(e.Message(), Prompter::Kind::Error);
  }
  return QString();
}
} // namespace EcrTableCheck
