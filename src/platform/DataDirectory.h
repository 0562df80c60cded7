#pragma once
#include <QString>

namespace cw {

// The program's data directory, $XDG_DATA_HOME/Cartwise (~/.local/share/Cartwise), created on
// first use. Returned without a trailing "/".
QString dataDirectory();
// The default export directory: the user's documents directory where it exists, otherwise the
// home directory.
QString documentsDirectory();

} // namespace cw
