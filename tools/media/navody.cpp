#include "navody.h"

namespace navody
{

namespace
{
krok_t krok(obrazek_t obrazek, const char16_t *text) { return {obrazek, QString::fromUtf16(text)}; }

const krok_t uvodzovky = krok(obrazek_t::uvodzovky, u"Kláves vpravo od L napíše so Shiftom\u00a0“ a s Ctrl\u00a0„.");
const krok_t pocitadlo =
    krok(obrazek_t::pocitadlo, u"Vety tvoria súvislý text. Číslo ukazuje, koľkokrát si vetu ešte vypočuješ.");
const krok_t znacka = krok(obrazek_t::znacka, u"Na červenej značke podrž ľavé tlačidlo myši a uvidíš správnu vetu.");
} // namespace

QList<krok_t> kroky(druh_t druh, bool souvisly)
{
    QList<krok_t> k;
    switch (druh) {
    case druh_t::vyberovka:
        k = {krok(obrazek_t::vyber, u"Klikni na žlté políčko vo vete a zo zoznamu vyber správny tvar."),
             krok(obrazek_t::reproduktor, u"Reproduktor vľavo od vety ti ju prečíta, ďalší klik čítanie pozastaví."),
             krok(obrazek_t::skontroluj, u"Potom klikni hore na Skontroluj. Chyby sa zafarbia načerveno.")};
        break;
    case druh_t::doplnovacka:
        k = {krok(obrazek_t::policko, u"Klikni do žltého políčka a dopíš, čo chýba. Ak tam nič nepatrí, nechaj "
                                      u"ho prázdne."),
             krok(obrazek_t::enter, u"Kláves Enter ťa presunie do ďalšieho políčka."),
             krok(obrazek_t::f5, u"F5 alebo reproduktor vľavo od vety ti vetu prečíta."), uvodzovky,
             krok(obrazek_t::skontroluj, u"Potom klikni hore na Skontroluj. Chyby sa zafarbia načerveno.")};
        break;
    case druh_t::diktat:
        k = {krok(obrazek_t::reproduktor, u"Klikni na reproduktor vľavo od riadka a vypočuj si vetu. Ďalší klik "
                                          u"čítanie pozastaví."),
             krok(obrazek_t::riadok, u"Napíš celú vetu: s veľkými písmenami, čiarkami aj bodkou na konci."),
             krok(obrazek_t::f5, u"F5 ti vetu prečíta znova, Enter ťa presunie na ďalšiu vetu."), uvodzovky,
             krok(obrazek_t::skontroluj, u"Keď máš všetko napísané, klikni hore na Skontroluj.")};
        break;
    case druh_t::oprava:
        k = {krok(obrazek_t::chyba, u"Vo vetách sú ukryté chyby. Niektorá veta môže byť aj bez chyby."),
             krok(obrazek_t::riadok, u"Klikni do vety a oprav ju: zlý tvar zmaž a napíš správny."),
             krok(obrazek_t::f5, u"F5 alebo reproduktor ti vetu prečíta, Enter ťa presunie na ďalšiu vetu."), uvodzovky,
             krok(obrazek_t::skontroluj, u"Keď máš všetko opravené, klikni hore na Skontroluj.")};
        break;
    }
    if (souvisly)
        k.append(pocitadlo);
    k.append(znacka);
    return k;
}

} // namespace navody
