#pragma once
// The connection a database's backup copies are made on: the backup file of its folder,
// open, with the database's own file attached to it, kept from one copy to the next so
// that a copy does not pay for opening, attaching, detaching and closing. It belongs to
// its database, which closes it when it closes.
//
// Between copies it holds no lock and no snapshot of either file: every copy is one
// transaction, committed or rolled back before the copy returns. A link whose file is no
// longer the one at the backup path (the folder was deleted, the file replaced) is no
// longer current and is opened afresh.
#include "platform/engine/TDatabase.h"

#include <QString>
#include <sys/types.h>

class BackupLink {
public:
  // The name the source is attached under.
  static constexpr char kSourceSchema[] = "tb_source";

  // Opens the backup file in folder (made when missing) and attaches source's file.
  BackupLink(const TDatabase& source, const QString& folder);
  BackupLink(const BackupLink&) = delete;
  BackupLink& operator=(const BackupLink&) = delete;

  TDatabase& Backup() { return backup_; }
  // True while the connection is open on the file that is now at the backup path.
  bool Current() const;

private:
  TDatabase backup_;
  dev_t device_ = 0;
  ino_t inode_ = 0;
};
