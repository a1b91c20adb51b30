#include "common/soubory.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QString chyba_systemu(int cislo) { return QString::fromLocal8Bit(std::strerror(cislo)); }

void nastav(QString *duvod, const QString &text)
{
    if (duvod)
        *duvod = text;
}

bool zapis_vse(int fd, const QByteArray &bajty)
{
    qsizetype hotovo = 0;
    while (hotovo < bajty.size()) {
        const ssize_t n = ::write(fd, bajty.constData() + hotovo, size_t(bajty.size() - hotovo));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        hotovo += n;
    }
    return true;
}

} // namespace

QString spoj_cestu(const QString &slozka, const QString &relativni)
{
    QString rel = relativni;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    QString dir = slozka;
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    if (dir.isEmpty())
        return rel;
    if (dir == QLatin1String("/"))
        return dir + rel;
    return dir + QLatin1Char('/') + rel;
}

bool existuje_soubor(const QString &cesta)
{
    if (cesta.isEmpty())
        return false;
    const QFileInfo info(cesta);
    return info.exists() && info.isFile() && !info.isHidden();
}

QString z_cp1250(const QByteArray &bajty)
{
    QStringDecoder dekoder("windows-1250", QStringDecoder::Flag::Stateless);
    if (!dekoder.isValid())
        return QString::fromLatin1(bajty);
    return dekoder.decode(bajty);
}

QByteArray do_cp1250(const QString &text)
{
    QStringEncoder koder("windows-1250", QStringEncoder::Flag::Stateless);
    if (!koder.isValid())
        return text.toLatin1();
    return koder.encode(text);
}

bool lze_v_cp1250(const QString &text)
{
    QStringEncoder koder("windows-1250", QStringEncoder::Flag::Stateless);
    const QByteArray bajty = koder.encode(text);
    return !koder.hasError() && z_cp1250(bajty) == text;
}

int otevri_pro_cteni(const QString &cesta, odkazy_t odkazy, QString *duvod, qint64 nejvic)
{
    const int priznaky = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (odkazy == odkazy_t::nesledovat ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(cesta).constData(), priznaky);
    if (fd < 0) {
        nastav(duvod, errno == ELOOP ? QStringLiteral("a link, which is not followed") : chyba_systemu(errno));
        return -1;
    }
    struct stat st {
    };
    QString proc;
    if (::fstat(fd, &st) != 0)
        proc = chyba_systemu(errno);
    else if (!S_ISREG(st.st_mode))
        proc = QStringLiteral("not a regular file");
    else if (st.st_size > nejvic)
        proc = QStringLiteral("larger than %1 bytes").arg(nejvic);
    if (proc.isEmpty())
        return fd;
    ::close(fd);
    nastav(duvod, proc);
    errno = EINVAL; // present, but not to be read
    return -1;
}

precteny_soubor_t precti_soubor(const QString &cesta, odkazy_t odkazy, qint64 nejvic)
{
    precteny_soubor_t v;
    const int fd = otevri_pro_cteni(cesta, odkazy, &v.duvod, nejvic);
    if (fd < 0) {
        v.stav = errno == ENOENT ? precteny_soubor_t::stav_t::chybi : precteny_soubor_t::stav_t::necitelny;
        return v;
    }
    // A file that grows while it is read still ends at the limit.
    char blok[65536];
    for (;;) {
        const ssize_t n = ::read(fd, blok, sizeof blok);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            v.duvod = chyba_systemu(errno);
            break;
        }
        if (n == 0) {
            v.stav = precteny_soubor_t::stav_t::precten;
            break;
        }
        v.bajty.append(blok, n);
        if (v.bajty.size() > nejvic) {
            v.duvod = QStringLiteral("larger than %1 bytes").arg(nejvic);
            break;
        }
    }
    ::close(fd);
    if (v.stav != precteny_soubor_t::stav_t::precten) {
        v.stav = precteny_soubor_t::stav_t::necitelny;
        v.bajty.clear();
    }
    return v;
}

bool zapis_cely_soubor(const QString &cesta, const QByteArray &bajty, QString *duvod)
{
    const QFileInfo info(cesta);
    int fd = -1;
    QByteArray docasny;
    for (int pokus = 0; fd < 0 && pokus < 100; ++pokus) {
        docasny =
            QFile::encodeName(spoj_cestu(info.path(), QLatin1Char('.') + info.fileName() + QLatin1Char('.') +
                                                          QString::number(QRandomGenerator::global()->generate(), 36)));
        fd = ::open(docasny.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        nastav(duvod, chyba_systemu(errno));
        return false;
    }
    // Unbuffered, and synced before the rename: a full disk shows here, never after.
    bool ok = zapis_vse(fd, bajty) && ::fdatasync(fd) == 0;
    int cislo = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        cislo = errno;
    }
    if (ok && ::rename(docasny.constData(), QFile::encodeName(cesta).constData()) != 0) {
        ok = false;
        cislo = errno;
    }
    if (!ok) {
        ::unlink(docasny.constData());
        nastav(duvod, chyba_systemu(cislo));
    }
    return ok;
}

QList<QByteArray> rozdel_radky(const QByteArray &obsah)
{
    QList<QByteArray> radky;
    qsizetype zacatek = 0;
    while (zacatek < obsah.size()) {
        qsizetype konec = obsah.indexOf('\n', zacatek);
        if (konec < 0)
            konec = obsah.size();
        QByteArray radek = obsah.mid(zacatek, konec - zacatek);
        if (radek.endsWith('\r'))
            radek.chop(1);
        radky.append(radek);
        zacatek = konec + 1;
    }
    return radky;
}

std::optional<QList<QByteArray>> nacti_radky_bajtu(const QString &cesta)
{
    const precteny_soubor_t soubor = precti_soubor(cesta);
    if (soubor.stav != precteny_soubor_t::stav_t::precten)
        return std::nullopt;
    return rozdel_radky(soubor.bajty);
}

std::optional<QStringList> nacti_radky_cp1250(const QString &cesta)
{
    const auto bajty = nacti_radky_bajtu(cesta);
    if (!bajty)
        return std::nullopt;
    QStringList radky;
    radky.reserve(bajty->size());
    for (const QByteArray &radek : *bajty)
        radky.append(z_cp1250(radek));
    return radky;
}
