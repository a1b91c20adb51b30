#include "shell/obrazky.h"

#include "common/stav.h"
#include "shell/platforma.h"

#include <QImageReader>

namespace hlasky {
const QString chyba_cd = QStringLiteral(
    "Uistite sa, že CD-ROM nosič s aplikáciou je vložený v CD mechanike a že disk nie je zašpinený či fyzicky "
    "poškodený. V ostatných prípadoch kontaktujte horúcu linku vydavateľa.");
const QString chybi_soubory = QStringLiteral(
    "Nemožno načítať niektoré súbory nutné na spustenie aplikácie. Uistite sa, že neboli poškodené inštalované "
    "súbory aplikácie. Pokiaľ áno, preinštalujte aplikáciu. V ostatných prípadoch kontaktujte horúcu linku "
    "vydavateľa.");
const QString male_fonty = QStringLiteral(
    "Pre správnu prevádzku aplikácie Ortanel-Verbano 1 je nutné používať režim malých fontov (písmen).");
const QString nelze_prepnout = QStringLiteral(
    "Grafická karta nepodporuje okamžité prepnutie rozlíšenia obrazovky. Aplikácia preto nepobeží cez celú "
    "obrazovku.");
const QString nelze_obnovit =
    QStringLiteral("Nastala chyba pri obnovení pôvodného nastavenia obrazovky. Zmeňte nastavenie manuálne.");
const QString otazka_konec = QStringLiteral("Naozaj chceš ukončiť tento program?");
} // namespace hlasky

std::optional<QImage> nacti_bitmapu(const QString &relativni)
{
    QImageReader ctenar(soubor_media(relativni));
    QImage obrazek = ctenar.read();
    if (obrazek.isNull())
        return std::nullopt;
    if (obrazek.format() != QImage::Format_RGB32)
        obrazek = obrazek.convertToFormat(QImage::Format_RGB32);
    return obrazek;
}

QImage bitmapa(const QString &relativni)
{
    auto obrazek = nacti_bitmapu(relativni);
    if (!obrazek)
        chyba_behu();
    return *obrazek;
}

void chyba_behu()
{
    platforma().zprava(hlasky::chyba_cd, QStringLiteral("Chyba"), platforma_t::ikona_t::stop);
    platforma().ukonci(1);
}
