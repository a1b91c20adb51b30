#include "sestaveni.h"

#include "common/soubory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <atomic>
#include <mutex>
#include <thread>

namespace sestaveni
{

namespace
{
QByteArray hash(const QByteArray &otisk) { return QCryptographicHash::hash(otisk, QCryptographicHash::Sha1).toHex(); }

bool zapis(const QString &cesta, const QByteArray &bajty)
{
    if (!QDir().mkpath(QFileInfo(cesta).path()))
        return false;
    return zapis_cely_soubor(cesta, bajty);
}
} // namespace

QHash<QString, QByteArray> nacti_manifest(const QString &cesta)
{
    QHash<QString, QByteArray> manifest;
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return manifest;
    while (!f.atEnd()) {
        const QByteArray radek = f.readLine().trimmed();
        const qsizetype mezera = radek.indexOf(' ');
        if (mezera > 0)
            manifest.insert(QString::fromUtf8(radek.mid(mezera + 1)), radek.left(mezera));
    }
    return manifest;
}

bool uloz_manifest(const QString &cesta, const QHash<QString, QByteArray> &manifest)
{
    QStringList nazvy = manifest.keys();
    nazvy.sort();
    QByteArray obsah;
    for (const QString &n : nazvy)
        obsah += manifest.value(n) + ' ' + n.toUtf8() + '\n';
    return zapis(cesta, obsah);
}

vysledek_t sestav(const QList<ukol_t> &ukoly, const QString &cil, const QString &cesta_manifestu, int vlaken,
                  const std::function<void(const QString &)> &hlaseni)
{
    vysledek_t vysledek;
    const QHash<QString, QByteArray> stary = nacti_manifest(cesta_manifestu);
    QHash<QString, QByteArray> novy;
    QList<const ukol_t *> k_udelani;
    QSet<QString> vyrabene;
    for (const ukol_t &u : ukoly) {
        if (vyrabene.contains(u.nazev)) {
            vysledek.chyby.append(u.nazev + QStringLiteral(": made by two tasks"));
            continue;
        }
        vyrabene.insert(u.nazev);
        const QByteArray h = hash(u.otisk);
        const QFileInfo soubor(QDir(cil).filePath(u.nazev));
        if (stary.value(u.nazev) == h && soubor.isFile() && soubor.size() > 0) {
            novy.insert(u.nazev, h);
            ++vysledek.beze_zmeny;
        } else {
            k_udelani.append(&u);
        }
    }

    std::mutex zamek;
    std::atomic<qsizetype> dalsi{0};
    auto pracuj = [&] {
        for (qsizetype i = dalsi++; i < k_udelani.size(); i = dalsi++) {
            const ukol_t &u = *k_udelani[i];
            QString chyba;
            const std::optional<QByteArray> bajty = u.vytvor(&chyba);
            const bool ok = bajty && zapis(QDir(cil).filePath(u.nazev), *bajty);
            std::lock_guard<std::mutex> z(zamek);
            if (ok) {
                novy.insert(u.nazev, hash(u.otisk));
                ++vysledek.vytvoreno;
                if (hlaseni)
                    hlaseni(u.nazev);
            } else {
                vysledek.chyby.append(u.nazev + QStringLiteral(": ") +
                                      (chyba.isEmpty() ? QStringLiteral("cannot be written") : chyba));
            }
        }
    };
    std::vector<std::thread> vlakna;
    for (int v = 1; v < std::max(1, vlaken); ++v)
        vlakna.emplace_back(pracuj);
    pracuj();
    for (std::thread &t : vlakna)
        t.join();

    // What the last build wrote and no task makes any more is removed.
    for (auto it = stary.cbegin(); it != stary.cend(); ++it)
        if (!vyrabene.contains(it.key()) && QFile::remove(QDir(cil).filePath(it.key())))
            ++vysledek.smazano;
    uloz_manifest(cesta_manifestu, novy);
    return vysledek;
}

} // namespace sestaveni
