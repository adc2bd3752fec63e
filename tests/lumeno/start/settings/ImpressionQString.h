#pragma once

#include <QString>

#include <ostream>

// Readable QString values in the failure messages of these tests.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
