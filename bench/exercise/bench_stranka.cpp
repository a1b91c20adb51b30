// Laying out and checking one exercise page of nine real sentences, for each kind, and
// painting it into the page buffer. A page must be ready well within one 60 Hz frame.
//
//   bench_stranka              time per page (median of several rounds)
//   bench_stranka N KIND       N pages of the kind after one warm-up page, for callgrind:
//                              valgrind --tool=callgrind --toggle-collect='*stranky_pro_mereni*'
//                              counts the instructions of the N pages; divide by N
#include "common/nahoda.h"
#include "data/znacky.h"
#include "exercise/kontrola.h"
#include "exercise/kresleni_stranky.h"
#include "exercise/mira_textu.h"
#include "exercise/rozvrzeni.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>

namespace
{

QStringList vsechny_vety()
{
    QStringList vety;
    const QDir slozka(QStringLiteral(ORTANEL_SOURCE_DIR "/content/vety"));
    for (const QString &nazev : slozka.entryList({QStringLiteral("*.txt")})) {
        QFile f(slozka.filePath(nazev));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QStringList radky = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
        radky.removeFirst();
        vety += radky;
    }
    return vety;
}

stav_cviceni_t cviceni(const QStringList &radky, druh_t druh)
{
    stav_cviceni_t s;
    s.druh = druh;
    s.losovani.radky_sekce = radky;
    for (int i = 0; i < radky.size(); ++i)
        s.losovani.vybrane_radky.append(i);
    s.losovani.pocet_uloh = static_cast<int>(radky.size());
    return s;
}

// Nine sentences of the corpus that take one line each in this kind: a full page.
QStringList plna_stranka(const QStringList &vety, druh_t druh, const sirka_textu_t &sirka, nahoda_t &generator)
{
    QStringList vybrane;
    for (const QString &radek : vety) {
        stav_cviceni_t s = cviceni({radek}, druh);
        const stranka_t stranka = zobraz_vybrane_radky(s, sirka, generator);
        if (stranka.vety.first().check_mark.pocet_radku == 1)
            vybrane.append(radek);
        if (vybrane.size() == 9)
            break;
    }
    return vybrane;
}

// The pupil's answers: every other one right.
QStringList odpovedi(const stranka_t &s)
{
    QStringList o;
    for (const auto &e : s.vyber_txt)
        o.append(o.size() % 2 ? e.spravna_odpoved : QString());
    for (const auto &e : s.dopln_box)
        o.append(o.size() % 2 ? e.spravna_odpoved : QStringLiteral("x"));
    for (const auto &e : s.dopln_box_viceradkovy)
        o.append(o.size() % 2 ? e.spravna_odpoved : e.text);
    return o;
}

// One page: laid out from the start of the exercise, then checked.
int stranka(const QStringList &radky, druh_t druh, const sirka_textu_t &sirka, nahoda_t &generator)
{
    stav_cviceni_t s = cviceni(radky, druh);
    stranka_t st = zobraz_vybrane_radky(s, sirka, generator);
    spolecny_stav_t spolecny;
    zkontroluj_priklady(st, odpovedi(st), vyjimky_t{}, s, spolecny);
    return s.pocet_na_strance;
}

// Kept out of line so that callgrind can count exactly these pages.
[[gnu::noinline]] int stranky_pro_mereni(const QStringList &radky, druh_t druh, int n, const sirka_textu_t &sirka,
                                         nahoda_t &generator)
{
    int soucet = 0;
    for (int i = 0; i < n; ++i)
        soucet += stranka(radky, druh, sirka, generator);
    return soucet;
}

obrazky_t bitmapy()
{
    obrazky_t o;
    const QString media = QStringLiteral(ORTANEL_BUILD_DIR "/media/");
    for (const QString &nazev : obrazky_stranky::vsechny()) {
        QImage i(media + nazev);
        if (i.isNull()) {
            i = QImage(nazev.contains(QStringLiteral("3LINE")) ? QSize(540, 72) : QSize(60, 34), QImage::Format_RGB32);
            i.fill(Qt::white);
        }
        o.insert(nazev, i);
    }
    return o;
}

double median(QList<double> hodnoty)
{
    std::sort(hodnoty.begin(), hodnoty.end());
    return hodnoty[hodnoty.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    QTextStream out(stdout);
    const sirka_textu_t sirka = sirka_v_pismu_stranky();
    nahoda_t generator;
    generator.zafixuj(42);
    const QStringList vety = vsechny_vety();

    if (argc > 2) {
        const int n = QString::fromLocal8Bit(argv[1]).toInt();
        const auto druh = druh_z_klicoveho_slova(QString::fromLocal8Bit(argv[2]));
        if (n < 1 || !druh) {
            QTextStream(stderr) << "usage: bench_stranka [N KIND]\n";
            return 2;
        }
        const QStringList radky = plna_stranka(vety, *druh, sirka, generator);
        stranka(radky, *druh, sirka, generator);
        out << stranky_pro_mereni(radky, *druh, n, sirka, generator) / n << " sentences a page\n";
        return 0;
    }

    const obrazky_t obrazky = bitmapy();
    QImage podklad(640, 480, QImage::Format_RGB32);
    podklad.fill(Qt::gray);
    out << "kind          sentences  layout+check per page  paint per page  (60 Hz frame: 16667 us)\n";
    for (druh_t druh : vsechny_druhy) {
        const QStringList radky = plna_stranka(vety, druh, sirka, generator);
        const int na_strance = stranka(radky, druh, sirka, generator);
        QList<double> kolo_rozvrzeni, kolo_kresleni;
        constexpr int stranek = 200;
        for (int kolo = 0; kolo < 7; ++kolo) {
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < stranek; ++i)
                stranka(radky, druh, sirka, generator);
            kolo_rozvrzeni.append(t.nsecsElapsed() / 1000.0 / stranek);

            stav_cviceni_t s = cviceni(radky, druh);
            const stranka_t st = zobraz_vybrane_radky(s, sirka, generator);
            t.restart();
            for (int i = 0; i < stranek / 10; ++i)
                vykresli_stranku(st, podklad, obrazky);
            kolo_kresleni.append(t.nsecsElapsed() / 1000.0 / (stranek / 10));
        }
        out << QStringLiteral("%1  %2  %3 us  %4 us\n")
                   .arg(klicove_slovo(druh), -12)
                   .arg(na_strance, 9)
                   .arg(median(kolo_rozvrzeni), 20, 'f', 1)
                   .arg(median(kolo_kresleni), 13, 'f', 1);
        // For bench/souhrn.sh.
        out << "#zmereno stranka." << klicove_slovo(druh) << ".us " << median(kolo_rozvrzeni) << "\n#zmereno kresleni."
            << klicove_slovo(druh) << ".us " << median(kolo_kresleni) << "\n";
    }
    return 0;
}
