#pragma once

#include <QApplication>

namespace trv {

// The busy cursor for the life of a long operation, restored on every way out.
class Sanduhr {
public:
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};

} // namespace trv
