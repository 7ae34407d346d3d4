#include "files/AtomareDatei.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace trv {

namespace {

// Closes the descriptor and removes the temporary unless it was handed over by rename.
class TempDatei {
public:
    TempDatei(int fd, std::string pfad) : fd_(fd), pfad_(std::move(pfad)) {}
    TempDatei(const TempDatei&) = delete;
    TempDatei& operator=(const TempDatei&) = delete;
    ~TempDatei() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!uebergeben_) {
            ::unlink(pfad_.c_str());
        }
    }
    int Fd() const { return fd_; }
    const std::string& Pfad() const { return pfad_; }
    bool Schliessen() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void Uebergeben() { uebergeben_ = true; }

private:
    int fd_;
    std::string pfad_;
    bool uebergeben_ = false;
};

std::string Grund(const char* was) {
    return std::string(was) + ": " + std::strerror(errno);
}

} // namespace

bool DateiAtomarErzeugen(const std::filesystem::path& ziel,
                         const std::function<bool(const DateiAusgabe&)>& erzeugen,
                         std::string& fehler) {
    const std::filesystem::path ordner =
        ziel.has_parent_path() ? ziel.parent_path() : std::filesystem::path(".");
    std::string muster = (ordner / ("." + ziel.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(muster.data());
    if (fd < 0) {
        fehler = Grund("cannot create a temporary file");
        return false;
    }
    TempDatei temp(fd, muster);

    // Keep the permissions of the file being replaced; a new file gets the usual 0666 & ~umask.
    struct stat alt {};
    mode_t modus = 0;
    if (::stat(ziel.c_str(), &alt) == 0) {
        modus = alt.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    if (::fchmod(temp.Fd(), modus) != 0) {
        fehler = Grund("cannot set permissions");
        return false;
    }

    std::string schreibFehler;
    const DateiAusgabe ausgabe = [&temp, &schreibFehler](std::string_view stueck) {
        const char* p = stueck.data();
        std::size_t rest = stueck.size();
        while (rest > 0) {
            const ssize_t n = ::write(temp.Fd(), p, rest);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                schreibFehler = Grund("write failed");
                return false;
            }
            p += n;
            rest -= static_cast<std::size_t>(n);
        }
        return true;
    };
    if (!erzeugen(ausgabe)) {
        fehler = schreibFehler.empty() ? std::string("the content could not be produced")
                                       : schreibFehler;
        return false;
    }
    if (::fsync(temp.Fd()) != 0) {
        fehler = Grund("fsync failed");
        return false;
    }
    if (!temp.Schliessen()) {
        fehler = Grund("close failed");
        return false;
    }
    if (::rename(temp.Pfad().c_str(), ziel.c_str()) != 0) {
        fehler = Grund("rename failed");
        return false;
    }
    temp.Uebergeben();
    // Make the rename itself durable; a failure here no longer endangers the old content.
    const int ordnerFd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY);
    if (ordnerFd >= 0) {
        ::fsync(ordnerFd);
        ::close(ordnerFd);
    }
    return true;
}

bool DateiAtomarSchreiben(const std::filesystem::path& ziel, std::string_view inhalt,
                          std::string& fehler) {
    return DateiAtomarErzeugen(
        ziel, [inhalt](const DateiAusgabe& ausgabe) { return ausgabe(inhalt); }, fehler);
}

} // namespace trv
