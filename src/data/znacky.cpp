#include "data/znacky.h"

#include "common/nahoda.h"

#include <algorithm>

QString text_vety(const QString &radek)
{
    const qsizetype hvezdicka = radek.indexOf(QLatin1Char('*'));
    return hvezdicka < 0 ? radek : radek.left(hvezdicka);
}

int cislo_vety(const QString &radek)
{
    const qsizetype hvezdicka = radek.indexOf(QLatin1Char('*'));
    if (hvezdicka < 0)
        return 0;
    qsizetype i = hvezdicka + 1;
    while (i < radek.size() && radek[i] == QLatin1Char(' '))
        ++i;
    long long hodnota = 0;
    for (; i < radek.size() && radek[i].isDigit() && radek[i].unicode() < 128; ++i) {
        hodnota = hodnota * 10 + (radek[i].unicode() - '0');
        if (hodnota > 1000000000)
            break;
    }
    return static_cast<int>(hodnota);
}

QString cislo_vety_text(const QString &radek) { return QString::number(cislo_vety(radek)); }

QStringList polozka_t::tvary() const
{
    QStringList vysledek{a};
    vysledek += alternativy;
    return vysledek;
}

QString polozka_t::nahodny_tvar(nahoda_t &generator) const
{
    const QStringList moznosti = tvary();
    generator.preseduj_z_hodin();
    return moznosti.at(generator.index_od_1(static_cast<int>(moznosti.size())) - 1);
}

std::optional<polozka_t> precti_polozku(const QString &text, qsizetype p)
{
    if (p < 0 || p >= text.size() || text[p] != QLatin1Char('<'))
        return std::nullopt;
    const qsizetype h = text.indexOf(QLatin1Char('#'), p);
    const qsizetype g = text.indexOf(QLatin1Char('>'), p);
    if (h < 0 || g < 0 || g < h)
        return std::nullopt;
    polozka_t polozka;
    polozka.zacatek = p;
    polozka.konec = g;
    const QString spravna = text.mid(p + 1, h - p - 1);
    const qsizetype strizka = spravna.indexOf(QLatin1Char('^'));
    if (strizka < 0) {
        polozka.a = spravna;
    } else {
        polozka.a = spravna.left(strizka);
        polozka.b = spravna.mid(strizka + 1);
    }
    const QString alternativy = text.mid(h + 1, g - h - 1);
    if (!alternativy.contains(QLatin1Char('~')))
        polozka.alternativy = {alternativy == QLatin1String(" ") ? QString() : alternativy};
    else
        polozka.alternativy = alternativy.split(QLatin1Char('~'));
    return polozka;
}

QList<cast_vety_t> rozloz_vetu(const QString &text)
{
    QList<cast_vety_t> casti;
    casti.reserve(text.size());
    for (qsizetype j = 0; j < text.size(); ++j) {
        cast_vety_t cast;
        cast.pozice = j;
        const QChar z = text[j];
        if (z == QLatin1Char('<')) {
            if (auto polozka = precti_polozku(text, j)) {
                cast.druh = cast_vety_t::druh_t::polozka;
                cast.polozka = std::move(*polozka);
                j = cast.polozka.konec;
                casti.append(std::move(cast));
                continue;
            }
        }
        if (z == znak_oddelovac_radku) {
            cast.druh = cast_vety_t::druh_t::novy_radek;
        } else {
            cast.znak = z;
        }
        casti.append(std::move(cast));
    }
    return casti;
}

QString odstran_oddelovace_radku(const QString &zdroj)
{
    QString vysledek = zdroj;
    vysledek.remove(znak_oddelovac_radku);
    return vysledek;
}

vypsane_vety_t vypis_vety(const QString &radek, nahoda_t &generator)
{
    vypsane_vety_t v;
    const QString text = text_vety(radek);
    for (QString *veta : {&v.spravna_veta, &v.spravna_veta_2, &v.veta_s_chybami})
        veta->reserve(text.size());
    for (const cast_vety_t &cast : rozloz_vetu(text)) {
        switch (cast.druh) {
        case cast_vety_t::druh_t::znak:
            v.spravna_veta += cast.znak;
            v.spravna_veta_2 += cast.znak;
            v.veta_s_chybami += cast.znak;
            break;
        case cast_vety_t::druh_t::novy_radek: break;
        case cast_vety_t::druh_t::polozka: {
            const polozka_t &p = cast.polozka;
            v.spravna_veta += p.a;
            v.spravna_veta_2 += p.b.value_or(p.a);
            v.veta_s_chybami += p.nahodny_tvar(generator);
            v.ma_druhy_tvar = v.ma_druhy_tvar || p.ma_b();
            break;
        }
        }
    }
    if (!v.ma_druhy_tvar)
        v.spravna_veta_2.clear();
    return v;
}

vypsane_vety_t vypis_vety(const QString &radek) { return vypis_vety(radek, nahoda()); }

std::optional<QString> chyba_radku(const QString &radek)
{
    const qsizetype hvezdicka = radek.indexOf(QLatin1Char('*'));
    if (hvezdicka < 0)
        return QStringLiteral("no \"*\" and sentence number");
    const QString cislo = radek.mid(hvezdicka + 1);
    if (cislo.isEmpty() || !std::all_of(cislo.begin(), cislo.end(), [](QChar z) { return z >= u'0' && z <= u'9'; }))
        return QStringLiteral("the sentence number \"%1\" is not a number").arg(cislo);
    const QString text = radek.left(hvezdicka);
    bool v_polozce = false;
    bool v_alternativach = false;
    for (qsizetype j = 0; j < text.size(); ++j) {
        const QChar z = text[j];
        const QString kde = QStringLiteral(" at column %1").arg(j + 1);
        if (z == QLatin1Char('<')) {
            if (v_polozce)
                return QStringLiteral("an item opens inside an item") + kde;
            v_polozce = true;
            v_alternativach = false;
        } else if (z == QLatin1Char('#')) {
            if (!v_polozce)
                return QStringLiteral("\"#\" outside an item") + kde;
            if (v_alternativach)
                return QStringLiteral("a second \"#\" in an item") + kde;
            v_alternativach = true;
        } else if (z == QLatin1Char('>')) {
            if (!v_polozce)
                return QStringLiteral("\">\" outside an item") + kde;
            if (!v_alternativach)
                return QStringLiteral("an item without \"#\"") + kde;
            v_polozce = false;
            v_alternativach = false;
        } else if (z == QLatin1Char('~')) {
            if (!v_alternativach)
                return QStringLiteral("\"~\" outside the wrong forms of an item") + kde;
        } else if (z == QLatin1Char('^')) {
            if (!v_polozce || v_alternativach)
                return QStringLiteral("\"^\" outside the correct part of an item") + kde;
        }
    }
    if (v_polozce)
        return v_alternativach ? QStringLiteral("an item without \">\" (or a \"*\" inside an item)")
                               : QStringLiteral("an item without \"#\" and \">\" (or a \"*\" inside an item)");
    return std::nullopt;
}

QList<polozka_t> polozky_vety(const QString &radek)
{
    QList<polozka_t> polozky;
    for (const cast_vety_t &cast : rozloz_vetu(text_vety(radek)))
        if (cast.druh == cast_vety_t::druh_t::polozka)
            polozky.append(cast.polozka);
    return polozky;
}
