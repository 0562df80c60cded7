#pragma once
// Finding and starting the system information program through the registry.
#include <QString>
#include <cstdint>

namespace cw {

class Context;
class Registry;

// The access mask the lookups open their keys with.
constexpr std::uint32_t KEY_LOOKUP_ACCESS = 0x2003Fu;

// Reads the value `valueName` of the key `keyName` under `root`. On success `text` receives the
// value's text (without one terminating zero) and true is returned; a value that is not text
// leaves `text` empty but still counts as found. A missing key or value, or any other
// failure, gives an empty `text` and false.
bool readRegistryText(Registry& registry, std::uint32_t root, const QString& keyName,
                      const QString& valueName, QString& text) noexcept;

// Starts the system information program named in the registry, or tells the user that it is
// unavailable.
void startSystemInformation(Context& ctx) noexcept;

} // namespace cw
