#pragma once

#include <QString>

// The grades and topics the program offers. Grade index 1..5 is "5. ročník" ..
// "9. ročník"; topic indices start at 1.
namespace katalog_temat
{

constexpr int pocet_rocniku = 5;

// Number of topics of the grade (9 for grade index 1, 6 for the others, 0 outside).
int pocet_temat(int rocnik);
bool existuje(int rocnik, int tema);

// "5. ročník" … "9. ročník"; empty outside 1..5.
QString nazev_rocniku(int rocnik);
// The topic's name in the printed worksheet header; empty when it has no name.
QString nazev_pracovni_list(int rocnik, int tema);
// The topic's name in the results log; empty when it has no name.
QString nazev_log(int rocnik, int tema);

} // namespace katalog_temat

// Section key of a topic: grade number (index + 4), "_", topic index ("7_3").
QString cislo_ulohy(int rocnik, int tema);
