#include "platform/engine/TblScnLoader.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TblScnErrors.h"
#include "platform/tblscn/TblScnAbi.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <dlfcn.h>
#include <exception>
#include <vector>

namespace {
// The values of one DEF call as the C interface takes them; texts live as long as this.
class CValues {
public:
  explicit CValues(const TDefValues& values) {
    texts_.reserve(static_cast<size_t>(values.size()));
    for (const TDefValue& v : values) {
      TblScnValue c{};
      switch (v.kind) {
      case TDefValue::Kind::Int: c.tag = TBLSCN_INT; c.integer = v.integer; break;
      case TDefValue::Kind::Bool: c.tag = TBLSCN_BOOL; c.integer = v.integer != 0; break;
      case TDefValue::Kind::Pointer: c.tag = TBLSCN_POINTER; c.pointer = v.pointer; break;
      case TDefValue::Kind::Text:
        c.tag = TBLSCN_TEXT;
        texts_.push_back(v.text.toUtf8());
        c.text = texts_.back().constData();
        break;
      }
      values_.push_back(c);
    }
  }
  void Call(TblScnDefEntry def) const { def(values_.data(), static_cast<int32_t>(values_.size()) - 1); }

private:
  std::vector<QByteArray> texts_;
  std::vector<TblScnValue> values_;
};

struct DescriberContext {
  TblScnDefEntry def;
  const TDescriber* describer;
  std::exception_ptr error;
};

// Called back by the library; exceptions stay on this side of the C interface.
void Trampoline(void* context) {
  auto* ctx = static_cast<DescriberContext*>(context);
  try {
    (*ctx->describer)([ctx](const TDefValues& record) { CValues(record).Call(ctx->def); });
  } catch (...) {
    ctx->error = std::current_exception();
  }
}
} // namespace

TTblScnLoader::TTblScnLoader(std::optional<QString> dllPath)
    : dllPath_(dllPath ? *dllPath : EngineConfig::DLLPath()) {
  path_ = dllPath_.isEmpty() ? QLatin1String(kFileName) : QDir::cleanPath(dllPath_) + QLatin1Char('/') + QLatin1String(kFileName);
}

TTblScnLoader::~TTblScnLoader() {
  if (handle_) dlclose(handle_);
}

TTblScnLoader& TTblScnLoader::Instance() {
  static TTblScnLoader loader;
  return loader;
}

bool TTblScnLoader::Load() {
  if (handle_ || attempted_) return handle_ != nullptr;
  attempted_ = true;
  const bool present = !dllPath_.isEmpty() && QFileInfo::exists(path_);
  if (present) handle_ = dlopen(QFile::encodeName(path_).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    handle_ = dlopen(kFileName, RTLD_NOW | RTLD_LOCAL);
    if (handle_ && !present) path_ = QLatin1String(kFileName);
  }
  if (handle_) return true;
  if (present) throw ETblScnLoadError(QStringLiteral("Unable to Load ") + path_);
  throw ETblScnNotFound(QStringLiteral("Could not find ") + QLatin1String(kFileName));
}

QString TTblScnLoader::Check(const TDefValues& arguments, const QString& fileName, const TDescriber& describer) {
  if (!Load()) return QString();
  auto def = reinterpret_cast<TblScnDefEntry>(dlsym(handle_, "DEF"));
  auto get = reinterpret_cast<TblScnGetEntry>(dlsym(handle_, "GET"));
  if (!def || !get) throw ETblScnInvalidVersion(path_ + QStringLiteral(" Invalid version"));

  CValues({TDefValue::Int(TBLSCN_HANDSHAKE), TDefValue::Text(QStringLiteral("tillbridge")),
           TDefValue::Pointer(&TSession::Default())})
      .Call(def);
  CValues(arguments).Call(def);
  DescriberContext context{def, &describer, nullptr};
  const QByteArray fileUtf8 = fileName.toUtf8();
  TblScnValue declaration[2] = {};
  declaration[0].tag = TBLSCN_PROC;
  declaration[0].proc = &Trampoline;
  declaration[0].pointer = &context;
  declaration[1].tag = TBLSCN_TEXT;
  declaration[1].text = fileUtf8.constData();
  def(declaration, 1);
  CValues({TDefValue::Int(0)}).Call(def);

  char buffer[TBLSCN_MESSAGE_SIZE] = {};
  get(buffer, TBLSCN_MESSAGE_SIZE);
  buffer[TBLSCN_MESSAGE_SIZE - 1] = '\0';
  if (context.error) std::rethrow_exception(context.error);
  return QString::fromUtf8(buffer, static_cast<qsizetype>(std::strlen(buffer)));
}
