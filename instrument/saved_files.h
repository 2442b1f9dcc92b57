#pragma once

#include <ctime>
#include <string>
#include <string_view>

// What the front ends need to save the view as an image and the time diagram's samples as a
// table: a name to offer for each file, in the language in use, and the message when a file
// cannot be written. The files' contents are SavedImage encoded as PNG and TimeDiagram::csv.
namespace SavedFiles {

enum class Kind { Image, Samples };

// The file name offered, without a folder: "Wellenmaschine.png", "Zeitdiagramm.csv".
std::string nameOf(Kind kind);
// The same with the local time `now` in it, so that a dialog offers a new file each time rather
// than the last one to overwrite: "Wellenmaschine 2026-12-10 20-15-03.png" (no colons, which
// some file systems refuse).
std::string nameOf(Kind kind, const std::tm& now);
// The file type for a save dialog's filter: "PNG-Bild (*.png)", "CSV-Tabelle (*.csv)".
std::string filterOf(Kind kind);
// The message when the file at `path` could not be written, with the system's `reason` where
// one is known; nothing else has changed.
std::string notWritten(std::string_view path, std::string_view reason);

} // namespace SavedFiles
