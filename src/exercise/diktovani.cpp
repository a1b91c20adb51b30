#include "exercise/diktovani.h"

#include "exercise/normalizace.h"
#include "shell/zvuk.h"

QString soubor_diktatu(const QString &cislo_ulohy, int cislo_vety)
{
    return QStringLiteral("ZVUK/%1/%2.WAV").arg(cislo_ulohy).arg(cislo_vety);
}

vysledek_diktovani_t diktuj(const QString &soubor, int zbyva, bool pocitat)
{
    using rezim_t = zvukove_zarizeni::rezim_t;
    zvukove_zarizeni &zarizeni = zvuk_zdroj();
    if (zarizeni.rezim() == rezim_t::hraje) {
        if (zarizeni.soubor() == soubor) {
            zarizeni.pozastav();
            return {diktovani_t::pozastaveno, zbyva};
        }
        zarizeni.zastav();
        zarizeni.zavri();
    }
    if (zarizeni.rezim() == rezim_t::pozastaveno && zarizeni.soubor() == soubor) {
        zarizeni.hraj();
        return {diktovani_t::obnoveno, zbyva};
    }
    if (zbyva == 0)
        return {diktovani_t::nic, zbyva};
    prehraj_zvuk(soubor);
    if (!pocitat || zbyva < 1)
        return {diktovani_t::prehrano, zbyva};
    return {diktovani_t::prehrano, zbyva - 1};
}

bool vypnout_repro(bool souvisly_text, int zbyva)
{
    return souvisly_text && zbyva == 0 && zvuk_zdroj().rezim() == zvukove_zarizeni::rezim_t::zastaveno;
}

std::optional<int> mezera_k_diktatu(const QList<dopln_box_t> &boxy, const QStringList &texty, int cislo_vety)
{
    for (qsizetype j = 0; j < boxy.size(); ++j)
        if (boxy[j].cislo_vety == cislo_vety && bez_krajnich_mezer(texty.value(j)).isEmpty())
            return static_cast<int>(j + 1);
    return std::nullopt;
}
