#include "diktat.h"

#include "data/kontejner.h"
#include "data/znacky.h"
#include "zvuk.h"

#include <QProcess>
#include <QSet>

namespace diktat
{

QList<veta_t> vety(const QString &cesta_dat)
{
    QList<veta_t> vysledek;
    const auto radky = dekoduj_soubor(cesta_dat);
    if (!radky)
        return vysledek;
    for (const QString &nazev : rozklicuj_dat_soubor(cesta_dat)) {
        // The header's key is what precedes "]" and any "abc" of a whole-text section.
        const QString klic = nazev.section(QLatin1String("abc"), 0, 0).trimmed();
        if (klic.isEmpty())
            continue;
        QSet<QString> cisla;
        for (const QString &radek : najdi_sekci(*radky, klic).radky) {
            const QString cislo = cislo_vety_text(radek);
            if (cislo.isEmpty() || cisla.contains(cislo))
                continue;
            cisla.insert(cislo);
            vysledek.append({klic, cislo, vypis_vety(radek).spravna_veta.trimmed()});
        }
    }
    return vysledek;
}

// The last field is the version of the processing in namluv() and zvuk::zapis_wav(): raise
// it when either changes what a recording sounds like, so that every sentence is re-recorded.
QByteArray hlas_t::otisk() const
{
    return QStringLiteral("%1|%2|%3|%4|%5|v3")
        .arg(program, jazyk)
        .arg(slov_za_minutu)
        .arg(vzorkovani)
        .arg(bitu)
        .toUtf8();
}

QString verze(const hlas_t &hlas)
{
    QProcess p;
    p.start(hlas.program, {QStringLiteral("--version")});
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

std::optional<QByteArray> namluv(const hlas_t &hlas, const QString &text, QString *chyba)
{
    QProcess p;
    p.start(hlas.program, {QStringLiteral("-v"), hlas.jazyk, QStringLiteral("-s"), QString::number(hlas.slov_za_minutu),
                           QStringLiteral("--stdout"), QStringLiteral("--"), text});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (chyba)
            *chyba = hlas.program + QStringLiteral(" failed: ") + QString::fromUtf8(p.readAllStandardError()).trimmed();
        return std::nullopt;
    }
    auto zvuk = zvuk::precti_wav(p.readAllStandardOutput(), wav::delky_t::proud);
    if (!zvuk || zvuk->vzorky.isEmpty()) {
        if (chyba)
            *chyba = hlas.program + QStringLiteral(" gave no sound");
        return std::nullopt;
    }
    zvuk_t z = zvuk::orizni_ticho(*zvuk, 0.004f, 0.1, 0.2);
    z = zvuk::prevzorkuj(z, hlas.vzorkovani);
    zvuk::normalizuj(z, 0.89f);
    return zvuk::zapis_wav(z, hlas.bitu);
}

} // namespace diktat
