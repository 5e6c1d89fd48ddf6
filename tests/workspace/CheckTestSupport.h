#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show texts as text in its failure reports, not as lists of 2-byte objects.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
