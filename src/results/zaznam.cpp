#include "results/zaznam.h"

#include "common/hodiny.h"
#include "common/jmeno.h"
#include "common/katalog.h"
#include "common/soubory.h"
#include "results/zamek.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A fixed-width field of spaces in the log's encoding; texts are encoded first, then
// placed from a 1-based column and cut at the field's end, so a field never widens or
// narrows its line, whatever characters a text holds.
class pole_t
{
public:
    explicit pole_t(int sirka) : text_(sirka, ' ') {}

    void vloz(int sloupec, const QString &text)
    {
        const QByteArray bajty = do_cp1250(text);
        const int od = qMax(sloupec, 1) - 1;
        const qsizetype kolik = qMin<qsizetype>(bajty.size(), text_.size() - od);
        if (kolik > 0)
            text_.replace(od, kolik, bajty.left(kolik));
    }
    // Right-aligned so that the text ends at the column, but never left of `nejdrive`.
    void vloz_doprava(int konec, int nejdrive, const QString &text)
    {
        vloz(qMax(konec - int(do_cp1250(text).size()) + 1, nejdrive), text);
    }

    QByteArray &text() { return text_; }

private:
    QByteArray text_;
};

QByteArray radek_jmena(const spolecny_stav_t &stav, const QDateTime &kdy)
{
    pole_t jmeno(45);
    jmeno.vloz(1, QStringLiteral("Jméno:"));
    jmeno.vloz(8, jmeno_k_ulozeni(stav.jmeno_zaka));

    pole_t datum(20);
    datum.vloz(1, QStringLiteral("Datum:"));
    datum.vloz_doprava(17, 8, hodiny::kratke_datum(kdy.date()));
    datum.text().replace('.', '/');

    pole_t cas(10);
    cas.vloz(1, QStringLiteral("Čas:"));
    cas.vloz_doprava(7, 6, QString::number(kdy.time().hour()));
    cas.vloz(8, QStringLiteral(":"));
    cas.vloz(9, QStringLiteral("%1").arg(kdy.time().minute(), 2, 10, QLatin1Char('0')));

    return jmeno.text() + datum.text() + cas.text();
}

QString radek_hry(const spolecny_stav_t &stav)
{
    const QString rocnik = katalog_temat::nazev_rocniku(stav.rocnik);
    const QString tema = katalog_temat::nazev_log(stav.rocnik, stav.tema);
    if (rocnik.isEmpty() || tema.isEmpty())
        return {};
    return QStringLiteral("Hra: ") + rocnik + QStringLiteral(" - ") + tema;
}

QByteArray radek_poctu(const spolecny_stav_t &stav, int znamka)
{
    pole_t uloh(26);
    uloh.vloz(1, QStringLiteral("Počet příkladů:"));
    // A whole text has all its sentences, whatever count was chosen.
    uloh.vloz(18, QString::number(stav.pocet_vet_cviceni > 0 ? stav.pocet_vet_cviceni : stav.pocet_uloh));

    pole_t spravne(19);
    spravne.vloz(1, QStringLiteral("Správně:"));
    spravne.vloz(11, QString::number(stav.pocet_spravne));

    pole_t spatne(20);
    spatne.vloz(1, QStringLiteral("Špatně:"));
    spatne.vloz(11, QString::number(stav.pocet_spatne));

    pole_t mark(10);
    mark.vloz(1, QStringLiteral("Známka:"));
    mark.vloz(10, QString::number(znamka));

    return uloh.text() + spravne.text() + spatne.text() + mark.text();
}

QList<QByteArray> zaznam_v_bajtech(const spolecny_stav_t &stav, int znamka, const QDateTime &kdy)
{
    return {radek_jmena(stav, kdy), do_cp1250(radek_hry(stav)), radek_poctu(stav, znamka),
            QByteArray(sirka_zaznamu, '=')};
}

// Appends the bytes whole or not at all: what a failed write (a full disk) left at the end
// is cut off again. Never through a link, never to anything but a regular file.
bool pripoj(const QString &cesta, QByteArray obsah)
{
    const int fd = ::open(QFile::encodeName(cesta).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat st {
    };
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    // A log someone edited by hand may lack its last line end; the next record must still
    // start on a line of its own.
    char posledni = '\n';
    if (ok && st.st_size > 0 && ::pread(fd, &posledni, 1, st.st_size - 1) != 1)
        ok = false;
    if (posledni != '\n')
        obsah.prepend("\r\n");
    if (ok) {
        qsizetype hotovo = 0;
        while (ok && hotovo < obsah.size()) {
            const ssize_t n = ::write(fd, obsah.constData() + hotovo, size_t(obsah.size() - hotovo));
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            hotovo += qMax<ssize_t>(n, 0);
        }
        ok = ok && ::fdatasync(fd) == 0;
        if (!ok && ::ftruncate(fd, st.st_size) == 0)
            ::fdatasync(fd);
    }
    return ::close(fd) == 0 && ok;
}

} // namespace

QStringList sestav_zaznam(const spolecny_stav_t &stav, int znamka, const QDateTime &kdy)
{
    QStringList radky;
    for (const QByteArray &radek : zaznam_v_bajtech(stav, znamka, kdy))
        radky.append(z_cp1250(radek));
    return radky;
}

bool uloz_vysledky(const spolecny_stav_t &stav, int znamka)
{
    QByteArray obsah;
    for (const QByteArray &radek : zaznam_v_bajtech(stav, znamka, hodiny::ted()))
        obsah += radek + "\r\n";

    const QString cesta = spoj_cestu(stav.adresar_dat, QStringLiteral("VYSLEDKY.DAT"));
    zamek_souboru_t zamek(cesta);
    return zamek.zamkni() && pripoj(cesta, obsah);
}
