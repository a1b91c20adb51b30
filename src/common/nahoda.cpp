#include "common/nahoda.h"

#include <algorithm>
#include <chrono>
#include <cmath>

double nahoda_t::dalsi() { return static_cast<double>(generator_() >> 40) / 16777216.0; }

int nahoda_t::index_od_1(int n)
{
    if (n < 1)
        return 1;
    const float x = std::floor(static_cast<float>(n) * static_cast<float>(dalsi()) + 1.0f);
    // Single precision can round n × r up to n for r close to 1.
    return std::clamp(static_cast<int>(x), 1, n);
}

int nahoda_t::index_od_0(int n) { return index_od_1(n) - 1; }

void nahoda_t::preseduj_z_hodin()
{
    std::uint64_t hodiny = 0;
    if (!fixni_)
        hodiny = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
                 static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) * 1000003ULL;
    generator_.seed(generator_() ^ hodiny);
}

void nahoda_t::zafixuj(std::uint64_t seminko)
{
    fixni_ = true;
    generator_.seed(seminko);
}

void nahoda_t::uvolni() { fixni_ = false; }

nahoda_t &nahoda()
{
    static nahoda_t instance;
    return instance;
}
