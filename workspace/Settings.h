#pragma once

#include <QString>

#include <optional>

// The settings file of the workstation: one line, the serial port name of the upload.
namespace Settings {
inline constexpr char FileName[] = "duvt3.ini";

// The first line of the file without its line end; empty when the file is missing or unreadable.
QString ReadPortName(const QString& path);
// Replaces the file with the port name and a line end, atomically. Returns why it failed.
std::optional<QString> WritePortName(const QString& path, const QString& portName);
} // namespace Settings
