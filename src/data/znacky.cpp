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
    generator.preseduj_z_hodin();
    const int i = generator.index_od_1(static_cast<int>(alternativy.size()) + 1);
    return i == 1 ? a : alternativy.at(i - 2);
}

std::optional<meze_polozky_t> meze_polozky(QStringView text, qsizetype p)
{
    if (p < 0 || p >= text.size() || text[p] != QLatin1Char('<'))
        return std::nullopt;
    // The first "#" after the "<", with no ">" before it, then the first ">" after that.
    qsizetype strizka = -1;
    qsizetype k = p + 1;
    for (; k < text.size() && text[k] != QLatin1Char('#'); ++k) {
        if (text[k] == QLatin1Char('>'))
            return std::nullopt;
        if (text[k] == QLatin1Char('^') && strizka < 0)
            strizka = k;
    }
    const qsizetype h = k;
    while (k < text.size() && text[k] != QLatin1Char('>'))
        ++k;
    if (k >= text.size())
        return std::nullopt;
    return meze_polozky_t{p, strizka < 0 ? h : strizka, h, k};
}

std::optional<polozka_t> precti_polozku(QStringView text, qsizetype p)
{
    const std::optional<meze_polozky_t> m = meze_polozky(text, p);
    if (!m)
        return std::nullopt;
    const auto usek = [text](qsizetype od, qsizetype po) { return text.sliced(od, po - od); };
    polozka_t polozka;
    polozka.zacatek = m->zacatek;
    polozka.konec = m->konec;
    polozka.a = usek(p + 1, m->konec_a).toString();
    if (m->konec_a < m->krizek)
        polozka.b = usek(m->konec_a + 1, m->krizek).toString();
    const QStringView alternativy = usek(m->krizek + 1, m->konec);
    if (alternativy == QLatin1String(" "))
        polozka.alternativy = {QString()};
    else
        for (const QStringView tvar : alternativy.split(QLatin1Char('~')))
            polozka.alternativy.append(tvar.toString());
    return polozka;
}

QList<cast_vety_t> rozloz_vetu(const QString &text)
{
    QList<cast_vety_t> casti;
    casti.reserve(text.size());
    for (qsizetype j = 0; j < text.size(); ++j) {
        cast_vety_t &cast = casti.emplaceBack();
        cast.pozice = j;
        const QChar z = text[j];
        if (z == QLatin1Char('<')) {
            if (std::optional<polozka_t> polozka = precti_polozku(text, j)) {
                cast.druh = cast_vety_t::druh_t::polozka;
                cast.polozka = std::move(*polozka);
                j = cast.polozka.konec;
                continue;
            }
        }
        if (z == znak_oddelovac_radku)
            cast.druh = cast_vety_t::druh_t::novy_radek;
        else
            cast.znak = z;
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
    const qsizetype hvezdicka = radek.indexOf(QLatin1Char('*'));
    const QStringView text = hvezdicka < 0 ? QStringView(radek) : QStringView(radek).first(hvezdicka);
    for (QString *veta : {&v.spravna_veta, &v.spravna_veta_2, &v.veta_s_chybami})
        veta->reserve(text.size());
    const auto pridej = [&v](QStringView usek) {
        v.spravna_veta += usek;
        v.spravna_veta_2 += usek;
        v.veta_s_chybami += usek;
    };
    // Plain text is copied a run at a time, up to the next "<" or line separator.
    qsizetype j = 0;
    while (j < text.size()) {
        qsizetype k = j;
        while (k < text.size() && text[k] != QLatin1Char('<') && text[k] != znak_oddelovac_radku)
            ++k;
        pridej(text.sliced(j, k - j));
        if (k >= text.size())
            break;
        j = k + 1;
        if (text[k] == znak_oddelovac_radku)
            continue;
        const std::optional<polozka_t> p = precti_polozku(text, k);
        if (!p) {
            pridej(text.sliced(k, 1)); // a "<" that opens no item is plain text
            continue;
        }
        v.spravna_veta += p->a;
        v.spravna_veta_2 += p->b.value_or(p->a);
        v.veta_s_chybami += p->nahodny_tvar(generator);
        v.ma_druhy_tvar = v.ma_druhy_tvar || p->ma_b();
        j = p->konec + 1;
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
