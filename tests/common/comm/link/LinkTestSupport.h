#pragma once
// Helpers of the serial library's tests: a temporary folder for the library's files, a
// pseudo-terminal pair, and a bounded wait that keeps events flowing.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

// Sets the library's file folder to a fresh temporary folder for the scope.
class ScopedSclFolder {
public:
  ScopedSclFolder();
  ~ScopedSclFolder();
  QString Path() const { return dir_.path(); }
  QByteArray Read(const QString& name) const;
  // The file's bytes as a string, for comparisons whose failures show a readable diff.
  std::string Text(const QString& name) const { return Read(name).toStdString(); }
  bool Exists(const QString& name) const;

private:
  QTemporaryDir dir_;
};

// A pseudo-terminal pair: the library opens SlavePath(); the test plays the far end on
// the master side.
class PtyPair {
public:
  PtyPair();
  ~PtyPair();
  QString SlavePath() const { return slavePath_; }
  int Master() const { return master_; }
  void Write(const QByteArray& bytes);
  // Reads what arrives at the master within timeoutMs until count bytes are there.
  QByteArray Read(int count, int timeoutMs = 2000);
  void CloseMaster();

private:
  int master_ = -1;
  QString slavePath_;
};

// Maps "COMn" to a device path in the settings; every other port of the system is mapped
// to a path that does not exist, so no test touches the machine's real serial ports.
void MapComPort(int number, const QString& path);

class FakeSerialDevice;
// Makes every device the library opens a FakeSerialDevice for the scope; Last() is the one
// opened most recently.
class ScopedFakeDevices {
public:
  ScopedFakeDevices();
  ~ScopedFakeDevices();
  FakeSerialDevice* Last() const { return *last_; }

private:
  std::shared_ptr<FakeSerialDevice*> last_;
};

// Processes events until done() holds or timeoutMs pass (real time); returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 3000);
