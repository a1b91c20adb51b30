// Drawing an exercise as the set-up screen does: 20 sentences from a section of 1,000 lines,
// then every drawn sentence written out with its planted errors. Prints the time per
// exercise; `bench_losovani N` only draws N exercises, for callgrind (jedno_cviceni).
#include "common/nahoda.h"
#include "data/losovani.h"
#include "data/znacky.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

constexpr int radku_sekce = 1000;
constexpr int uloh = 20;
constexpr int opakovani = 2000;

// Sentences of the corpus's length, three to five items each, some with a second answer.
QStringList sekce()
{
    QStringList radky;
    for (int i = 1; i <= radku_sekce; ++i)
        radky.append(QStringLiteral("V <M#m>alej <F#f>atre sme %1-krát vystúpili na vysok<ý#í~y> vrch<,# >"
                                    "a <tam^tu#tám> bol aj <p#P>án učiteľ<,# > rozprával nám o ňom.*%1")
                         .arg(i));
    return radky;
}

// One exercise, kept out of line so that callgrind can count exactly the drawings:
//   valgrind --tool=callgrind --toggle-collect='*jedno_cviceni*' bench_losovani N
[[gnu::noinline]] qsizetype jedno_cviceni(const QStringList &radky, nahoda_t &generator)
{
    losovani_t stav;
    stav.pocet_uloh = uloh;
    if (vylosuj(stav, radky, false, generator) != vysledek_losovani_t::ok)
        std::abort();
    qsizetype znaku = 0;
    for (int u = 0; u < uloh; ++u)
        znaku += vypis_vety(stav.radek_ulohy(u), generator).veta_s_chybami.size();
    return znaku;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList radky = sekce();
    nahoda_t generator;
    generator.zafixuj(20261206);
    if (argc > 1) {
        const int n = std::max(1, std::atoi(argv[1]));
        for (int i = 0; i < n; ++i)
            jedno_cviceni(radky, generator);
        std::printf("bench_losovani: %d exercises\n", n);
        return 0;
    }
    std::vector<double> casy;
    casy.reserve(opakovani);
    qsizetype znaku = 0;
    for (int i = 0; i < opakovani; ++i) {
        QElapsedTimer t;
        t.start();
        znaku += jedno_cviceni(radky, generator);
        casy.push_back(t.nsecsElapsed() / 1e3);
    }
    std::sort(casy.begin(), casy.end());
    std::printf("bench_losovani: %d of %d sentences drawn and written out with errors: median %.1f us, min %.1f us, "
                "max %.1f us (%d runs, %lld characters)\n",
                uloh, radku_sekce, casy[casy.size() / 2], casy.front(), casy.back(), opakovani,
                static_cast<long long>(znaku));
    std::printf("#zmereno losovani.us %.2f\n", casy[casy.size() / 2]);
    return 0;
}
