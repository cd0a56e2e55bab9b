#pragma once
#include <QString>
#include <ostream>

// GoogleTest shows a QString as its text, not as a list of 16-bit units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
