#pragma once
// The lock file other serial programs look for: "LCK..<device name>" in the lock folder,
// holding the owner's process id as ten right-aligned digits and a newline. A device whose
// lock names a live process other than ours is in use; a lock naming a dead process, or
// one that cannot be read as a number, is left over from a crash and may be replaced.
#include <QString>

class SerialLockFile {
public:
  SerialLockFile() = default;
  explicit SerialLockFile(const QString& devicePath);
  SerialLockFile(SerialLockFile&& other) noexcept;
  SerialLockFile& operator=(SerialLockFile&& other) noexcept;
  SerialLockFile(const SerialLockFile&) = delete;
  SerialLockFile& operator=(const SerialLockFile&) = delete;
  ~SerialLockFile(); // removes the lock when this object took it

  // The lock folder: the one set here, else $TB_LOCK_DIR, else /run/lock. Empty resets.
  static void SetFolder(const QString& folder);
  static QString Folder();
  // The lock file's path for a device.
  static QString PathFor(const QString& devicePath);
  // True when the device's lock names a live process other than this one.
  static bool HeldByOther(const QString& devicePath);

  // Writes our lock, replacing a stale one: 0, or 5 when a live process holds the device.
  // Where the folder cannot take files the device is used unlocked, as before locks.
  int Take();
  bool Owned() const { return owned_; }
  void Release();

private:
  QString path_;
  bool owned_ = false;
};
