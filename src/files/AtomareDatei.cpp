#include "files/AtomareDatei.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trv {

namespace {

namespace fs = std::filesystem;

// As the system counts them before it gives up with ELOOP.
constexpr int MaxLinks = 40;

std::string Grund(const char* was) {
    return std::string(was) + ": " + std::strerror(errno);
}

fs::path Ordner(const fs::path& datei) {
    return datei.has_parent_path() ? datei.parent_path() : fs::path(".");
}

} // namespace

const char* DateiArt(mode_t modus) {
    if (S_ISDIR(modus)) {
        return "a folder";
    }
    if (S_ISCHR(modus) || S_ISBLK(modus)) {
        return "a device";
    }
    if (S_ISFIFO(modus)) {
        return "a pipe";
    }
    if (S_ISSOCK(modus)) {
        return "a socket";
    }
    return "not a regular file";
}

std::optional<fs::path> SchreibzielAufloesen(const fs::path& ziel, std::string& fehler,
                                             int* systemfehler) {
    const auto melden = [&](int nummer) {
        if (systemfehler != nullptr) {
            *systemfehler = nummer;
        }
    };
    fs::path pfad = ziel;
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0) {
            // Not there yet (or not to be examined): writing creates it or reports why not.
            return pfad;
        }
        if (S_ISREG(st.st_mode)) {
            return pfad;
        }
        if (!S_ISLNK(st.st_mode)) {
            fehler = "the target is " + std::string(DateiArt(st.st_mode)) +
                     ", not a regular file; nothing was written";
            melden(S_ISDIR(st.st_mode) ? EISDIR : EEXIST);
            return std::nullopt;
        }
        if (links == MaxLinks) {
            fehler = "too many levels of symbolic links; nothing was written";
            melden(ELOOP);
            return std::nullopt;
        }
        std::error_code ec;
        const fs::path verweis = fs::read_symlink(pfad, ec);
        if (ec) {
            fehler = "cannot read the symbolic link: " + ec.message();
            melden(ec.value());
            return std::nullopt;
        }
        pfad = verweis.is_absolute() ? verweis : Ordner(pfad) / verweis;
    }
}

TKZwischendatei::TKZwischendatei(const fs::path& ziel) {
    const std::optional<fs::path> aufgeloest = SchreibzielAufloesen(ziel, fehler_, &systemfehler_);
    if (!aufgeloest) {
        return;
    }
    ziel_ = *aufgeloest;
    // Hidden, beside the file it replaces, so the rename stays within one file system.
    std::string name = ".";
    name.append(ziel_.filename().string()).append(".XXXXXX");
    std::string muster = (Ordner(ziel_) / name).string();
    const int fd = ::mkstemp(muster.data());
    if (fd < 0) {
        // Says where: the reason alone ("No such file or directory") names no place.
        systemfehler_ = errno;
        fehler_ = "cannot write into the folder " + Ordner(ziel_).string() + ": " +
                  std::strerror(systemfehler_);
        return;
    }
    pfad_ = muster;
    // Keep the permissions of the file being replaced; a new file gets the usual 0666 & ~umask.
    struct stat alt {};
    mode_t modus = 0;
    if (::stat(ziel_.c_str(), &alt) == 0) {
        modus = alt.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    if (::fchmod(fd, modus) != 0) {
        systemfehler_ = errno;
        fehler_ = Grund("cannot set permissions");
        ::close(fd);
        return;
    }
    fd_ = fd;
}

TKZwischendatei::~TKZwischendatei() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!pfad_.empty() && !eingesetzt_) {
        ::unlink(pfad_.c_str());
    }
}

bool TKZwischendatei::Einsetzen(std::string& fehler) {
    if (!Ok()) {
        fehler = fehler_;
        return false;
    }
    // The descriptor is that of the file another writer may have filled by name: the same
    // inode, so this flushes its data too.
    if (::fsync(fd_) != 0) {
        systemfehler_ = errno;
        fehler = Grund("fsync failed");
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        systemfehler_ = errno;
        fehler = Grund("close failed");
        return false;
    }
    if (::rename(pfad_.c_str(), ziel_.c_str()) != 0) {
        systemfehler_ = errno;
        fehler = Grund("rename failed");
        return false;
    }
    eingesetzt_ = true;
    // Make the rename itself durable; a failure here no longer endangers the old content.
    const int ordnerFd = ::open(Ordner(ziel_).c_str(), O_RDONLY | O_DIRECTORY);
    if (ordnerFd >= 0) {
        ::fsync(ordnerFd);
        ::close(ordnerFd);
    }
    return true;
}

bool DateiAtomarErzeugen(const fs::path& ziel,
                         const std::function<bool(const DateiAusgabe&)>& erzeugen,
                         std::string& fehler, int* systemfehler) {
    TKZwischendatei temp(ziel);
    int nummer = 0;
    const auto ende = [&](bool ok) {
        if (systemfehler != nullptr) {
            *systemfehler = ok ? 0 : (nummer != 0 ? nummer : temp.Systemfehler());
        }
        return ok;
    };
    if (!temp.Ok()) {
        fehler = temp.Fehler();
        return ende(false);
    }
    std::string schreibFehler;
    const DateiAusgabe ausgabe = [&temp, &schreibFehler, &nummer](std::string_view stueck) {
        const char* p = stueck.data();
        std::size_t rest = stueck.size();
        while (rest > 0) {
            const ssize_t n = ::write(temp.Fd(), p, rest);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                nummer = errno;
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
        return ende(false);
    }
    return ende(temp.Einsetzen(fehler));
}

bool DateiAtomarSchreiben(const fs::path& ziel, std::string_view inhalt, std::string& fehler,
                          int* systemfehler) {
    return DateiAtomarErzeugen(
        ziel, [inhalt](const DateiAusgabe& ausgabe) { return ausgabe(inhalt); }, fehler,
        systemfehler);
}

} // namespace trv
