#pragma once

// Lets GoogleTest print Qt values in failure messages.

#include <QColor>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << c.name().toStdString();
}
