#pragma once

#include "instrument/saved_files.h"

#include <QString>

#include <functional>

class QIODevice;
class QWidget;

// Saving a file on the desktop: the save dialog, which offers a new file's name with the time in
// it (see SavedFiles) in
// the folder used last in the session for its kind, at first the user's pictures for the image
// and documents for the table; and the writing, which replaces a file only once it is written
// whole, and otherwise says so in a message over the window and leaves everything as it was.
namespace FileSaving {

// The path the student chose, or an empty one where the dialog was cancelled.
QString choosePath(QWidget& window, SavedFiles::Kind kind);

// `write` puts the contents on the device and returns false where it could not; the message
// for a file not written opens over `window`, without blocking the caller. True if written.
bool writeTo(QWidget& window, const QString& path, const std::function<bool(QIODevice&)>& write);

} // namespace FileSaving
