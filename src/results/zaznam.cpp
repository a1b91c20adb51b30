#include "results/zaznam.h"

#include "common/hodiny.h"
#include "common/katalog.h"
#include "common/soubory.h"
#include "common/jmeno.h"
#include "results/zamek.h"

#include <QFile>

namespace
{

// A fixed-width field of spaces; texts are placed from a 1-based column and cut at the
// field's end, so a field never widens its line.
class pole_t
{
public:
    explicit pole_t(int sirka) : text_(sirka, QLatin1Char(' ')) {}

    void vloz(int sloupec, const QString &text)
    {
        const int od = qMax(sloupec, 1) - 1;
        const qsizetype kolik = qMin<qsizetype>(text.size(), text_.size() - od);
        if (kolik > 0)
            text_.replace(od, kolik, text.left(kolik));
    }
    // Right-aligned so that the text ends at the column, but never left of `nejdrive`.
    void vloz_doprava(int konec, int nejdrive, const QString &text)
    {
        vloz(qMax(konec - int(text.size()) + 1, nejdrive), text);
    }

    QString &text() { return text_; }

private:
    QString text_;
};

QString radek_jmena(const spolecny_stav_t &stav, const QDateTime &kdy)
{
    pole_t jmeno(45);
    jmeno.vloz(1, QStringLiteral("Jméno:"));
    jmeno.vloz(8, jmeno_k_ulozeni(stav.jmeno_zaka));

    pole_t datum(20);
    datum.vloz(1, QStringLiteral("Datum:"));
    datum.vloz_doprava(17, 8, hodiny::kratke_datum(kdy.date()));
    datum.text().replace(QLatin1Char('.'), QLatin1Char('/'));

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

QString radek_poctu(const spolecny_stav_t &stav, int znamka)
{
    pole_t uloh(26);
    uloh.vloz(1, QStringLiteral("Počet příkladů:"));
    uloh.vloz(18, QString::number(stav.pocet_uloh));

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

// A log someone edited by hand may lack its last line end; the next record must still
// start on a line of its own.
bool konci_radkem(QFile &soubor)
{
    const qint64 velikost = soubor.size();
    if (velikost == 0)
        return true;
    char posledni = 0;
    return soubor.seek(velikost - 1) && soubor.getChar(&posledni) && posledni == '\n';
}

} // namespace

QStringList sestav_zaznam(const spolecny_stav_t &stav, int znamka, const QDateTime &kdy)
{
    return {radek_jmena(stav, kdy), radek_hry(stav), radek_poctu(stav, znamka),
            QString(sirka_zaznamu, QLatin1Char('='))};
}

bool uloz_vysledky(const spolecny_stav_t &stav, int znamka)
{
    QByteArray obsah;
    for (const QString &radek : sestav_zaznam(stav, znamka, hodiny::ted()))
        obsah += do_cp1250(radek) + "\r\n";

    const QString cesta = spoj_cestu(stav.adresar_dat, QStringLiteral("VYSLEDKY.DAT"));
    zamek_souboru_t zamek(cesta);
    if (!zamek.zamkni())
        return false;
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    if (!konci_radkem(soubor))
        obsah.prepend("\r\n");
    if (!soubor.seek(soubor.size()) || soubor.write(obsah) != obsah.size())
        return false;
    return soubor.flush();
}
