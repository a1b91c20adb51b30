#include "nahled.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/pismo.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace nahled
{

namespace
{

struct obrazovka_t {
    QString media;
    QImage platno;

    QImage nacti(const QString &nazev) const
    {
        QImage i(QDir(media).filePath(nazev));
        return i.convertToFormat(QImage::Format_RGB32);
    }
    void kresli(const QString &nazev, QPoint kde)
    {
        QPainter p(&platno);
        p.drawImage(kde, nacti(nazev));
    }
    // The key colour is the picture's pixel at `klic`.
    void kresli_s_klicem(const QString &nazev, QPoint kde, QPoint klic)
    {
        const QImage o = nacti(nazev);
        const QRgb k = o.pixel(klic);
        for (int y = 0; y < o.height(); ++y)
            for (int x = 0; x < o.width(); ++x)
                if (o.pixel(x, y) != k && platno.rect().contains(kde + QPoint(x, y)))
                    platno.setPixel(kde + QPoint(x, y), o.pixel(x, y));
    }
    void text(QPoint kde, const QString &t, const QColor &barva = Qt::black, int body = 12)
    {
        QPainter p(&platno);
        p.setFont(pismo_obrazovky(body));
        p.setPen(barva);
        p.drawText(QRect(kde, QSize(600, 40)), Qt::AlignLeft | Qt::AlignTop, t);
    }
    void uloz(const QString &cil, const QString &jmeno, const QList<QRect> &plochy) const
    {
        platno.save(QDir(cil).filePath(jmeno + QStringLiteral(".png")));
        QImage s = platno;
        QPainter p(&s);
        p.setPen(QPen(QColor(255, 0, 0, 220), 1));
        p.setBrush(QColor(255, 0, 0, 40));
        for (const QRect &r : plochy)
            p.drawRect(r.adjusted(0, 0, -1, -1));
        s.save(QDir(cil).filePath(jmeno + QStringLiteral("_plochy.png")));
    }
};

void menu(const QString &media, const QString &cil, int rocnik)
{
    namespace gm = geometrie::menu;
    obrazovka_t o{media, {}};
    o.platno = o.nacti(QStringLiteral("GRAFIKA/SELECT/BCKG.BMP"));
    o.kresli(QStringLiteral("GRAFIKA/SELECT/L_%1_1.BMP").arg(rocnik), gm::rocnik(rocnik - 1));
    QList<QRect> plochy(gm::plochy.begin(), gm::plochy.end());
    plochy.append(gm::autori);
    for (int t = 1; t <= katalog_temat::pocet_temat(rocnik); ++t) {
        o.kresli(QStringLiteral("GRAFIKA/SELECT/R_%1%2_%3.BMP").arg(rocnik).arg(t).arg(t == 2 ? 1 : 0),
                 gm::tema(rocnik - 1, t - 1).topLeft());
        plochy.append(gm::tema(rocnik - 1, t - 1));
    }
    o.kresli(QStringLiteral("GRAFIKA/SELECT/MKONEH.BMP"), gm::hover[5]);
    o.uloz(cil, QStringLiteral("menu_%1").arg(rocnik), plochy);
}

void nastaveni(const QString &media, const QString &cil, int rocnik, int tema)
{
    namespace gn = geometrie::nastaveni;
    obrazovka_t o{media, {}};
    o.platno = o.nacti(QStringLiteral("GRAFIKA/SETUP/BG_%1%2.BMP").arg(rocnik).arg(tema));
    o.kresli(QStringLiteral("GRAFIKA/SETUP/NAD_2X_1.BMP"), gn::cislo[1]);
    o.kresli(QStringLiteral("GRAFIKA/SETUP/SIPKA_10.BMP"), gn::sipka_poctu);
    o.kresli(QStringLiteral("GRAFIKA/SETUP/TU_DJ_1.BMP"), gn::druh[2]);
    o.kresli(QStringLiteral("GRAFIKA/SETUP/SIPKA_T3.BMP"), gn::sipka_druhu);
    o.kresli(QStringLiteral("GRAFIKA/SETUP/SMPL_DJ.BMP"), gn::ukazka);
    o.kresli(QStringLiteral("GRAFIKA/SETUP/NAP_1.BMP"), gn::napoveda_prepinac);
    o.kresli(QStringLiteral("GRAFIKA/SETUP/MZPETH.BMP"), gn::zpet_hover);
    {
        QPainter p(&o.platno);
        p.fillRect(gn::jmeno, Qt::white);
    }
    o.text(gn::jmeno.topLeft() + QPoint(3, 1), QStringLiteral("Katka"));
    o.kresli_s_klicem(QStringLiteral("GRAFIKA/POKRACUJ.BMP"), gn::pokracuj, QPoint(0, 0));
    o.kresli_s_klicem(QStringLiteral("GRAFIKA/TISKNI.BMP"), gn::tiskni_ven, QPoint(0, 0));
    QList<QRect> plochy(gn::plochy.begin(), gn::plochy.end());
    plochy += {gn::help, gn::jmeno};
    o.uloz(cil, QStringLiteral("nastaveni_%1%2").arg(rocnik).arg(tema), plochy);
}

// One sentence box as the page layout composes it, with text lines drawn like the page.
int veta(obrazovka_t &o, int y, const QStringList &radky, bool spravne, bool pocitadlo)
{
    namespace gc = geometrie::cviceni;
    const int x = gc::prvni_veta.x();
    o.kresli(QStringLiteral("GRAFIKA/3LINE_W.BMP"), QPoint(x, y));
    for (int i = 0; i < radky.size(); ++i)
        o.text(QPoint(x + gc::odsazeni_textu_x, y + gc::odsazeni_textu_y + gc::vyska_radku * i), radky[i]);
    int dalsi = 74, repro = 12 + 8;
    if (radky.size() == 1) {
        o.kresli(QStringLiteral("GRAFIKA/COV_L_W.BMP"), QPoint(x, y));
        o.kresli_s_klicem(QStringLiteral("GRAFIKA/COV_R_V.BMP"), QPoint(gc::kryt_pravy_x, y), gc::klic_praveho_krytu);
        o.kresli(QStringLiteral("GRAFIKA/COV2_B.BMP"), QPoint(x, y + 25));
        dalsi = 36;
        repro = 12 - 9;
    } else if (radky.size() == 2) {
        o.kresli(QStringLiteral("GRAFIKA/COV1_L_W.BMP"), QPoint(x, y));
        o.kresli_s_klicem(QStringLiteral("GRAFIKA/COV1_R_V.BMP"), QPoint(gc::kryt_pravy_x, y), gc::klic_praveho_krytu);
        o.kresli(QStringLiteral("GRAFIKA/COV1_B.BMP"), QPoint(x, y + 45));
        dalsi = 56;
        repro = 12 - 2;
    }
    if (pocitadlo)
        o.kresli(QStringLiteral("GRAFIKA/REP_%1.BMP").arg(radky.size() % 4), QPoint(gc::pocitadlo_x, y + repro));
    o.kresli(spravne ? QStringLiteral("GRAFIKA/CHECK_OK.BMP") : QStringLiteral("GRAFIKA/CHECK_KO.BMP"),
             QPoint(gc::znacka_x, y));
    return y + dalsi;
}

void cviceni(const QString &media, const QString &cil)
{
    namespace gc = geometrie::cviceni;
    obrazovka_t o{media, {}};
    o.platno = o.nacti(QStringLiteral("GRAFIKA/BG.BMP"));
    o.kresli(QStringLiteral("GRAFIKA/TABS/L_33_DJ.BMP"), QPoint(0, 0));
    {
        QPainter p(&o.platno);
        p.fillRect(gc::stranka, o.platno.pixel(gc::barva_stranky));
    }
    int y = gc::prvni_veta.y();
    const QList<QStringList> vety = {
        {QStringLiteral("Na dvore sa hrali deti, lebo svietilo slnko.")},
        {QStringLiteral("Keď sme prišli k jazeru, slnko už zapadalo za vrchy a od vody"),
         QStringLiteral("začal fúkať studený vietor.")},
        {QStringLiteral("Babka nám rozprávala o tom, ako v detstve chodievala do školy pešo"),
         QStringLiteral("cez les, aj keď napadlo veľa snehu, a ako sa tešila, keď jej otec"),
         QStringLiteral("kúpil prvé korčule.")},
        {QStringLiteral("Kúpil chlieb, maslo a mlieko.")},
        {QStringLiteral("Ráno sme vstali skoro, lebo sme chceli stihnúť prvý autobus"), QStringLiteral("do mesta.")},
    };
    QList<QRect> plochy(gc::tlacitka.begin(), gc::tlacitka.end());
    plochy.append(gc::help);
    int i = 0, znacka_2 = 0;
    for (const QStringList &v : vety) {
        if (i == 1)
            znacka_2 = y;
        const int spodek = veta(o, y, v, i != 1, true);
        const int korekce[3] = {-9, -2, 8};
        plochy.append(QRect(QPoint(gc::prvni_veta.x(), y + 12 + korekce[v.size() - 1]), gc::repro));
        plochy.append(QRect(QPoint(gc::znacka_x, y), gc::znacka));
        y = spodek;
        ++i;
    }
    // A gap box as the page lays it over the first sentence.
    {
        QPainter p(&o.platno);
        p.fillRect(QRect(190, gc::prvni_veta.y() + 5, 14, 20), QColor(255, 236, 182));
    }
    // The bubble of the second sentence's wrong mark.
    const QImage bublina = o.nacti(QStringLiteral("GRAFIKA/HINT2.BMP"));
    const QPoint kde(gc::bublina_x, znacka_2 - bublina.height() + 8);
    o.kresli_s_klicem(QStringLiteral("GRAFIKA/HINT2.BMP"), kde, QPoint(bublina.width() - 1, 0));
    o.text(kde + QPoint(4, 2), QStringLiteral("Keď sme prišli k jazeru, slnko už zapadalo za vrchy a od vody začal"));
    o.text(kde + QPoint(4, 22), QStringLiteral("fúkať studený vietor."));
    o.kresli(QStringLiteral("GRAFIKA/MKONTH.BMP"), gc::tlacitka_hover[0]);
    o.kresli_s_klicem(QStringLiteral("GRAFIKA/POKRACUJ.BMP"), gc::pokracuj, QPoint(0, 0));
    o.uloz(cil, QStringLiteral("cviceni"), plochy);
}

void tabulka(const QString &media, const QString &cil)
{
    namespace gt = geometrie::tabulka;
    obrazovka_t o{media, {}};
    o.platno = o.nacti(QStringLiteral("GRAFIKA/TABS/BCKG.BMP"));
    o.kresli(QStringLiteral("GRAFIKA/TABS/L_33_DJ.BMP"), QPoint(0, 0));
    o.kresli(QStringLiteral("GRAFIKA/MZPETH.BMP"), gt::zpet_obrazek);
    const char *mena[4] = {"Katka Nováková", "Peter Horváth", "Zuzka Kováčová", "Martin Varga"};
    QList<QRect> plochy = {gt::zpet};
    for (int i = 0; i < gt::pocet_radku; ++i) {
        const QColor barva = i == 2 ? QColor(255, 0, 0) : Qt::black;
        const QString hodnoty[5] = {QString::number(i + 1) + QLatin1Char('.'), QString::fromUtf8(mena[i % 4]),
                                    QString::number(20 - i), QString::number(i), QString::number(1 + i / 3)};
        for (int s = 0; s < 5; ++s) {
            const QRect r = gt::sloupce[s].translated(0, gt::krok_radku * i);
            o.text(r.topLeft() + QPoint(s == 1 ? 2 : r.width() / 2 - 6, 2), hodnoty[s], barva);
            plochy.append(r);
        }
    }
    o.uloz(cil, QStringLiteral("tabulka"), plochy);
}

} // namespace

void sloz(const QString &media, const QString &cil)
{
    QDir().mkpath(cil);
    menu(media, cil, 1);
    menu(media, cil, 3);
    nastaveni(media, cil, 3, 3);
    nastaveni(media, cil, 1, 9);
    cviceni(media, cil);
    tabulka(media, cil);
}

} // namespace nahled
