#include "LinkTestSupport.h"

#include "comm/link/SclFiles.h"
#include "platform/serialdev/FakeSerialDevice.h"
#include "platform/sys/Folders.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <thread>
#include <unistd.h>

ScopedSclFolder::ScopedSclFolder() { SetSclFileFolder(dir_.path()); }
ScopedSclFolder::~ScopedSclFolder() { SetSclFileFolder(QString()); }

QByteArray ScopedSclFolder::Read(const QString& name) const {
  QFile file(QDir(dir_.path()).filePath(name));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + name.toStdString());
  return file.readAll();
}

bool ScopedSclFolder::Exists(const QString& name) const { return QFile::exists(QDir(dir_.path()).filePath(name)); }

PtyPair::PtyPair() {
  int slave = -1;
  char name[128];
  if (openpty(&master_, &slave, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  termios t{};
  tcgetattr(slave, &t);
  cfmakeraw(&t);
  tcsetattr(slave, TCSANOW, &t);
  slavePath_ = QString::fromLocal8Bit(name);
  ::close(slave);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() { CloseMaster(); }

void PtyPair::CloseMaster() {
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

void PtyPair::Write(const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n > 0) done += n;
    else {
      pollfd p{master_, POLLOUT, 0};
      poll(&p, 1, 100);
    }
  }
}

QByteArray PtyPair::Read(int count, int timeoutMs) {
  QByteArray got;
  QElapsedTimer timer;
  timer.start();
  while (got.size() < count && timer.elapsed() < timeoutMs) {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, 10) > 0) {
      char buffer[4096];
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, n);
    }
  }
  return got;
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return true;
}

void MapComPort(int number, const QString& path) {
  QDir().mkpath(Folders::CommonFolder());
  auto settings = OpenSettingsFile(QStringLiteral("ComPorts"));
  if (settings->ReadString(QStringLiteral("COM50"), QString()).isEmpty())
    for (int n = 1; n <= 50; ++n)
      settings->WriteString(QStringLiteral("COM%1").arg(n), QStringLiteral("/nonexistent/ttyCOM%1").arg(n));
  settings->WriteString(QStringLiteral("COM%1").arg(number), path);
}

ScopedFakeDevices::ScopedFakeDevices() : last_(std::make_shared<FakeSerialDevice*>(nullptr)) {
  auto last = last_;
  SerialDevice::SetOpener([last](const QString& path, int& error) -> std::unique_ptr<SerialDevice> {
    auto device = FakeSerialDevice::Open(path, error);
    *last = device.get();
    return device;
  });
}

ScopedFakeDevices::~ScopedFakeDevices() { SerialDevice::SetOpener(nullptr); }
