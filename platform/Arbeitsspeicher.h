#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The memory this program may still take: the least of MemAvailable, the
// room left under the memory limits of its cgroup and every parent cgroup,
// and the room left under the address-space and data limits.
// Empty when none of them can be read.
std::optional<std::int64_t> verfuegbarerArbeitsspeicher();

// The parsers behind it, for texts as the kernel gives them.
// A "Key:   123 kB" line of /proc/meminfo or /proc/self/status, in bytes.
std::optional<std::int64_t> kbWertAus(const QString& text, const QString& schluessel);
// A cgroup memory limit ("max", a number, or a v1 "unlimited" huge value).
std::optional<std::int64_t> cgroupGrenzeAus(const QString& text);
// The memory-controller path of this process from /proc/self/cgroup:
// the v2 line ("0::/path") or the v1 line naming "memory".
std::optional<QString> cgroupPfadAus(const QString& selfCgroup, bool v2);
