#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Creates the one QGuiApplication of the process, on the offscreen platform
// unless QT_QPA_PLATFORM names another. Safe to call for every input.
void sichereAnwendung();

// Writes data to a file named dateiname in this process's own temporary
// folder (in /dev/shm when there is one) and returns its path. The same name
// gives the same path each time, so a run never fills the disk.
QString schreibeEingabe(const QString& dateiname, const std::uint8_t* data, std::size_t size);

// That temporary folder, for targets that put more files beside the input.
QString eingabeordner();

// With PAARLIX_FUZZ_VERBOSE set, prints what became of an input (for checking
// seeds and replaying findings); silent otherwise, so fuzzing stays fast.
void berichte(const QString& text);
