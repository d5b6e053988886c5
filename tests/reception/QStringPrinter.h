#pragma once

#include <QString>
#include <ostream>

// Label, spin edit and message texts print as text, not as UTF-16 code units, when an
// expectation on them fails. Found by argument-dependent lookup, so it lives beside QString.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
