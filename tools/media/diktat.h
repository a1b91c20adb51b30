#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The dictation recordings: every sentence of the exercise data file spoken by
// espeak-ng's Slovak voice into ZVUK/<section key>/<sentence number>.WAV.
namespace diktat
{

struct veta_t {
    QString klic;  // section key, "5_1"
    QString cislo; // sentence number as the exercise screen writes it, "12"
    QString text;  // the correct sentence
    QString soubor() const { return QStringLiteral("ZVUK/%1/%2.WAV").arg(klic, cislo); }
};
// Every sentence of every section of the scrambled file; empty when it cannot be read.
// A number that appears twice in a section is recorded once, from its first sentence.
QList<veta_t> vety(const QString &cesta_dat);

struct hlas_t {
    QString program = QStringLiteral("espeak-ng");
    QString jazyk = QStringLiteral("sk");
    int slov_za_minutu = 130; // a dictation pace
    int vzorkovani = 11025;   // sibilants up to 5.5 kHz
    // IMA ADPCM: 41 MB for all recordings instead of 160 MB as 16-bit PCM; its noise
    // follows the signal, where 8-bit PCM hisses audibly in the quiet ends of words.
    int bitu = 4;
    // What a recording depends on besides its text: a change re-records everything.
    QByteArray otisk() const;
};

// The installed voice's version line, or empty when the program is missing.
QString verze(const hlas_t &hlas);
// The finished WAV file of one sentence: spoken, trimmed, resampled and levelled.
std::optional<QByteArray> namluv(const hlas_t &hlas, const QString &text, QString *chyba = nullptr);

} // namespace diktat
