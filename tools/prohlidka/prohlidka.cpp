#include "prohlidka.h"

#include "pomoc/mys.h"
#include "shell/cekej.h"
#include "shell/hostitel.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <algorithm>

namespace {
std::vector<const cast_prohlidky *> &seznam()
{
    static std::vector<const cast_prohlidky *> casti;
    return casti;
}
} // namespace

prohlidka::prohlidka(hostitel &okno, QString slozka) : okno_(okno), slozka_(std::move(slozka)) {}

void prohlidka::zastavka(const QString &nazev, const std::function<void()> &kroky)
{
    kroky();
    const QImage snimek = okno_.grab().toImage();
    const QString soubor = QDir(slozka_).filePath(
        QStringLiteral("%1_%2.png").arg(soubory_.size() + 1, 2, 10, QLatin1Char('0')).arg(nazev));
    if (snimek.isNull() || !snimek.save(soubor, "PNG"))
        chyby_.append(QStringLiteral("%1: cannot be written").arg(soubor));
    else
        soubory_.append(soubor);
}

obrazovka *prohlidka::aktualni() const { return okno_.aktualni(); }

void prohlidka::najed(QPoint kde) { mys::najed(aktualni(), kde); }
void prohlidka::klikni(QPoint kde) { mys::klikni(aktualni(), kde); }
void prohlidka::stiskni(QPoint kde) { mys::stiskni(aktualni(), kde); }
void prohlidka::uvolni(QPoint kde) { mys::uvolni(aktualni(), kde); }
void prohlidka::pis(QWidget *kam, const QString &text) { QTest::keyClicks(kam, text); }
void prohlidka::pockej(int ms) { cekej(ms); }

cast_prohlidky::cast_prohlidky(int p, obrazovky_t o, zastavky_t z)
    : poradi(p), obrazovky(std::move(o)), zastavky(std::move(z))
{
    seznam().push_back(this);
}

std::vector<const cast_prohlidky *> cast_prohlidky::vsechny()
{
    std::vector<const cast_prohlidky *> casti = seznam();
    std::stable_sort(casti.begin(), casti.end(), [](auto *a, auto *b) { return a->poradi < b->poradi; });
    return casti;
}
