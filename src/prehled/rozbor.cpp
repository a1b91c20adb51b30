#include "prehled/rozbor.h"

#include "common/katalog.h"

#include <QCollator>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <algorithm>

bool filtr_t::vyhovuje(const zaznam_t &z) const
{
    if (rocnik && z.rocnik != rocnik)
        return false;
    if (tema && z.tema != tema)
        return false;
    if (znamka >= 0 && z.znamka != znamka)
        return false;
    if (skryt_nedokoncene && !z.dokonceny())
        return false;
    if ((od.isValid() || do_.isValid()) && !z.datum.isValid())
        return false;
    if (od.isValid() && z.datum < od)
        return false;
    if (do_.isValid() && z.datum > do_)
        return false;
    return jmeno.isEmpty() || z.jmeno.contains(jmeno, Qt::CaseInsensitive);
}

QList<int> vyber(const QList<zaznam_t> &zaznamy, const filtr_t &filtr)
{
    QList<int> vysledek;
    for (int i = 0; i < zaznamy.size(); ++i)
        if (filtr.vyhovuje(zaznamy[i]))
            vysledek.append(i);
    return vysledek;
}

QStringList jmena_zaku(const QList<zaznam_t> &zaznamy)
{
    QSet<QString> jmena;
    for (const zaznam_t &z : zaznamy)
        jmena.insert(z.jmeno);
    QStringList seznam(jmena.cbegin(), jmena.cend());
    QCollator porovnani{QLocale(QLocale::Slovak, QLocale::Slovakia)};
    std::sort(seznam.begin(), seznam.end(), porovnani);
    return seznam;
}

QList<souhrn_temy_t> souhrn_temat(const QList<zaznam_t> &zaznamy, const QList<int> &vybrane, int rocnik)
{
    struct soucty_t {
        souhrn_temy_t s;
        double podily = 0;
        int s_podilem = 0;
        int znamek = 0;
    };
    // Known topics by their catalogue index; unknown ones after them by name.
    QMap<std::tuple<int, int, QString>, soucty_t> temata;
    for (int t = 1; t <= katalog_temat::pocet_temat(rocnik - 4); ++t) {
        soucty_t &s = temata[{rocnik, t, QString()}];
        s.s.rocnik = rocnik;
        s.s.tema = t;
        s.s.nazev = katalog_temat::nazev_log(rocnik - 4, t);
    }
    for (const int i : vybrane) {
        const zaznam_t &z = zaznamy[i];
        soucty_t &t = temata[{z.rocnik, z.tema ? z.tema : 1000, z.tema ? QString() : z.nazev_temy}];
        t.s.rocnik = z.rocnik;
        t.s.tema = z.tema;
        t.s.nazev = z.nazev_temy;
        ++t.s.navstev;
        ++t.s.znamky[std::clamp(z.znamka, 0, 5)];
        if (!z.dokonceny())
            continue;
        t.s.znamka += z.znamka;
        ++t.znamek;
        if (z.podil() >= 0) {
            t.podily += z.podil();
            ++t.s_podilem;
        }
    }
    QList<souhrn_temy_t> vysledek;
    for (soucty_t &t : temata) {
        t.s.podil = t.s_podilem ? t.podily / t.s_podilem : -1;
        t.s.znamka = t.znamek ? t.s.znamka / t.znamek : 0;
        vysledek.append(t.s);
    }
    return vysledek;
}

QList<int> prubeh_zaka(const QList<zaznam_t> &zaznamy, const QList<int> &vybrane, const QString &jmeno)
{
    QList<int> vysledek;
    for (const int i : vybrane)
        if (zaznamy[i].jmeno == jmeno)
            vysledek.append(i);
    std::stable_sort(vysledek.begin(), vysledek.end(), [&](int a, int b) {
        return std::pair(zaznamy[a].datum, zaznamy[a].minuty) < std::pair(zaznamy[b].datum, zaznamy[b].minuty);
    });
    return vysledek;
}
