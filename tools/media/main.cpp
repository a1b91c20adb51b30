// ortanel_media: draws every bitmap and sound of the media folder, redoing only what changed.
#include "common/pismo.h"
#include "diktat.h"
#include "nahled.h"
#include "seznam.h"

#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace
{
QByteArray otisk_souboru(const QString &cesta)
{
    QFile f(cesta);
    QCryptographicHash h(QCryptographicHash::Sha1);
    if (f.open(QIODevice::ReadOnly))
        h.addData(&f);
    return h.result().toHex();
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    zaregistruj_pisma();
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser volby;
    volby.setApplicationDescription(
        QStringLiteral("Draws the media folder: bitmaps, interface sounds and dictations."));
    volby.addHelpOption();
    const QCommandLineOption obsah(QStringLiteral("obsah"), QStringLiteral("content/ folder (help texts)"),
                                   QStringLiteral("dir"));
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("the built VERBANO2.DAT"),
                                  QStringLiteral("file"));
    const QCommandLineOption vystup(QStringLiteral("vystup"), QStringLiteral("the media folder to write"),
                                    QStringLiteral("dir"));
    const QCommandLineOption manifest(QStringLiteral("manifest"), QStringLiteral("what the last build wrote"),
                                      QStringLiteral("file"));
    const QCommandLineOption vlaken(QStringLiteral("vlaken"), QStringLiteral("threads (default 2)"),
                                    QStringLiteral("n"), QStringLiteral("2"));
    const QCommandLineOption nahled(QStringLiteral("nahled"),
                                    QStringLiteral("after building, compose mock screens from the media into dir"),
                                    QStringLiteral("dir"));
    volby.addOptions({obsah, data, vystup, manifest, vlaken, nahled});
    volby.process(aplikace);
    if (!volby.isSet(obsah) || !volby.isSet(data) || !volby.isSet(vystup) || !volby.isSet(manifest)) {
        err << "ortanel_media: --obsah, --data, --vystup and --manifest are required\n";
        return 2;
    }

    QElapsedTimer hodiny;
    hodiny.start();
    seznam::vstupy_t vstupy;
    vstupy.obsah = volby.value(obsah);
    vstupy.data = volby.value(data);
    vstupy.otisk_programu = otisk_souboru(QCoreApplication::applicationFilePath());
    vstupy.verze_hlasu = diktat::verze(vstupy.hlas);
    if (vstupy.verze_hlasu.isEmpty()) {
        err << "ortanel_media: " << vstupy.hlas.program << " is not installed (make deps)\n";
        return 1;
    }
    if (!QFile::exists(vstupy.data)) {
        err << "ortanel_media: " << vstupy.data << " does not exist (build the data target)\n";
        return 1;
    }
    QList<sestaveni::ukol_t> ukoly = seznam::zvuky(vstupy);
    ukoly += seznam::obrazky(vstupy);

    int hotovo = 0;
    const auto vysledek = sestaveni::sestav(ukoly, volby.value(vystup), volby.value(manifest),
                                            volby.value(vlaken).toInt(), [&](const QString &) {
                                                if (++hotovo % 250 == 0)
                                                    err << "  " << hotovo << " files made\n" << Qt::flush;
                                            });
    out << QStringLiteral("media: %1 files, %2 made, %3 unchanged, %4 removed, %5 s\n")
               .arg(ukoly.size())
               .arg(vysledek.vytvoreno)
               .arg(vysledek.beze_zmeny)
               .arg(vysledek.smazano)
               .arg(hodiny.elapsed() / 1000.0, 0, 'f', 1);
    for (const QString &chyba : vysledek.chyby)
        err << "ortanel_media: " << chyba << '\n';
    if (volby.isSet(nahled) && vysledek.chyby.isEmpty())
        nahled::sloz(volby.value(vystup), volby.value(nahled));
    return vysledek.chyby.isEmpty() ? 0 : 1;
}
