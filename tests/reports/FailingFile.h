#pragma once
// A file whose writes fail once `budget` bytes have been written: the write that would
// pass the budget, and every write after it, writes nothing and fails. Reads, seeks and
// resizes work, as on a disk that has run full.
#include <QFile>

class FailingFile : public QFile {
public:
  FailingFile(const QString& name, qint64 budget) : QFile(name), budget_(budget) {}
  qint64 Written() const { return written_; }

protected:
  qint64 writeData(const char* data, qint64 length) override {
    if (written_ + length > budget_) {
      budget_ = -1;
      return -1;
    }
    written_ += length;
    return QFile::writeData(data, length);
  }

private:
  qint64 budget_;
  qint64 written_ = 0;
};
