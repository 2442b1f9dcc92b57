#pragma once

#include <string>
#include <string_view>

// What the front ends need to save the view as an image and the time diagram's samples as a
// table: a name to offer for each file, in the language in use, and the message when a file
// cannot be written. The files' contents are the front end's picture of the view (PNG) and
// TimeDiagram::csv.
namespace SavedFiles {

enum class Kind { Image, Samples };

// The file name offered, without a folder: "Wellenmaschine.png", "Zeitdiagramm.csv".
std::string nameOf(Kind kind);
// The file type for a save dialog's filter: "PNG-Bild (*.png)", "CSV-Tabelle (*.csv)".
std::string filterOf(Kind kind);
// The message when the file at `path` could not be written, with the system's `reason` where
// one is known; nothing else has changed.
std::string notWritten(std::string_view path, std::string_view reason);

} // namespace SavedFiles
