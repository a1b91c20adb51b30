#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The scrambled line container of the exercise data file and the exceptions list: lines
// of Windows-1250 text, each byte stored lowered by 17.
constexpr int posun_dekodovani = 17;

QByteArray dekoduj_radek(const QByteArray &ulozeny);
QByteArray zakoduj_radek(const QByteArray &skutecny);

// Every line of a scrambled file, decoded and converted; empty optional when the file
// cannot be read.
std::optional<QStringList> dekoduj_soubor(const QString &cesta);

struct sekce_t {
    QStringList radky;          // body lines in file order
    bool souvisly_text = false; // header holds "abc" from its second character on
    bool nalezena = false;
};

// The section whose header is the first line holding "[" + key anywhere; its body runs
// to the next line that starts with "[" or to the end of the file. A header on the last
// line is an empty section.
sekce_t najdi_sekci(const QStringList &radky, const QString &klic);
// The same on a file; a missing or unreadable file is an empty section.
sekce_t nacti_sekci(const QString &cesta, const QString &klic);

// The name of every header line (between its leading "[" and the first "]"), in file order.
QStringList rozklicuj_dat_soubor(const QString &cesta);
