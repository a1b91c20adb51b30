#include "common/nahoda.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>

std::uint64_t nahoda_t::dalsi_64()
{
    const std::uint64_t vysledek = std::rotl(stav_[1] * 5, 7) * 9;
    const std::uint64_t t = stav_[1] << 17;
    stav_[2] ^= stav_[0];
    stav_[3] ^= stav_[1];
    stav_[1] ^= stav_[2];
    stav_[0] ^= stav_[3];
    stav_[2] ^= t;
    stav_[3] = std::rotl(stav_[3], 45);
    return vysledek;
}

// The four words of state from one seed by splitmix64, never all zero.
void nahoda_t::zasej(std::uint64_t seminko)
{
    for (std::uint64_t &slovo : stav_) {
        std::uint64_t z = (seminko += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        slovo = z ^ (z >> 31);
    }
}

double nahoda_t::dalsi() { return static_cast<double>(dalsi_64() >> 40) / 16777216.0; }

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
    zasej(dalsi_64() ^ hodiny);
}

void nahoda_t::zafixuj(std::uint64_t seminko)
{
    fixni_ = true;
    zasej(seminko);
}

void nahoda_t::uvolni() { fixni_ = false; }

nahoda_t &nahoda()
{
    static nahoda_t instance;
    return instance;
}
