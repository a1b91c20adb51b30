#pragma once

// The mouse pointer of the whole program: the hourglass from a click that changes the
// screen until the next screen's activation sets it back.
void ukaz_presypaci_hodiny();
// Back to the normal pointer, however often the hourglass was asked for.
void obnov_ukazatel();
bool jsou_presypaci_hodiny();

// Lifts the hourglass while a dialog or a message waits for the user, and puts it back
// after: the user points at the dialog's buttons with the normal pointer.
class bez_presypacich_hodin_t
{
public:
    bez_presypacich_hodin_t();
    ~bez_presypacich_hodin_t();
    bez_presypacich_hodin_t(const bez_presypacich_hodin_t &) = delete;
    bez_presypacich_hodin_t &operator=(const bez_presypacich_hodin_t &) = delete;

private:
    int zvednuto_ = 0;
};
