#pragma once
// Starting programs with QProcess, detached, and file tests with QFileInfo.
#include "platform/Registry.h"

namespace cw {

class QtLauncher : public Launcher {
public:
    // True for an existing file (a directory of that name does not count).
    bool fileExists(const QString& path) override;
    void start(const QString& path) override;
};

} // namespace cw
