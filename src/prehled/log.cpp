#include "prehled/log.h"

#include "common/katalog.h"
#include "common/soubory.h"

#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <array>
#include <optional>

namespace
{

// Far beyond any classroom's log (100,000 visits take 31 MB); a bigger "log" is not one.
constexpr qint64 nejvetsi_log = 1024LL * 1024 * 1024;
// The pupils' program holds the lock for milliseconds; a teacher never waits long.
constexpr int cekani_na_zamek_ms = 3000;
constexpr int stari_opusteneho_ms = 10000;

// The date's numbers and which of them is the year: "7/12/2026" and "12/7/26" leave day
// and month to the log's other records, "2026-12-07" says it all.
struct cisla_data_t {
    std::array<int, 3> c{};
    bool rok_prvni = false;
    bool platne = false;
};

cisla_data_t rozeber_datum(QStringView text)
{
    cisla_data_t d;
    int n = 0;
    int cifer_prvniho = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!text[i].isDigit()) {
            ++i;
            continue;
        }
        if (n == 3)
            return d;
        int hodnota = 0;
        int cifer = 0;
        for (; i < text.size() && text[i].isDigit() && cifer < 5; ++i, ++cifer)
            hodnota = hodnota * 10 + text[i].digitValue();
        if (n == 0)
            cifer_prvniho = cifer;
        d.c[n++] = hodnota;
    }
    if (n != 3)
        return d;
    d.rok_prvni = cifer_prvniho == 4;
    int &rok = d.rok_prvni ? d.c[0] : d.c[2];
    if (rok < 100)
        rok += 2000;
    d.platne = true;
    return d;
}

QDate datum_z(const cisla_data_t &d, bool mesic_prvni)
{
    if (!d.platne)
        return {};
    if (d.rok_prvni)
        return QDate(d.c[0], d.c[1], d.c[2]);
    const bool den_prvni = d.c[0] > 12 || (d.c[1] <= 12 && !mesic_prvni);
    return den_prvni ? QDate(d.c[2], d.c[1], d.c[0]) : QDate(d.c[2], d.c[0], d.c[1]);
}

// A whole number and nothing else (blanks around it allowed).
bool cislo(QStringView text, int &vysledek)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 9)
        return false;
    int h = 0;
    for (const QChar c : text) {
        if (!c.isDigit())
            return false;
        h = h * 10 + c.digitValue();
    }
    vysledek = h;
    return true;
}

const QString stitek_jmena = QStringLiteral("Jméno:");
const QString stitek_data = QStringLiteral("Datum:");
const QString stitek_casu = QStringLiteral("Čas:");
const QString stitek_hry = QStringLiteral("Hra: ");
const QString stitek_uloh = QStringLiteral("Počet příkladů:");
const QString stitek_spravne = QStringLiteral("Správně:");
const QString stitek_spatne = QStringLiteral("Špatně:");
const QString stitek_znamky = QStringLiteral("Známka:");

// The name field takes whatever the name holds; date and time are found from the line's end,
// so a name with "Datum:" in it or a line a character short or long still reads.
bool rozeber_hlavicku(const QString &radek, zaznam_t &z, QStringView &datum)
{
    if (!radek.startsWith(stitek_jmena))
        return false;
    const qsizetype c = radek.lastIndexOf(stitek_casu);
    const qsizetype d = c < 0 ? -1 : radek.lastIndexOf(stitek_data, c);
    if (d < stitek_jmena.size())
        return false;
    const QStringView cas = QStringView(radek).mid(c + stitek_casu.size()).trimmed();
    const qsizetype dvojtecka = cas.indexOf(QLatin1Char(':'));
    int hodina = 0, minuta = 0;
    if (dvojtecka < 0 || !cislo(cas.left(dvojtecka), hodina) || !cislo(cas.mid(dvojtecka + 1), minuta) || hodina > 23 ||
        minuta > 59)
        return false;
    z.minuty = hodina * 60 + minuta;
    datum = QStringView(radek).mid(d + stitek_data.size(), c - d - stitek_data.size()).trimmed();
    z.jmeno = radek.mid(stitek_jmena.size(), d - stitek_jmena.size()).trimmed();
    return true;
}

bool rozeber_pocty(const QString &radek, zaznam_t &z)
{
    if (!radek.startsWith(stitek_uloh))
        return false;
    const qsizetype a = stitek_uloh.size();
    const qsizetype b = radek.indexOf(stitek_spravne, a);
    const qsizetype c = b < 0 ? -1 : radek.indexOf(stitek_spatne, b);
    const qsizetype d = c < 0 ? -1 : radek.indexOf(stitek_znamky, c);
    if (d < 0)
        return false;
    const QStringView r(radek);
    return cislo(r.mid(a, b - a), z.uloh) &&
           cislo(r.mid(b + stitek_spravne.size(), c - b - stitek_spravne.size()), z.spravne) &&
           cislo(r.mid(c + stitek_spatne.size(), d - c - stitek_spatne.size()), z.spatne) &&
           cislo(r.mid(d + stitek_znamky.size()), z.znamka);
}

bool je_oddelovac(const QString &radek)
{
    const QStringView r = QStringView(radek).trimmed();
    if (r.size() < 10)
        return false;
    for (const QChar c : r)
        if (c != QLatin1Char('='))
            return false;
    return true;
}

struct hra_t {
    int rocnik = 0;
    int tema = 0;
    QString nazev;
};

// "Hra: 7. ročník - Číslovky"; an empty line is a record without a topic.
std::optional<hra_t> rozeber_hru(const QString &radek)
{
    hra_t h;
    if (radek.trimmed().isEmpty())
        return h;
    if (!radek.startsWith(stitek_hry))
        return std::nullopt;
    const QString text = radek.mid(stitek_hry.size());
    const qsizetype pomlcka = text.indexOf(QStringLiteral(" - "));
    const qsizetype tecka = text.indexOf(QStringLiteral(". ročník"));
    if (pomlcka < 0 || tecka < 0 || tecka > pomlcka || !cislo(QStringView(text).left(tecka), h.rocnik))
        return std::nullopt;
    h.nazev = text.mid(pomlcka + 3).trimmed();
    const int index = h.rocnik - 4;
    for (int t = 1; t <= katalog_temat::pocet_temat(index); ++t)
        if (katalog_temat::nazev_log(index, t) == h.nazev)
            h.tema = t;
    return h;
}

// One copy of each of the few distinct names, dates and topics of a big log.
QString spolecny(QHash<QString, QString> &texty, const QString &text)
{
    auto it = texty.constFind(text);
    if (it == texty.cend())
        it = texty.insert(text, text);
    return it.value();
}

} // namespace

double zaznam_t::podil() const
{
    const int polozek = spravne + spatne;
    return polozek > 0 ? double(spravne) / polozek : -1.0;
}

QDateTime zaznam_t::kdy() const { return QDateTime(datum, QTime(minuty / 60, minuty % 60)); }

nacteny_log_t rozeber_log(const QByteArray &obsah)
{
    nacteny_log_t log;
    // Whole lines only: what follows the last line end is still being written. Lines are
    // decoded when a record needs them, so a big log never stands in memory twice.
    const qsizetype konec = obsah.lastIndexOf('\n') + 1;
    QList<qsizetype> zacatky;
    zacatky.reserve(obsah.count('\n') + 1);
    for (qsizetype z = 0; z < konec; z = obsah.indexOf('\n', z) + 1)
        zacatky.append(z);
    zacatky.append(konec);
    if (konec < obsah.size() && !obsah.sliced(konec).trimmed().isEmpty())
        ++log.preskocene_radky;
    static const std::array<QChar, 256> znaky = [] {
        std::array<QChar, 256> z;
        QByteArray vse(256, 0);
        for (int b = 0; b < 256; ++b)
            vse[b] = char(b);
        const QString text = z_cp1250(vse);
        for (int b = 0; b < 256; ++b)
            z[b] = text.size() == 256 ? text[b] : QChar(b);
        return z;
    }();
    struct radky_t {
        const QByteArray &obsah;
        const QList<qsizetype> &zacatky;
        qsizetype size() const { return zacatky.size() - 1; }
        QString operator[](qsizetype i) const
        {
            qsizetype delka = zacatky[i + 1] - 1 - zacatky[i];
            if (delka > 0 && obsah[zacatky[i] + delka - 1] == '\r')
                --delka;
            QString text(delka, Qt::Uninitialized);
            const auto *b = reinterpret_cast<const uchar *>(obsah.constData() + zacatky[i]);
            for (qsizetype k = 0; k < delka; ++k)
                text[k] = znaky[b[k]];
            return text;
        }
    } radky{obsah, zacatky};

    QHash<QString, QString> texty;
    QHash<QString, hra_t> hry;
    QList<cisla_data_t> data;
    int den_prvni = 0, mesic_prvni = 0;
    for (qsizetype i = 0; i < radky.size();) {
        zaznam_t z;
        QStringView datum;
        std::optional<hra_t> hra;
        const QString hlavicka = radky[i];
        if (i + 3 < radky.size() && rozeber_hlavicku(hlavicka, z, datum) && rozeber_pocty(radky[i + 2], z) &&
            je_oddelovac(radky[i + 3])) {
            const QString radek_hry = radky[i + 1];
            auto it = hry.constFind(radek_hry);
            if (it == hry.cend())
                if (const auto h = rozeber_hru(radek_hry))
                    it = hry.insert(radek_hry, *h);
            if (it != hry.cend())
                hra = it.value();
        }
        if (!hra) {
            if (!hlavicka.trimmed().isEmpty())
                ++log.preskocene_radky;
            ++i;
            continue;
        }
        z.rocnik = hra->rocnik;
        z.tema = hra->tema;
        z.nazev_temy = spolecny(texty, hra->nazev);
        z.jmeno = spolecny(texty, z.jmeno);
        z.datum_text = spolecny(texty, datum.toString());
        const cisla_data_t d = rozeber_datum(datum);
        if (d.platne && !d.rok_prvni) {
            den_prvni += d.c[0] > 12 && d.c[1] <= 12;
            mesic_prvni += d.c[1] > 12 && d.c[0] <= 12;
        }
        data.append(d);
        log.zaznamy.append(std::move(z));
        i += 4;
    }
    // Day and month in the order the log's unambiguous dates show; the Slovak order when
    // none does.
    for (qsizetype k = 0; k < log.zaznamy.size(); ++k)
        log.zaznamy[k].datum = datum_z(data[k], mesic_prvni > den_prvni);
    return log;
}

nacteny_log_t nacti_log(const QString &cesta)
{
    nacteny_log_t log;
    const QFileInfo info(cesta);
    if (!info.exists()) {
        log.chybi = true;
        log.chyba = QStringLiteral("Súbor výsledkov %1 neexistuje.").arg(cesta);
        return log;
    }
    if (!info.isFile() || info.size() > nejvetsi_log) {
        log.chyba = QStringLiteral("%1 nie je súbor výsledkov.").arg(cesta);
        return log;
    }
    QByteArray obsah;
    {
        // Without the lock (a read-only folder) a record being appended is still never
        // shown half: rozeber_log takes whole records only.
        QLockFile zamek(cesta + QStringLiteral(".lock"));
        zamek.setStaleLockTime(stari_opusteneho_ms);
        const bool zamceno = zamek.tryLock(cekani_na_zamek_ms);
        // Read as the program reads its data files: another user of a shared folder may put
        // a pipe or a link under the name after the look above.
        precteny_soubor_t soubor = precti_soubor(cesta, odkazy_t::nesledovat, nejvetsi_log);
        obsah = std::move(soubor.bajty);
        if (soubor.stav != precteny_soubor_t::stav_t::precten) {
            log.chyba = QStringLiteral("Súbor výsledkov %1 sa nedá prečítať.").arg(cesta);
            return log;
        }
        if (zamceno)
            zamek.unlock();
    }
    return rozeber_log(obsah);
}

QString cesta_logu(const QString &cesta)
{
    if (QFileInfo(cesta).isDir())
        return spoj_cestu(cesta, QStringLiteral("VYSLEDKY.DAT"));
    return cesta;
}
