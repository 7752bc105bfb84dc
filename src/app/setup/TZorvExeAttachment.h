#pragma once
// Reads data appended to an executable file: ExtractSession finds the session of a name
// (letter case ignored) nearest the end of the file and inflates each of its items into
// the target stream.
//
// Items go into the target stream only. The names and folders in an item header come
// from the file's tail, which anybody may have appended, so the reader never makes files
// from them; without a target stream ExtractSession refuses to start. After each item the
// stream is set back to position 0, so AfterExtractItem finds that item's bytes first
// (a longer item before it leaves its tail behind them). The zlib data is inflated only
// as far as the header's size; its own check value at the stream's end is not read.
#include "app/setup/ZorvFormat.h"

#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

class TZorvExeAttachment {
public:
  using ItemHeader = ZorvFormat::ItemHeader;
  // (item name, skip): setting skip passes the item over.
  using BeforeItemEvent = std::function<void(const QString& name, bool& skip, const ItemHeader& header)>;
  using AfterItemEvent = std::function<void(const QString& name, const ItemHeader& header)>;
  // (item name, abort, percent 0..100): setting abort ends the extraction.
  using ProgressEvent = std::function<void(const QString& name, bool& abort, int percent)>;

  TZorvExeAttachment() = default;

  QString ExeFile() const { return exeFile_; }
  // A non-empty name clears UseCurrentExeOnExtract, an empty one sets it.
  void SetExeFile(const QString& file);
  bool UseCurrentExeOnExtract() const { return useCurrentExe_; }
  // Setting it clears ExeFile.
  void SetUseCurrentExeOnExtract(bool on);
  // The file ExtractSession reads: the running program's, or ExeFile.
  QString SourceFile() const;

  // Settings of the attaching side; the reader checks only their lengths.
  QStringList Items;
  QString Creator() const { return creator_; }
  void SetCreator(const QString& text); // EZorvCreatorNameTooLong from 64 characters on
  QString Key() const { return key_; }
  void SetKey(const QString& text); // EZorvKeyTooLong above 23
  QString User() const { return user_; }
  void SetUser(const QString& text); // EZorvUserNameTooLong above 35
  int CompressionLevel() const { return level_; }
  void SetCompressionLevel(int level); // clamped to 0..3

  // Not owned; must be open for writing when ExtractSession runs.
  QIODevice* TargetStream() const { return target_; }
  void SetTargetStream(QIODevice* stream) { target_ = stream; }

  BeforeItemEvent BeforeExtractItem;
  AfterItemEvent AfterExtractItem;
  ProgressEvent OnProgress;
  ProgressEvent OnProgressItem;

  // Raises EZorvSessionNameTooLong (over 63 characters), EZorvSessionNotFound (no such
  // session, or no trailer at the end), EZorvItemPrefixFormat, EZorvUnsupportedCompression
  // and EZorvExtractError (damaged or short item data, no target stream).
  void ExtractSession(const QString& name);
  // The same over an open, seekable device holding the program's bytes; `source` names it
  // in the messages.
  void ExtractSession(QIODevice& input, const QString& source, const QString& name);

private:
  // The trailer of the wanted session, found from the end of the file.
  ZorvFormat::Trailer FindSession(QIODevice& file, const QString& source, const QString& name) const;
  // False when the progress event asked to abort.
  bool ExtractItems(QIODevice& file, const QString& source, const ZorvFormat::Trailer& trailer);
  bool InflateItem(QIODevice& file, const ItemHeader& header);
  bool Report(const ProgressEvent& event, const QString& name, qint64 done, qint64 total) const;

  QString exeFile_;
  bool useCurrentExe_ = true;
  QString creator_;
  QString key_;
  QString user_;
  int level_ = 2;
  QIODevice* target_ = nullptr;
};
