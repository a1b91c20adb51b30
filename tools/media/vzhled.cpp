#include "vzhled.h"

#include "common/katalog.h"
#include "common/pismo.h"

namespace vzhled
{

QColor barva_rocniku(int rocnik)
{
    switch (rocnik) {
    case 1: return QColor(0xf2, 0x6b, 0x4f); // coral
    case 2: return QColor(0xe8, 0x95, 0x0c); // amber
    case 3: return QColor(0x1f, 0xa2, 0x63); // green
    case 4: return QColor(0x1f, 0x8a, 0xcf); // sky
    case 5: return QColor(0x84, 0x5e, 0xe6); // violet
    }
    return modra;
}

QColor barva_druhu(druh_t druh)
{
    switch (druh) {
    case druh_t::vyberovka: return QColor(0xea, 0x7c, 0x0c);
    case druh_t::doplnovacka: return QColor(0x0e, 0x9a, 0x9a);
    case druh_t::diktat: return QColor(0x5b, 0x5b, 0xe8);
    case druh_t::oprava: return QColor(0xd6, 0x3f, 0x78);
    }
    return modra;
}

QFont pismo(int pixely, bool tucne, bool kurziva)
{
    zaregistruj_pisma();
    QFont f(rodina_pisma());
    f.setPixelSize(pixely);
    f.setBold(tucne);
    f.setItalic(kurziva);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QString nazev_druhu(druh_t druh)
{
    switch (druh) {
    case druh_t::vyberovka: return QStringLiteral("Výber");
    case druh_t::doplnovacka: return QStringLiteral("Doplňovačka");
    case druh_t::diktat: return QStringLiteral("Diktát");
    case druh_t::oprava: return QStringLiteral("Oprava");
    }
    return {};
}

QString nazev_temy(int rocnik, int tema) { return katalog_temat::nazev_pracovni_list(rocnik, tema); }

QColor zesvetli(const QColor &barva, qreal podil)
{
    auto k = [podil](int c) { return static_cast<int>(c + (255 - c) * podil + 0.5); };
    return QColor(k(barva.red()), k(barva.green()), k(barva.blue()));
}

QColor ztmav(const QColor &barva, qreal podil)
{
    auto k = [podil](int c) { return static_cast<int>(c * (1.0 - podil) + 0.5); };
    return QColor(k(barva.red()), k(barva.green()), k(barva.blue()));
}

} // namespace vzhled
