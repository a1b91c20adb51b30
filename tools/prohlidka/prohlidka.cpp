#include "prohlidka.h"

#include "nahrady/mys.h"
#include "shell/cekej.h"
#include "shell/hostitel.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace
{
std::vector<const cast_prohlidky *> &seznam()
{
    static std::vector<const cast_prohlidky *> casti;
    return casti;
}
} // namespace

prohlidka::prohlidka(hostitel &okno, QString slozka) : okno_(okno), slozka_(std::move(slozka)) {}

void prohlidka::zastavka(const QString &nazev, const std::function<void()> &kroky) { zastavka(nazev, {}, kroky); }

void prohlidka::zastavka(const QString &nazev, const QString &popisek, const std::function<void()> &kroky)
{
    kroky();
    uloz(nazev, popisek, okno_.grab().toImage());
}

void prohlidka::zastavka_s_dialogem(const QString &nazev, const QString &popisek, const std::function<void()> &kroky)
{
    // The dialog runs its own loop inside the steps; the photograph is taken from there.
    bool vyfoceno = false;
    QTimer hlidac;
    hlidac.setInterval(20);
    QObject::connect(&hlidac, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || vyfoceno)
            return;
        vyfoceno = true;
        hlidac.stop();
        QImage snimek = okno_.grab().toImage();
        const QImage obraz_dialogu = dialog->grab().toImage();
        // Centred over the window, as a dialog with a parent stands on the desktop.
        const QPoint kde = snimek.rect().center() - obraz_dialogu.rect().center();
        QPainter malir(&snimek);
        malir.drawImage(kde, obraz_dialogu);
        malir.setPen(QColor(0x40, 0x40, 0x40));
        malir.drawRect(QRect(kde, obraz_dialogu.size()).adjusted(-1, -1, 0, 0));
        malir.end();
        uloz(nazev, popisek, snimek);
        dialog->reject();
    });
    hlidac.start();
    kroky();
    hlidac.stop();
    if (!vyfoceno)
        chyby_.append(QStringLiteral("%1: no dialog came up").arg(nazev));
}

void prohlidka::pridej_obrazek(const QString &nazev, const QString &popisek, const QImage &obrazek)
{
    uloz(nazev, popisek, obrazek);
}

void prohlidka::oddil(const QString &nadpis) { oddil_ = nadpis; }

void prohlidka::uloz(const QString &nazev, const QString &popisek, const QImage &snimek)
{
    const QString soubor = QDir(slozka_).filePath(
        QStringLiteral("%1_%2.png").arg(soubory_.size() + 1, 2, 10, QLatin1Char('0')).arg(nazev));
    if (snimek.isNull() || !snimek.save(soubor, "PNG")) {
        chyby_.append(QStringLiteral("%1: cannot be written").arg(soubor));
        return;
    }
    soubory_.append(soubor);
    obrazky_.append({QFileInfo(soubor).fileName(), popisek.isEmpty() ? nazev : popisek, oddil_});
}

bool prohlidka::zapis_index() const
{
    QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Ortanel – Verbano 2: every screen</title>\n<style>\n"
                       "body { font-family: sans-serif; margin: 2em; background: #f4f6fa; color: #1d2433; }\n"
                       "section { display: flex; flex-wrap: wrap; gap: 1.5em; }\n"
                       "figure { margin: 0; width: 640px; }\n"
                       "img { max-width: 640px; border: 1px solid #b8c2d6; background: white; }\n"
                       "figcaption { margin-top: 0.3em; font-size: 0.95em; }\n"
                       "</style>\n</head>\n<body>\n<h1>Ortanel – Verbano 2: every screen</h1>\n");
    QString oddil;
    bool otevreny = false;
    for (qsizetype i = 0; i < obrazky_.size(); ++i) {
        const obrazek_t &o = obrazky_[i];
        if (i == 0 || o.oddil != oddil) {
            if (otevreny)
                html += QStringLiteral("</section>\n");
            oddil = o.oddil;
            if (!oddil.isEmpty())
                html += QStringLiteral("<h2>%1</h2>\n").arg(oddil.toHtmlEscaped());
            html += QStringLiteral("<section>\n");
            otevreny = true;
        }
        html += QStringLiteral("<figure><a href=\"%1\"><img src=\"%1\" alt=\"%2\"></a>"
                               "<figcaption>%3. %2</figcaption></figure>\n")
                    .arg(o.soubor.toHtmlEscaped(), o.popisek.toHtmlEscaped())
                    .arg(i + 1);
    }
    if (otevreny)
        html += QStringLiteral("</section>\n");
    html += QStringLiteral("</body>\n</html>\n");
    QSaveFile f(QDir(slozka_).filePath(QStringLiteral("index.html")));
    return f.open(QIODevice::WriteOnly) && f.write(html.toUtf8()) >= 0 && f.commit();
}

obrazovka *prohlidka::aktualni() const { return okno_.aktualni(); }

void prohlidka::najed(QPoint kde) { mys::najed(aktualni(), kde); }
void prohlidka::klikni(QPoint kde) { mys::klikni(aktualni(), kde); }
void prohlidka::stiskni(QPoint kde) { mys::stiskni(aktualni(), kde); }
void prohlidka::uvolni(QPoint kde) { mys::uvolni(aktualni(), kde); }
void prohlidka::pis(QWidget *kam, const QString &text) { QTest::keyClicks(kam, text); }
void prohlidka::pockej(int ms) { cekej(ms); }

cast_prohlidky::cast_prohlidky(int p, obrazovky_t o, zastavky_t z, QString n)
    : poradi(p), obrazovky(std::move(o)), zastavky(std::move(z)), nadpis(std::move(n))
{
    seznam().push_back(this);
}

std::vector<const cast_prohlidky *> cast_prohlidky::vsechny()
{
    std::vector<const cast_prohlidky *> casti = seznam();
    std::stable_sort(casti.begin(), casti.end(), [](auto *a, auto *b) { return a->poradi < b->poradi; });
    return casti;
}
