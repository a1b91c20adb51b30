#include "exercise/normalizace.h"

#include <functional>

namespace
{

// One pass over the text for marks of one group. Positions are 0-based here; `k` follows
// the insertions and removals, so marks pushed along by an earlier change are still met.
void pruchod(QString &t, const std::function<bool(QChar)> &je_znak, const std::function<bool(QChar)> &bez_mezery_za)
{
    for (qsizetype k = 0; k < t.size(); ++k) {
        if (k == 0 || !je_znak(t[k]))
            continue;
        if (t[k - 1] == u' ') {
            t.remove(k - 1, 1);
            --k;
        }
        if (k < t.size() - 1 && t[k + 1] != u' ' && !bez_mezery_za(t[k + 1])) {
            t.insert(k + 1, u' ');
            ++k;
        }
    }
}

// „ gets a space before it (unless it opens the text) and loses every space after it.
void pruchod_otviraci_uvozovky(QString &t)
{
    for (qsizetype k = 0; k < t.size(); ++k) {
        if (t[k] != u'„')
            continue;
        if (k > 0 && t[k - 1] != u' ') {
            t.insert(k, u' ');
            ++k;
        }
        if (k < t.size() - 1 && t[k + 1] == u' ') {
            t.remove(k + 1, 1);
            --k; // the same „ is looked at again
        }
    }
}

} // namespace

QString bez_krajnich_mezer(const QString &text)
{
    qsizetype od = 0, po = text.size();
    while (od < po && text[od] == u' ')
        ++od;
    while (po > od && text[po - 1] == u' ')
        --po;
    return text.mid(od, po - od);
}

QString sluc_mezery(const QString &text)
{
    QString vysledek;
    vysledek.reserve(text.size());
    for (const QChar z : text)
        if (z != u' ' || !vysledek.endsWith(u' '))
            vysledek += z;
    return vysledek;
}

QString normalizuj_odpoved(const QString &veta)
{
    QString t = sluc_mezery(bez_krajnich_mezer(veta));
    const auto nikdy = [](QChar) { return false; };
    pruchod(
        t, [](QChar z) { return z == u',' || z == u':'; }, nikdy);
    pruchod(
        t, [](QChar z) { return z == u'.' || z == u'!' || z == u'?'; }, [](QChar z) { return z == u'“'; });
    pruchod(
        t, [](QChar z) { return z == u'“'; }, nikdy);
    pruchod_otviraci_uvozovky(t);
    return t;
}
