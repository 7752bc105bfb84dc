#pragma once
// The export of stored polls that the browser and the consolidation ask for. The polls are
// written in the order given, each in the layout the settings choose (the consolidated
// poll always in layout 0, framed). When the last of them is the head of a financial
// report, its own sections follow it: the rows P+1..P+5 that are the sections expected at
// their places, up to the first that is not, so a head whose sections were never stored
// exports no other poll's data.
//
// A format outside 0..4 and a file that cannot be opened raise EPollExport before any line
// is written.
#include <QList>
#include <QString>
#include <QtGlobal>

namespace AllPollsExport {
enum class Mode { Polls, Consolidated };
// Writes the polls to the file (see PollExport::OpenOutput for the name) and returns the
// message to show: "Data exported to " and the file's path.
QString Export(const QList<qint32>& pollIds, const QString& fileName, Mode mode = Mode::Polls);
} // namespace AllPollsExport
