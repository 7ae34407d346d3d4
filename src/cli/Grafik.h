#pragma once

#include <memory>

class QGuiApplication;

namespace trv::cli {

// What a subcommand that draws needs from Qt: fonts and paint engines come with a
// QGuiApplication. Without a display it runs on the offscreen platform. Made only by the
// subcommands that draw, so the others start without Qt's GUI. Qt sets the process locale from
// the environment; the number conversions of the program do not depend on it, and numeric
// formatting of the C library is put back to "C" all the same.
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

} // namespace trv::cli
