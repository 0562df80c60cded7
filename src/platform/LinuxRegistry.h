#pragma once
// The registry as far as the about box needs it, answered from what is installed: the
// system information program's path is the first of a list of known system information
// tools found on the search path. The directory lookup of older systems, and every other
// key, is not found.
#include "platform/Registry.h"

#include <QStringList>

namespace cw {

class LinuxRegistry : public Registry {
public:
    // Looks the candidates up, in order, in `searchPaths` (empty: the PATH environment).
    explicit LinuxRegistry(QStringList candidates = defaultCandidates(),
                           QStringList searchPaths = {});

    long openKey(std::uint32_t root, const QByteArray& keyPath, std::uint32_t options,
                 std::uint32_t access, std::uintptr_t& handle) override;
    long queryValue(std::uintptr_t handle, const QByteArray& valueName, std::uint32_t& type,
                    char* buffer, std::uint32_t& size) override;
    long closeKey(std::uintptr_t handle) override;

    // System information tools of the common desktops, the most detailed first.
    static QStringList defaultCandidates();
    // The full path of the first candidate installed, or empty text.
    QString systemInfoProgram() const;

private:
    QStringList m_candidates;
    QStringList m_searchPaths;
};

} // namespace cw
