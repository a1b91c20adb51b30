#include "shell/hlasky.h"

namespace hlasky
{
const QString chyba_cd = QStringLiteral(
    "Uistite sa, že CD-ROM nosič s aplikáciou je vložený v CD mechanike a že disk nie je zašpinený či fyzicky "
    "poškodený. V ostatných prípadoch kontaktujte horúcu linku vydavateľa.");
const QString chybi_soubory = QStringLiteral(
    "Nemožno načítať niektoré súbory nutné na spustenie aplikácie. Uistite sa, že neboli poškodené inštalované "
    "súbory aplikácie. Pokiaľ áno, preinštalujte aplikáciu. V ostatných prípadoch kontaktujte horúcu linku "
    "vydavateľa.");
const QString male_fonty =
    QStringLiteral("Pre správnu prevádzku aplikácie Ortanel-Verbano 1 je nutné používať režim malých fontov (písmen).");
const QString nelze_prepnout = QStringLiteral(
    "Grafická karta nepodporuje okamžité prepnutie rozlíšenia obrazovky. Aplikácia preto nepobeží cez celú "
    "obrazovku.");
const QString nelze_obnovit =
    QStringLiteral("Nastala chyba pri obnovení pôvodného nastavenia obrazovky. Zmeňte nastavenie manuálne.");
const QString otazka_konec = QStringLiteral("Naozaj chceš ukončiť tento program?");
} // namespace hlasky
