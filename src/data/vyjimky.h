#pragma once

#include <QString>
#include <QStringList>

// Whole sentences accepted as right besides the expected one, per topic: each entry is the
// accepted sentence, "*" and the number of the sentence it belongs to.
struct vyjimky_t {
    QStringList vyjimky;

    int pocet_vyjimek() const { return static_cast<int>(vyjimky.size()); }
    // An entry matches when its text before the first "*" equals the normalised sentence
    // and its number equals the sentence's number. Every entry counts, a lone one too.
    bool prijme(const QString &normalizovana_veta, int cislo_vety) const;
};

// The exceptions of the topic from "\VYJIMKY.DAT"; a missing file or topic is an empty list.
vyjimky_t nacti_vyjimky(const QString &soubor, const QString &cislo_ulohy);
