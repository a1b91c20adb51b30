#include "nahrady/instalace.h"

#include "common/katalog.h"
#include "common/soubory.h"
#include "common/stav.h"
#include "data/kontejner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

docasna_instalace::docasna_instalace()
{
    QDir().mkpath(media());
    QDir().mkpath(data());
}

void docasna_instalace::zapis_ini(const QStringList &radky)
{
    QFile f(ini());
    f.open(QIODevice::WriteOnly);
    f.write("[VBN2]\r\n" + radky.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
}

void docasna_instalace::zapis_vychozi_ini()
{
    zapis_ini({QStringLiteral("CD=") + media(), QStringLiteral("HD=") + data()});
}

void docasna_instalace::pouzij(spolecny_stav_t &sezeni) const
{
    sezeni.adresar_media = media();
    sezeni.adresar_dat = data();
}

void docasna_instalace::vytvor_bitmapu(const QString &relativni, int sirka, int vyska, unsigned barva)
{
    const QString cesta = spoj_cestu(media(), relativni);
    QDir().mkpath(QFileInfo(cesta).path());
    QImage obrazek(sirka, vyska, QImage::Format_RGB32);
    obrazek.fill(barva);
    obrazek.save(cesta, "BMP");
}

void docasna_instalace::vytvor_bitmapy_startu()
{
    const QString s = QStringLiteral("GRAFIKA/SELECT/");
    vytvor_bitmapu(s + QStringLiteral("BCKG.BMP"), 640, 480, 0xff204060u);
    for (int i = 1; i <= 5; ++i) {
        vytvor_bitmapu(s + QStringLiteral("L_%1_0.BMP").arg(i), 297, 49, 0xff303030u);
        vytvor_bitmapu(s + QStringLiteral("L_%1_1.BMP").arg(i), 297, 49, 0xffc0c000u);
        for (int t = 1; t <= katalog_temat::pocet_temat(i); ++t) {
            vytvor_bitmapu(s + QStringLiteral("R_%1%2_0.BMP").arg(i).arg(t), 213, 29, 0xff406080u);
            vytvor_bitmapu(s + QStringLiteral("R_%1%2_1.BMP").arg(i).arg(t), 213, 29, 0xff80a0c0u);
        }
    }
    vytvor_bitmapu(s + QStringLiteral("MKONEH.BMP"), 85, 77, 0xffc00000u);
    vytvor_bitmapu(QStringLiteral("GRAFIKA/TITLE.BMP"), 640, 480, 0xff008000u);
    vytvor_bitmapu(QStringLiteral("GRAFIKA/CREDITS.BMP"), 640, 480, 0xff800080u);
}

bool docasna_instalace::zkopiruj_postavena_data()
{
    for (const char *nazev : {"VERBANO2.DAT", "VYJIMKY.DAT", "ZNAMKY.DAT"}) {
        const QString kam = spoj_cestu(data(), QLatin1String(nazev));
        QFile::remove(kam);
        if (!QFile::copy(spoj_cestu(postavena_data(), QLatin1String(nazev)), kam))
            return false;
    }
    return true;
}

void docasna_instalace::zapis_nejmensi_data()
{
    zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("0|100|1")}, false);
    zapis_data(QStringLiteral("VERBANO2.DAT"), {QStringLiteral("[5_1]"), QStringLiteral("A<b#c>*1")}, true);
}

void docasna_instalace::zapis_data(const QString &nazev, const QStringList &radky, bool zakodovat)
{
    QFile f(spoj_cestu(data(), nazev));
    f.open(QIODevice::WriteOnly);
    for (const QString &r : radky) {
        const QByteArray bajty = do_cp1250(r);
        f.write((zakodovat ? zakoduj_radek(bajty) : bajty) + "\r\n");
    }
}
