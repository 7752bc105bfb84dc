#pragma once
// A place in an object file: the index selected when it was taken and the driver's mark
// of the record, freed through the driver with the bookmark.
#include <QString>
#include <memory>

class TObjectFile;
class TOdbDriverBookmark;

class TOdbBookmark {
public:
  TOdbBookmark(TObjectFile& file, QString indexName, std::unique_ptr<TOdbDriverBookmark> mark);
  ~TOdbBookmark();
  TOdbBookmark(const TOdbBookmark&) = delete;
  TOdbBookmark& operator=(const TOdbBookmark&) = delete;

  const QString& IndexName() const { return indexName_; }
  TObjectFile& File() const { return file_; }
  const TOdbDriverBookmark& Mark() const { return *mark_; }

private:
  TObjectFile& file_;
  QString indexName_;
  std::unique_ptr<TOdbDriverBookmark> mark_;
};
