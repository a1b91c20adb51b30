#pragma once

#include <array>
#include <cstdint>

// The program's one random generator, values in [0, 1). The program reseeds it from the
// clock before every drawing; a reseed mixes the clock into the state, so two reseeds in
// the same clock tick still give different sequences. Tests fix it with zafixuj().
class nahoda_t
{
public:
    // Next value in [0, 1) with 24 significant bits, so that it is exact in single
    // precision as well.
    double dalsi();
    // floor(n × r + 1) in single precision, kept within 1..n (n ≥ 1).
    int index_od_1(int n);
    // floor(n × r) in 0..n−1 (n ≥ 1).
    int index_od_0(int n);

    void preseduj_z_hodin();
    // Deterministic from here on: reseeds ignore the clock.
    void zafixuj(std::uint64_t seminko);
    void uvolni();

    nahoda_t() { zasej(0x4f5254414e454cULL); }

private:
    // xoshiro256**: reseeded for every item a sentence draws, so the reseed must be cheap
    // (a Mersenne twister refills 2.5 KB of state each time).
    std::uint64_t dalsi_64();
    void zasej(std::uint64_t seminko);

    std::array<std::uint64_t, 4> stav_{};
    bool fixni_ = false;
};

nahoda_t &nahoda();
