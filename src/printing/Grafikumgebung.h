#pragma once

#include <memory>

class QGuiApplication;

namespace trv {

// What drawing needs from Qt in a program without windows: fonts and paint engines come with
// a QGuiApplication. Without a display it runs on the offscreen platform. Made only where
// something is drawn, so the rest starts without Qt's GUI. Qt sets the process locale from
// the environment; the number conversions of the program do not depend on it, and numeric
// formatting of the C library is put back to "C" all the same. One at a time per process.
class Grafikumgebung {
public:
    Grafikumgebung();
    ~Grafikumgebung();
    Grafikumgebung(const Grafikumgebung&) = delete;
    Grafikumgebung& operator=(const Grafikumgebung&) = delete;

private:
    int argc_ = 1;
    char name_[8] = "trv-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace trv
