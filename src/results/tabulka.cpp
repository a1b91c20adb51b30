#include "results/tabulka.h"

#include "common/druhy.h"
#include "common/jmeno.h"
#include "common/soubory.h"
#include "results/cisla.h"
#include "results/zamek.h"

namespace
{

bool je_hlavicka(const QByteArray &radek) { return radek.startsWith('[') && !radek.contains('|'); }

bool je_radek(const QByteArray &radek) { return radek.count('|') >= 3; }

// The share as a fraction spravne / celkem, compared exactly by cross-multiplying so that
// equal shares from different counts (4 of 5, 8 of 10) always tie.
struct podil_t {
    qint64 spravne = 0;
    qint64 celkem = 1;
};

podil_t podil(const radek_tabulky_t &r)
{
    const qint64 celkem = qint64(qMax(r.spravne, 0)) + qMax(r.spatne, 0);
    if (celkem <= 0)
        return {};
    return {qMax(r.spravne, 0), celkem};
}

bool je_vetsi(const podil_t &a, const podil_t &b) { return a.spravne * b.celkem > b.spravne * a.celkem; }

radek_tabulky_t precti_radek(const tabulka_t &tabulka, qsizetype i)
{
    if (i >= tabulka.radky_tabulky.size())
        return {};
    return rozeber_radek(z_cp1250(tabulka.radky_tabulky[i])).value_or(radek_tabulky_t{});
}

// The section of a table that is not in order, rebuilt with what can be read of it: rows
// up to the next header, unreadable ones empty.
tabulka_t zachran_sekci(const tabulka_t &poskozena, const QString &hlavicka)
{
    tabulka_t sekce;
    const qsizetype h = sekce.pridej_sekci(hlavicka);
    const qsizetype puvodni = poskozena.najdi_sekci(hlavicka);
    if (puvodni < 0)
        return sekce;
    for (qsizetype k = 0; k < radku_sekce; ++k) {
        const qsizetype i = puvodni + 1 + k;
        if (i >= poskozena.radky_tabulky.size() || je_hlavicka(poskozena.radky_tabulky[i]))
            break;
        if (const auto radek = rozeber_radek(z_cp1250(poskozena.radky_tabulky[i])))
            sekce.radky_tabulky[h + 1 + k] = do_cp1250(sestav_radek(*radek));
    }
    return sekce;
}

// Each line's own end as it stands in the file: CR LF, LF, or none for a last line.
void rozdel_konce(const QByteArray &obsah, tabulka_t &tabulka)
{
    tabulka.konce_radku.clear();
    tabulka.konce_radku.reserve(tabulka.radky_tabulky.size());
    qsizetype zacatek = 0;
    for (qsizetype i = 0; i < tabulka.radky_tabulky.size(); ++i) {
        const qsizetype konec = obsah.indexOf('\n', zacatek);
        if (konec < 0) {
            tabulka.konce_radku.append(QByteArray());
            break;
        }
        tabulka.konce_radku.append(konec > zacatek && obsah[konec - 1] == '\r' ? QByteArrayLiteral("\r\n")
                                                                               : QByteArrayLiteral("\n"));
        zacatek = konec + 1;
    }
}

} // namespace

QString hlavicka_sekce(int rocnik, int tema, druh_t druh)
{
    return QStringLiteral("[%1_%2%3]").arg(rocnik + 5).arg(tema).arg(kod_tabulky(druh));
}

QString sestav_radek(const radek_tabulky_t &radek)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(jmeno_k_ulozeni(radek.jmeno))
        .arg(radek.spravne)
        .arg(radek.spatne)
        .arg(radek.znamka);
}

std::optional<radek_tabulky_t> rozeber_radek(const QString &text)
{
    const qsizetype a = text.indexOf(QLatin1Char('|'));
    const qsizetype b = a < 0 ? -1 : text.indexOf(QLatin1Char('|'), a + 1);
    const qsizetype c = b < 0 ? -1 : text.indexOf(QLatin1Char('|'), b + 1);
    if (c < 0)
        return std::nullopt;
    const QStringView t(text);
    return radek_tabulky_t{text.left(a), cele_cislo_ze_zacatku(t.mid(a + 1, b - a - 1)),
                           cele_cislo_ze_zacatku(t.mid(b + 1, c - b - 1)), cele_cislo_ze_zacatku(t.mid(c + 1))};
}

qsizetype tabulka_t::najdi_sekci(const QString &hlavicka) const { return radky_tabulky.indexOf(do_cp1250(hlavicka)); }

qsizetype tabulka_t::pridej_sekci(const QString &hlavicka)
{
    const qsizetype h = radky_tabulky.size();
    radky_tabulky.append(do_cp1250(hlavicka));
    for (int k = 0; k < radku_sekce; ++k)
        radky_tabulky.append(QByteArrayLiteral("|0|0|0"));
    return h;
}

bool je_sekce_cela(const QList<QByteArray> &radky, qsizetype h)
{
    if (h < 0 || h + radku_sekce >= radky.size())
        return false;
    for (qsizetype k = 1; k <= radku_sekce; ++k)
        if (!je_radek(radky[h + k]))
            return false;
    return true;
}

bool je_tabulka_v_poradku(const QList<QByteArray> &radky)
{
    qsizetype i = 0;
    while (i < radky.size()) {
        if (!je_hlavicka(radky[i])) {
            ++i; // a stray line is kept as it is
            continue;
        }
        if (i + radku_sekce >= radky.size())
            return false;
        for (qsizetype k = 1; k <= radku_sekce; ++k)
            if (!je_radek(radky[i + k]))
                return false;
        i += radku_sekce + 1;
    }
    return true;
}

qsizetype setrid_tabulku(tabulka_t &tabulka, qsizetype h, const radek_tabulky_t &vysledek)
{
    if (h < 0 || h + radku_sekce >= tabulka.radky_tabulky.size())
        return -1;
    const podil_t novy = podil(vysledek);
    for (qsizetype j = h + 1; j <= h + radku_sekce; ++j) {
        const radek_tabulky_t stary = precti_radek(tabulka, j);
        const bool prazdny = stary.spravne == 0 && stary.spatne == 0;
        if (!prazdny && !je_vetsi(novy, podil(stary)))
            continue;
        tabulka.radky_tabulky.remove(h + radku_sekce);
        tabulka.radky_tabulky.insert(j, do_cp1250(sestav_radek(vysledek)));
        if (tabulka.konce_radku.size() > h + radku_sekce) {
            tabulka.konce_radku.remove(h + radku_sekce);
            tabulka.konce_radku.insert(j, QByteArrayLiteral("\r\n"));
        }
        tabulka.novy_radek = j;
        return j;
    }
    return -1;
}

bool uloz_tabulku(const QString &cesta, const tabulka_t &tabulka)
{
    QByteArray obsah;
    qsizetype delka = 0;
    for (const QByteArray &radek : tabulka.radky_tabulky)
        delka += radek.size() + 2;
    obsah.reserve(delka);
    const auto &konce = tabulka.konce_radku;
    for (qsizetype i = 0; i < tabulka.radky_tabulky.size(); ++i) {
        obsah += tabulka.radky_tabulky[i];
        obsah += i < konce.size() && !konce[i].isEmpty() ? konce[i] : QByteArrayLiteral("\r\n");
    }
    return zapis_cely_soubor(cesta, obsah);
}

zobrazeni_tabulky_t vykresli_tabulku(const tabulka_t &tabulka, qsizetype h, bool zvyraznit)
{
    zobrazeni_tabulky_t zobrazeni;
    for (int k = 0; k < radku_sekce; ++k) {
        const qsizetype j = h + 1 + k;
        zobrazeni[k].poradi = k + 1;
        zobrazeni[k].radek = precti_radek(tabulka, j);
        zobrazeni[k].cerveny = zvyraznit && j == tabulka.novy_radek;
    }
    return zobrazeni;
}

vysledek_tabulky_t nacti_tabulku(const spolecny_stav_t &stav, int znamka)
{
    const QString cesta = spoj_cestu(stav.adresar_dat, QStringLiteral("TAB.DAT"));
    const QString hlavicka = hlavicka_sekce(stav.rocnik, stav.tema, stav.druh_ulohy.value_or(druh_t::vyberovka));
    const bool hotovo = stav.vsetko_skontrolovane;

    // Only a finished exercise writes; a visit in the middle of one reads a file that is
    // only ever replaced whole, so it needs no lock.
    zamek_souboru_t zamek(cesta);
    const bool zamceno = hotovo && zamek.zamkni();

    tabulka_t tabulka;
    const precteny_soubor_t soubor = precti_soubor(cesta);
    const bool citelna = soubor.stav != precteny_soubor_t::stav_t::necitelny;
    tabulka.radky_tabulky = rozdel_radky(soubor.bajty);
    rozdel_konce(soubor.bajty, tabulka);
    qsizetype h = tabulka.najdi_sekci(hlavicka);
    // Only the exercise's own section must be whole; a damaged one elsewhere stays as it is.
    const bool v_poradku = citelna && (h < 0 || je_sekce_cela(tabulka.radky_tabulky, h));
    if (!v_poradku) {
        tabulka = zachran_sekci(tabulka, hlavicka);
        h = tabulka.najdi_sekci(hlavicka);
    }
    const bool nova_sekce = h < 0;
    if (nova_sekce)
        h = tabulka.pridej_sekci(hlavicka);
    const ulozeni_tabulky_t chyba = citelna ? ulozeni_tabulky_t::poskozena : ulozeni_tabulky_t::necitelna;
    if (!hotovo)
        return {vykresli_tabulku(tabulka, h, false), v_poradku ? ulozeni_tabulky_t::nezmenena : chyba};

    const radek_tabulky_t vysledek{stav.jmeno_zaka, stav.pocet_spravne, stav.pocet_spatne, znamka};
    const bool zmena = setrid_tabulku(tabulka, h, vysledek) >= 0 || nova_sekce;
    vysledek_tabulky_t vysledek_tabulky{vykresli_tabulku(tabulka, h, true), ulozeni_tabulky_t::nezmenena};
    if (!v_poradku)
        vysledek_tabulky.ulozeni = chyba;
    else if (!zmena)
        vysledek_tabulky.ulozeni = ulozeni_tabulky_t::nezmenena;
    else if (!zamceno || !uloz_tabulku(cesta, tabulka))
        vysledek_tabulky.ulozeni = ulozeni_tabulky_t::nelze_zapsat;
    else
        vysledek_tabulky.ulozeni = ulozeni_tabulky_t::ulozena;
    return vysledek_tabulky;
}
