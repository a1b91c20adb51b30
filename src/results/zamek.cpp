#include "results/zamek.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A lock file that cannot be opened is abandoned when it is this old; every holder lets
// go within milliseconds. Clocks of a classroom's computers must agree to this degree.
constexpr int stari_opusteneho_s = 10;
constexpr int nejdelsi_cekani_ms = 3000;

enum class stav_zamku_t { volno, drzeny, nelze };

// Removes what stands under the lock's name when it is not a lock anybody holds.
stav_zamku_t uvolni_opusteny(const QByteArray &cesta)
{
    struct stat st {
    };
    if (::lstat(cesta.constData(), &st) != 0)
        return errno == ENOENT ? stav_zamku_t::volno : stav_zamku_t::nelze;
    if (S_ISDIR(st.st_mode))
        return ::rmdir(cesta.constData()) == 0 ? stav_zamku_t::volno : stav_zamku_t::nelze;
    if (!S_ISREG(st.st_mode))
        return ::unlink(cesta.constData()) == 0 ? stav_zamku_t::volno : stav_zamku_t::nelze;

    const bool stary = std::time(nullptr) - st.st_mtime > stari_opusteneho_s;
    int fd = ::open(cesta.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fd = ::open(cesta.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return stav_zamku_t::volno;
        if (!stary)
            return stav_zamku_t::drzeny;
        return ::unlink(cesta.constData()) == 0 || errno == ENOENT ? stav_zamku_t::volno : stav_zamku_t::nelze;
    }
    stav_zamku_t stav = stav_zamku_t::drzeny;
    struct stat otevreny {
    };
    // A holder writes its name under the kernel lock; an empty file may be one just made.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &otevreny) == 0 && (otevreny.st_size > 0 || stary)) {
        // Still the same file under the name: nobody took it over meanwhile.
        struct stat ted {
        };
        if (::lstat(cesta.constData(), &ted) != 0 || ted.st_ino != otevreny.st_ino || ted.st_dev != otevreny.st_dev)
            stav = stav_zamku_t::volno;
        else
            stav = ::unlink(cesta.constData()) == 0 ? stav_zamku_t::volno : stav_zamku_t::nelze;
    } else if (stary && errno != EWOULDBLOCK) {
        stav = ::unlink(cesta.constData()) == 0 ? stav_zamku_t::volno : stav_zamku_t::nelze;
    }
    ::close(fd);
    return stav;
}

} // namespace

zamek_souboru_t::zamek_souboru_t(const QString &soubor) : cesta_(QFile::encodeName(soubor + QStringLiteral(".lock"))) {}

zamek_souboru_t::~zamek_souboru_t()
{
    if (fd_ < 0)
        return;
    ::unlink(cesta_.constData());
    ::close(fd_);
}

bool zamek_souboru_t::zamkni()
{
    if (fd_ >= 0)
        return true;
    QElapsedTimer cekani;
    cekani.start();
    int prevzeti = 0;
    for (;;) {
        const int fd = ::open(cesta_.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                const QByteArray kdo =
                    QByteArray::number(::getpid()) + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
                if (::write(fd, kdo.constData(), size_t(kdo.size())) == kdo.size()) {
                    fd_ = fd;
                    return true;
                }
            }
            ::unlink(cesta_.constData());
            ::close(fd);
            return false;
        }
        if (errno != EEXIST)
            return false;
        switch (uvolni_opusteny(cesta_)) {
        case stav_zamku_t::volno:
            if (++prevzeti < 100)
                continue;
            return false;
        case stav_zamku_t::nelze: return false;
        case stav_zamku_t::drzeny: break;
        }
        if (cekani.elapsed() > nejdelsi_cekani_ms)
            return false;
        QThread::msleep(5 + ::getpid() % 11);
    }
}
