#include "common/katalog.h"

#include <array>

namespace
{

struct tema_t {
    const char16_t *list;
    const char16_t *log; // nullptr: the same as the worksheet name
};

// The log names stay as the log has always written them: teachers' tools read them.
const std::array<std::array<tema_t, 9>, 5> temata = {{
    {{{u"Spodobovanie spoluhlások", nullptr},
      {u"Mená osôb", nullptr},
      {u"Zemepisné mená a názvy vesmírnych objektov", u"Zemepisné mená"},
      {u"Názvy inštitúcií, udalostí a diel", u"Názvy inštitúcií"},
      {u"Priama reč", nullptr},
      {u"Oslovenie", nullptr},
      {u"Prídavné mená", nullptr},
      {u"Slovesá", nullptr},
      {u"Súhrnné diktáty", nullptr}}},
    {{{u"i/y v rôznych častiach slova", nullptr},
      {u"Tvorenie slov", nullptr},
      {u"Prídavné mená", nullptr},
      {u"Zámená", nullptr},
      {u"Príslovky", nullptr},
      {u"Súhrnné diktáty", nullptr}}},
    {{{u"Podstatné mená", nullptr},
      {u"Číslovky", nullptr},
      {u"Čiarka medzi vetnými členmi", nullptr},
      {u"Čiarka v jednoduchom súvetí", nullptr},
      {u"Citoslovcia", nullptr},
      {u"Súhrnné diktáty", nullptr}}},
    {{{u"Odborné názvy", nullptr},
      {u"Podstatné mená", nullptr},
      {u"Slovesá", nullptr},
      {u"Čiarka v priraďovacom súvetí", nullptr},
      {u"Čiarka v podraďovacom súvetí", nullptr},
      {u"Súhrnné diktáty", nullptr}}},
    {{{u"Vložené vety", nullptr},
      {u"Prevzaté slová", nullptr},
      {u"Voľný a tesný prívlastok", nullptr},
      {u"Čiarka v jednoduchom súvetí", nullptr},
      {u"Čiarka v zloženom súvetí", nullptr},
      {u"Súhrnné diktáty", nullptr}}},
}};

const tema_t *najdi(int rocnik, int tema)
{
    if (!katalog_temat::existuje(rocnik, tema))
        return nullptr;
    return &temata[rocnik - 1][tema - 1];
}

} // namespace

namespace katalog_temat
{

int pocet_temat(int rocnik)
{
    if (rocnik < 1 || rocnik > pocet_rocniku)
        return 0;
    return rocnik == 1 ? 9 : 6;
}

bool existuje(int rocnik, int tema) { return tema >= 1 && tema <= pocet_temat(rocnik); }

QString nazev_rocniku(int rocnik)
{
    if (rocnik < 1 || rocnik > pocet_rocniku)
        return {};
    return QString::number(rocnik + 4) + QStringLiteral(". ročník");
}

QString nazev_pracovni_list(int rocnik, int tema)
{
    const tema_t *t = najdi(rocnik, tema);
    return t ? QString::fromUtf16(t->list) : QString();
}

QString nazev_log(int rocnik, int tema)
{
    const tema_t *t = najdi(rocnik, tema);
    if (!t)
        return {};
    return QString::fromUtf16(t->log ? t->log : t->list);
}

} // namespace katalog_temat

QString cislo_ulohy(int rocnik, int tema)
{
    return QString::number(rocnik + 4) + QLatin1Char('_') + QString::number(tema);
}
