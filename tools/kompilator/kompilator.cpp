#include "kompilator.h"
#include "korektura.h"

#include "common/katalog.h"
#include "common/soubory.h"
#include "data/kontejner.h"
#include "data/losovani.h"
#include "data/znacky.h"
#include "results/cisla.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

namespace
{

struct zdroj_t {
    QString cesta;     // as reported in messages
    QStringList radky; // without line ends
    bool nacten = false;
};

zdroj_t nacti_zdroj(const QString &obsah, const QString &relativni)
{
    zdroj_t z;
    z.cesta = QStringLiteral("content/") + relativni;
    QFile f(spoj_cestu(obsah, relativni));
    if (!f.open(QIODevice::ReadOnly))
        return z;
    QString text = QString::fromUtf8(f.readAll());
    text.remove(QLatin1Char('\r'));
    z.radky = text.split(QLatin1Char('\n'));
    if (!z.radky.isEmpty() && z.radky.last().isEmpty())
        z.radky.removeLast();
    z.nacten = true;
    return z;
}

class kompilace_t
{
public:
    explicit kompilace_t(const nastaveni_kompilace_t &n) : n_(n) {}

    vysledek_kompilace_t proved();

private:
    void chyba(const zdroj_t &z, int radek, const QString &duvod)
    {
        v_.chyby.append(QStringLiteral("%1:%2: %3").arg(z.cesta).arg(radek).arg(duvod));
    }
    bool zkontroluj_znaky(const zdroj_t &z, int cislo, const QString &radek);
    bool zkontroluj_hlavicku(const zdroj_t &z, const QString &klic, bool *souvisly);
    void zpracuj_vety(const QString &klic);
    void zpracuj_vyjimky(const QString &klic);
    void zpracuj_znamky();
    void proved_korekturu_obsahu();
    void zkontroluj_nezname_soubory(const QString &slozka);
    bool zapis(const QString &nazev, const QList<QByteArray> &radky);

    const nastaveni_kompilace_t &n_;
    vysledek_kompilace_t v_;
    QList<QByteArray> verbano_;
    QList<QByteArray> vyjimky_;
    QList<QByteArray> znamky_;
    QHash<QString, QSet<int>> cisla_vet_;
    QHash<QString, int> index_souhrnu_;
    QList<veta_korektury_t> ke_korekture_;
};

bool kompilace_t::zkontroluj_znaky(const zdroj_t &z, int cislo, const QString &radek)
{
    // The program takes a line that starts with "[" for a section header, and the first
    // line holding "[" and a section's key anywhere for that section's header.
    if (radek.contains(QLatin1Char('['))) {
        chyba(z, cislo, QStringLiteral("a \"[\" would be read as a section header of the data file"));
        return false;
    }
    for (const QChar c : radek) {
        if (c.unicode() < 32) {
            chyba(z, cislo, QStringLiteral("a control character (code %1)").arg(c.unicode()));
            return false;
        }
    }
    if (!lze_v_cp1250(radek)) {
        QString spatne;
        for (const QChar c : radek)
            if (!lze_v_cp1250(QString(c)))
                spatne += c;
        chyba(z, cislo, QStringLiteral("characters that Windows-1250 cannot hold: \"%1\"").arg(spatne));
        return false;
    }
    return true;
}

bool kompilace_t::zkontroluj_hlavicku(const zdroj_t &z, const QString &klic, bool *souvisly)
{
    const QString obycejna = QLatin1Char('[') + klic + QLatin1Char(']');
    if (z.radky.isEmpty()) {
        chyba(z, 1, QStringLiteral("the file is empty; its first line must be %1").arg(obycejna));
        return false;
    }
    const QString &h = z.radky.first();
    if (h == obycejna) {
        *souvisly = false;
        return true;
    }
    if (h == obycejna + QStringLiteral("abc")) {
        *souvisly = true;
        return true;
    }
    chyba(z, 1, QStringLiteral("the header must be %1 (or %1abc for whole texts), not \"%2\"").arg(obycejna, h));
    return false;
}

void kompilace_t::zpracuj_vety(const QString &klic)
{
    const zdroj_t z = nacti_zdroj(n_.obsah, QStringLiteral("vety/%1.txt").arg(klic));
    if (!z.nacten)
        return;
    bool souvisly = false;
    if (!zkontroluj_hlavicku(z, klic, &souvisly))
        return;
    vysledek_kompilace_t::souhrn_t souhrn;
    souhrn.klic = klic;
    souhrn.souvisly = souvisly;
    QList<QByteArray> vystup{z.radky.first().toLatin1()};
    QSet<int> cisla;
    for (int i = 1; i < z.radky.size(); ++i) {
        const QString &radek = z.radky[i];
        const int cislo_radku = i + 1;
        if (radek.isEmpty()) {
            chyba(z, cislo_radku, QStringLiteral("an empty line"));
            continue;
        }
        if (!zkontroluj_znaky(z, cislo_radku, radek))
            continue;
        if (const auto duvod = chyba_radku(radek) ? chyba_radku(radek) : proc_vynechat(radek)) {
            chyba(z, cislo_radku, *duvod);
            continue;
        }
        const int cislo = cislo_vety(radek);
        if (cisla.contains(cislo))
            chyba(z, cislo_radku, QStringLiteral("sentence number %1 is used twice").arg(cislo));
        cisla.insert(cislo);
        const int polozek = static_cast<int>(polozky_vety(radek).size());
        if (polozek == 0)
            chyba(z, cislo_radku, QStringLiteral("the sentence has no item: a choice or fill-in exercise needs one"));
        souhrn.polozek += polozek;
        if (souvisly) {
            const int poradi = i - 1;
            const int ocekavane = (poradi / 10 + 1) * 10 + poradi % 10;
            if (cislo != ocekavane)
                chyba(z, cislo_radku,
                      QStringLiteral("whole texts run *10 … *19, *20 … *29, …: this line should carry *%1, not *%2")
                          .arg(ocekavane)
                          .arg(cislo));
        } else if (cislo < 1) {
            chyba(z, cislo_radku, QStringLiteral("sentence numbers start at 1"));
        }
        for (const kontrola_vety_t &kontrola : n_.kontroly_vet)
            for (const QString &duvod : kontrola(klic, radek))
                chyba(z, cislo_radku, duvod);
        vystup.append(do_cp1250(radek));
        ke_korekture_.append({klic, QStringLiteral("%1:%2").arg(z.cesta).arg(cislo_radku), radek, false});
        ++souhrn.vet;
    }
    if (souvisly) {
        if (souhrn.vet == 0 || souhrn.vet % 10 != 0)
            chyba(z, static_cast<int>(z.radky.size()),
                  QStringLiteral("a whole-text section holds whole texts of ten sentences; it has %1 sentences")
                      .arg(souhrn.vet));
        souhrn.textu = souhrn.vet / 10;
    } else if (souhrn.vet == 0) {
        chyba(z, 1, QStringLiteral("the section has no sentences"));
    }
    cisla_vet_.insert(klic, cisla);
    index_souhrnu_.insert(klic, static_cast<int>(v_.souhrn.size()));
    v_.souhrn.append(souhrn);
    verbano_ += vystup;
}

void kompilace_t::zpracuj_vyjimky(const QString &klic)
{
    const zdroj_t z = nacti_zdroj(n_.obsah, QStringLiteral("vyjimky/%1.txt").arg(klic));
    if (!z.nacten)
        return;
    if (!cisla_vet_.contains(klic)) {
        chyba(z, 1, QStringLiteral("exceptions for a topic that has no sentences"));
        return;
    }
    bool souvisly = false;
    if (!zkontroluj_hlavicku(z, klic, &souvisly))
        return;
    QList<QByteArray> vystup{z.radky.first().left(klic.size() + 2).toLatin1()};
    int pocet = 0;
    for (int i = 1; i < z.radky.size(); ++i) {
        const QString &radek = z.radky[i];
        const int cislo_radku = i + 1;
        if (!zkontroluj_znaky(z, cislo_radku, radek))
            continue;
        const qsizetype hvezdicka = radek.indexOf(QLatin1Char('*'));
        if (hvezdicka <= 0) {
            chyba(z, cislo_radku,
                  QStringLiteral("an exception is the accepted sentence, \"*\" and the sentence number"));
            continue;
        }
        const QString text = radek.left(hvezdicka);
        const QString cislo = radek.mid(hvezdicka + 1);
        bool ciselne = !cislo.isEmpty();
        for (const QChar c : cislo)
            ciselne = ciselne && c >= u'0' && c <= u'9';
        if (!ciselne) {
            chyba(z, cislo_radku, QStringLiteral("the sentence number \"%1\" is not a number").arg(cislo));
            continue;
        }
        if (!cisla_vet_.value(klic).contains(cislo.toInt()))
            chyba(z, cislo_radku, QStringLiteral("there is no sentence %1 in this topic").arg(cislo));
        static const QString znacky = QStringLiteral("<>#~^") + znak_oddelovac_radku;
        for (const QChar c : text)
            if (znacky.contains(c))
                chyba(z, cislo_radku,
                      QStringLiteral("an exception is a plain sentence without markup (\"%1\")").arg(c));
        for (const kontrola_vyjimky_t &kontrola : n_.kontroly_vyjimek)
            for (const QString &duvod : kontrola(text))
                chyba(z, cislo_radku, duvod);
        vystup.append(do_cp1250(radek));
        ke_korekture_.append({klic, QStringLiteral("%1:%2").arg(z.cesta).arg(cislo_radku), text, true});
        ++pocet;
    }
    v_.souhrn[index_souhrnu_.value(klic)].vyjimek = pocet;
    vyjimky_ += vystup;
}

void kompilace_t::zpracuj_znamky()
{
    const zdroj_t z = nacti_zdroj(n_.obsah, QStringLiteral("ZNAMKY.txt"));
    if (!z.nacten) {
        v_.chyby.append(QStringLiteral("content/ZNAMKY.txt: the mark bands are missing"));
        return;
    }
    struct pasmo_t {
        double od, po;
    };
    QList<pasmo_t> pasma;
    for (int i = 0; i < z.radky.size(); ++i) {
        const QStringList pole = z.radky[i].split(QLatin1Char('|'));
        // Plain decimals only, read as the program reads them: "1e2" or "inf" would mean
        // one thing here and another there.
        static const QRegularExpression desetinne(QStringLiteral("^ *[0-9]+(\\.[0-9]+)? *$"));
        if (pole.size() == 3 &&
            std::all_of(pole.begin(), pole.end(), [](const QString &p) { return desetinne.match(p).hasMatch(); })) {
            const double od = cislo_ze_zacatku(pole[0]);
            const double po = cislo_ze_zacatku(pole[1]);
            const double znamka = cislo_ze_zacatku(pole[2]);
            if (od <= po && znamka >= 1 && znamka <= 5 && znamka == std::round(znamka)) {
                pasma.append({od, po});
                znamky_.append(z.radky[i].toLatin1());
                continue;
            }
        }
        chyba(z, i + 1, QStringLiteral("a band is lower|upper|mark, with lower ≤ upper and a mark 1 to 5"));
    }
    for (int promile = 0; promile <= 1000; ++promile) {
        const double p = promile / 10.0;
        const bool pokryto =
            std::any_of(pasma.begin(), pasma.end(), [p](const pasmo_t &b) { return b.od <= p && p <= b.po; });
        if (!pokryto) {
            chyba(z, 1, QStringLiteral("no band covers %1 %").arg(p));
            break;
        }
    }
}

void kompilace_t::zkontroluj_nezname_soubory(const QString &slozka)
{
    QSet<QString> zname;
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
            zname.insert(cislo_ulohy(r, t) + QStringLiteral(".txt"));
    const QDir dir(spoj_cestu(n_.obsah, slozka));
    for (const QString &nazev : dir.entryList(QDir::Files))
        if (!zname.contains(nazev))
            v_.chyby.append(QStringLiteral("content/%1/%2:1: not a topic of the catalogue").arg(slozka, nazev));
}

void kompilace_t::proved_korekturu_obsahu()
{
    const zdroj_t slovnik = nacti_zdroj(n_.obsah, QStringLiteral("slovnik.txt"));
    const vysledek_korektury_t k = proved_korekturu(ke_korekture_, slovnik.radky, slovnik.cesta, n_.hunspell);
    v_.chyby += k.chyby;
    for (const auto &varovani : k.varovani) {
        v_.varovani.append(varovani.zprava);
        ++v_.souhrn[index_souhrnu_.value(varovani.klic)].varovani;
    }
    v_.slov_pravopisu = k.slov;
    v_.ms_pravopisu = k.ms_pravopisu;
}

bool kompilace_t::zapis(const QString &nazev, const QList<QByteArray> &radky)
{
    QByteArray obsah;
    for (const QByteArray &radek : radky)
        obsah += radek + "\r\n";
    const QString cesta = spoj_cestu(n_.vystup, nazev);
    QString duvod;
    if (zapis_cely_soubor(cesta, obsah, &duvod))
        return true;
    v_.chyby.append(QStringLiteral("%1: cannot write (%2)").arg(cesta, duvod));
    return false;
}

vysledek_kompilace_t kompilace_t::proved()
{
    zkontroluj_nezname_soubory(QStringLiteral("vety"));
    zkontroluj_nezname_soubory(QStringLiteral("vyjimky"));
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
            zpracuj_vety(cislo_ulohy(r, t));
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
            zpracuj_vyjimky(cislo_ulohy(r, t));
    zpracuj_znamky();
    proved_korekturu_obsahu();
    if (!v_.ok() || n_.vystup.isEmpty())
        return v_;
    if (!QDir().mkpath(n_.vystup)) {
        v_.chyby.append(QStringLiteral("%1: cannot create the data folder").arg(n_.vystup));
        return v_;
    }
    QList<QByteArray> zakodovane;
    for (const QByteArray &radek : verbano_)
        zakodovane.append(zakoduj_radek(radek));
    QList<QByteArray> zakodovane_vyjimky;
    for (const QByteArray &radek : vyjimky_)
        zakodovane_vyjimky.append(zakoduj_radek(radek));
    zapis(QStringLiteral("VERBANO2.DAT"), zakodovane) && zapis(QStringLiteral("VYJIMKY.DAT"), zakodovane_vyjimky) &&
        zapis(QStringLiteral("ZNAMKY.DAT"), znamky_);
    return v_;
}

} // namespace

vysledek_kompilace_t kompiluj(const nastaveni_kompilace_t &nastaveni) { return kompilace_t(nastaveni).proved(); }
