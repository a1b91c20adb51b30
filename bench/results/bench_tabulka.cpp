// Updating a score table of 1,496 lines (136 sections) as a finished exercise does: lock,
// read, place the result, rewrite through a temporary file. Prints the time per update;
// `bench_tabulka N` only makes N updates, for callgrind (jedna_uprava).
#include "common/druhy.h"
#include "common/soubory.h"
#include "nahrady/instalace.h"
#include "results/navsteva.h"
#include "results/tabulka.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr int pocet_sekci = 136;
constexpr int opakovani = 300;

// 136 sections of ten real-looking rows; the last one is the exercise's.
QByteArray velka_tabulka(spolecny_stav_t *stav)
{
    QByteArray obsah;
    int sekci = 0;
    for (int r = 1; r <= 5 && sekci < pocet_sekci; ++r)
        for (int t = 1; t <= 9 && sekci < pocet_sekci; ++t)
            for (druh_t d : vsechny_druhy) {
                if (sekci == pocet_sekci)
                    break;
                obsah += do_cp1250(hlavicka_sekce(r, t, d)) + "\r\n";
                for (int k = 0; k < radku_sekce; ++k)
                    obsah +=
                        do_cp1250(QStringLiteral("Žiak Šťastný %1|%2|%3|%4").arg(k).arg(30 - k).arg(k).arg(1 + k / 3)) +
                        "\r\n";
                stav->rocnik = r;
                stav->tema = t;
                stav->druh_ulohy = d;
                ++sekci;
            }
    return obsah;
}

void zapis(const QString &cesta, const QByteArray &obsah)
{
    QFile f(cesta);
    if (!f.open(QIODevice::WriteOnly) || f.write(obsah) != obsah.size())
        std::abort();
}

struct souhrn_t {
    double median, nejmene, nejvice;
};

// Each run starts from the same table, put back untimed.
template <typename F> souhrn_t zmer(const QString &cesta, const QByteArray &tabulka, F &&krok)
{
    std::vector<double> casy;
    casy.reserve(opakovani);
    for (int i = 0; i < opakovani; ++i) {
        zapis(cesta, tabulka);
        QElapsedTimer t;
        t.start();
        krok(i);
        casy.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(casy.begin(), casy.end());
    return {casy[casy.size() / 2], casy.front(), casy.back()};
}

void vypis(const char *co, const souhrn_t &s)
{
    std::printf("bench_tabulka: %-44s median %.3f ms, min %.3f ms, max %.3f ms (%d runs)\n", co, s.median, s.nejmene,
                s.nejvice, opakovani);
}

// The median for bench/souhrn.sh.
void vypis_pro_souhrn(const char *klic, const souhrn_t &s)
{
    std::printf("#zmereno tabulka.%s_ms %.4f\n", klic, s.median);
}

// One update, kept out of line so that callgrind can count exactly the updates:
//   valgrind --tool=callgrind --toggle-collect='*jedna_uprava*' bench_tabulka N
[[gnu::noinline]] void jedna_uprava(spolecny_stav_t &stav, int i)
{
    stav.pocet_spravne = 30 + i % 7;
    stav.pocet_spatne = i % 3;
    if (nacti_tabulku(stav, 1).ulozeni != ulozeni_tabulky_t::ulozena)
        std::abort();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    docasna_instalace instalace;
    instalace.zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("90|100|1"), QStringLiteral("0|89|3")}, false);
    const QString cesta = spoj_cestu(instalace.data(), QStringLiteral("TAB.DAT"));

    spolecny_stav_t stav;
    stav.adresar_dat = instalace.data();
    stav.pocet_uloh = 20;
    stav.jmeno_zaka = QStringLiteral("Ľubica Nováková");
    stav.vsetko_skontrolovane = true;
    const QByteArray tabulka = velka_tabulka(&stav);
    zapis(cesta, tabulka);
    std::printf("bench_tabulka: table of %lld lines, %d sections, %lld bytes; the exercise's section is the last\n",
                static_cast<long long>(tabulka.count('\n')), pocet_sekci, static_cast<long long>(tabulka.size()));

    // Every share beats the section's tenth row (21 of 30), so every run rewrites the file.
    if (argc > 1) {
        const int n = std::max(1, QString::fromLocal8Bit(argv[1]).toInt());
        for (int i = 0; i < n; ++i) {
            zapis(cesta, tabulka);
            jedna_uprava(stav, i);
        }
        std::printf("bench_tabulka: %d updates\n", n);
        return 0;
    }
    const auto uprav = [&stav](int i) { jedna_uprava(stav, i); };
    const souhrn_t upravy = zmer(cesta, tabulka, uprav);
    vypis("update of the table (lock, read, place, save):", upravy);
    vypis_pro_souhrn("uprava", upravy);

    const auto navsteva = [&stav](int i) {
        stav.pocet_spravne = 40 + i % 5;
        stav.pocet_spatne = 0;
        zpracuj_vysledky(stav);
    };
    const souhrn_t navstevy = zmer(cesta, tabulka, navsteva);
    vypis("whole visit (mark, log record, table):", navstevy);
    vypis_pro_souhrn("navsteva", navstevy);

    // The same work without the file system: check, find, place.
    zapis(cesta, tabulka);
    const auto radky = nacti_radky_bajtu(cesta);
    const QString hlavicka = hlavicka_sekce(stav.rocnik, stav.tema, *stav.druh_ulohy);
    const auto v_pameti = [&](int i) {
        tabulka_t t{*radky, -1, {}};
        if (!je_tabulka_v_poradku(t.radky_tabulky))
            std::abort();
        setrid_tabulku(t, t.najdi_sekci(hlavicka), radek_tabulky_t{stav.jmeno_zaka, 50 + i % 3, 0, 1});
    };
    const souhrn_t v_pameti_jen = zmer(cesta, tabulka, v_pameti);
    vypis("in memory only (check, find, place):", v_pameti_jen);
    vypis_pro_souhrn("v_pameti", v_pameti_jen);
    return 0;
}
