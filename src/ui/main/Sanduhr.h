#pragma once

#include <QApplication>

namespace trv {

// The busy cursor for the life of the object: restored on every path out of a command.
class Sanduhr {
public:
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

} // namespace trv
