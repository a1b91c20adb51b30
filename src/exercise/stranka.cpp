#include "exercise/stranka.h"

int stranka_t::pocet_prvku() const
{
    switch (druh) {
    case druh_t::vyberovka: return static_cast<int>(vyber_txt.size());
    case druh_t::doplnovacka: return static_cast<int>(dopln_box.size());
    case druh_t::diktat:
    case druh_t::oprava: return static_cast<int>(dopln_box_viceradkovy.size());
    }
    return 0;
}

int stranka_t::veta_prvku(int i) const
{
    switch (druh) {
    case druh_t::vyberovka: return vyber_txt.at(i - 1).veta;
    case druh_t::doplnovacka: return dopln_box.at(i - 1).veta;
    case druh_t::diktat:
    case druh_t::oprava: return i;
    }
    return i;
}
