#include "pomoc/ovladani_x.h"

#include "common/soubory.h"
#include "nahrady/instalace.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QtMath>

namespace ovladani_x
{

QString chybi_nastroje()
{
    for (const char *nastroj : {"xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(nastroj)).isEmpty())
            return QStringLiteral("%1 is not installed (scripts/zavislosti.sh)").arg(QLatin1String(nastroj));
    return {};
}

bool xdotool(const QStringList &argumenty, int ms)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), argumenty);
    const bool hotovo = p.waitForFinished(ms) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    p.kill();
    p.waitForFinished(1000);
    return hotovo;
}

bool najed(QPoint kde)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(kde.x()), QString::number(kde.y())});
}
bool klikni(QPoint kde)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(kde.x()), QString::number(kde.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}
bool pis(const QString &text)
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"), text});
}
bool klavesa(const QString &nazev) { return xdotool({QStringLiteral("key"), nazev}); }

QImage snimek()
{
    QProcess p;
    // PPM: no compression to wait for.
    p.start(QStringLiteral("import"),
            {QStringLiteral("-silent"), QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("ppm:-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QImage::fromData(p.readAllStandardOutput(), "PPM").convertToFormat(QImage::Format_RGB32);
}

} // namespace ovladani_x

jeviste_na_obrazovce::jeviste_na_obrazovce(QSize obrazovka)
    : meritko_(std::min(obrazovka.width() / 640.0, obrazovka.height() / 480.0)),
      pocatek_((obrazovka.width() - 640 * meritko_) / 2, (obrazovka.height() - 480 * meritko_) / 2)
{
}

QPoint jeviste_na_obrazovce::bod(QPoint na_jevisti) const
{
    // Near the stage pixel's top left: the host rounds a window position to the nearest
    // stage pixel, so a point further right or down may land in the next one.
    const QPointF p = pocatek_ + (QPointF(na_jevisti) + QPointF(0.25, 0.25)) * meritko_;
    return QPoint(qFloor(p.x()), qFloor(p.y()));
}

// Moved there first: a widget sees the pointer arrive before the press, as under a hand.
bool jeviste_na_obrazovce::klikni(QPoint na_jevisti) const
{
    return ovladani_x::najed(bod(na_jevisti)) && ovladani_x::klikni(bod(na_jevisti));
}

double jeviste_na_obrazovce::shoda(const QImage &snimek, const QImage &obrazek, QPoint kde, QRect vyrez) const
{
    vyrez = (vyrez.isNull() ? obrazek.rect() : vyrez) & obrazek.rect();
    int porovnano = 0, shodnych = 0;
    for (int y = vyrez.top(); y <= vyrez.bottom(); ++y)
        for (int x = vyrez.left(); x <= vyrez.right(); ++x) {
            const QRgb c = obrazek.pixel(x, y);
            // The screen pixel under the stage pixel's centre.
            const QPointF s = pocatek_ + (QPointF(kde + QPoint(x, y)) + QPointF(0.5, 0.5)) * meritko_;
            const QPoint p(qFloor(s.x()), qFloor(s.y()));
            if ((c & 0xffffff) == 0xff00ff || !snimek.rect().contains(p))
                continue;
            const QRgb d = snimek.pixel(p);
            ++porovnano;
            shodnych += std::abs(qRed(c) - qRed(d)) <= 40 && std::abs(qGreen(c) - qGreen(d)) <= 40 &&
                        std::abs(qBlue(c) - qBlue(d)) <= 40;
        }
    return porovnano ? double(shodnych) / porovnano : 0;
}

test_snimku_t jeviste_na_obrazovce::ukazuje(const QString &obrazek, QPoint kde, double prah, QRect vyrez) const
{
    return [o = QImage(spoj_cestu(postavena_media(), obrazek)), kde, prah, vyrez, j = *this](const QImage &s) {
        return j.shoda(s, o, kde, vyrez) >= prah;
    };
}

fotograf_t::fotograf_t(QString slozka) : slozka_(std::move(slozka))
{
    if (!slozka_.isEmpty()) {
        QDir(slozka_).removeRecursively();
        QDir().mkpath(slozka_);
    }
}

bool fotograf_t::dockej(const QString &krok, const test_snimku_t &test, int ms)
{
    QElapsedTimer t;
    t.start();
    bool prosel = false;
    do {
        QEventLoop pauza;
        QTimer::singleShot(30, &pauza, &QEventLoop::quit);
        pauza.exec();
        posledni_ = ovladani_x::snimek();
        prosel = !posledni_.isNull() && (!test || test(posledni_));
    } while (!prosel && t.elapsed() < ms);
    if (!slozka_.isEmpty())
        posledni_.save(QStringLiteral("%1/%2_%3.png").arg(slozka_).arg(++poradi_, 2, 10, QLatin1Char('0')).arg(krok));
    return prosel;
}
