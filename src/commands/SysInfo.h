#pragma once
// Finding and starting the system information program through the registry.
#include <QString>
#include <cstdint>

namespace cw {

class Context;
class Registry;

// The access mask the lookups open their keys with.
constexpr std::uint32_t KEY_LOOKUP_ACCESS = 0x2003Fu;

// Reads the value SubKeyRef of the key KeyName under KeyRoot. On success KeyVal receives the
// value's text (without one terminating zero) and true is returned; a value that is not text
// leaves KeyVal empty but still counts as found. A missing key or value, or any other
// failure, gives an empty KeyVal and false.
bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal) noexcept;

// Starts the system information program named in the registry, or tells the user that it is
// unavailable.
void StartSysInfo(Context& ctx) noexcept;

} // namespace cw
