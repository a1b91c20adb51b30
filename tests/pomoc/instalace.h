#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away installation for a test: a media folder, a data folder and an INI naming
// them, all in a temporary folder that disappears with the object.
class docasna_instalace {
public:
    docasna_instalace();

    bool platna() const { return dir_.isValid(); }
    QString koren() const { return dir_.path(); }
    QString media() const;
    QString data() const;
    QString ini() const;

    // Writes ORTANEL.INI with the given lines under [VBN2].
    void zapis_ini(const QStringList &radky);
    // Writes ORTANEL.INI naming this installation's folders.
    void zapis_vychozi_ini();
    // Sets the shared state's folders to this installation.
    void pouzij() const;

    // Plain-coloured bitmaps under the media folder, each of the given size.
    void vytvor_bitmapu(const QString &relativni, int sirka, int vyska, unsigned barva = 0xff336699u);
    // Every bitmap that start-up loads.
    void vytvor_bitmapy_startu();
    // Copies the built media folder (build/media) when it exists; false otherwise.
    bool zkopiruj_postavena_media();
    // Copies the built data files (build/data: VERBANO2.DAT, VYJIMKY.DAT, ZNAMKY.DAT).
    bool zkopiruj_postavena_data();

    // Writes a data file; lines are joined with CR LF, and scrambled when asked.
    void zapis_data(const QString &nazev, const QStringList &radky, bool zakodovat);

private:
    QTemporaryDir dir_;
};

// The build tree's own installation folders.
QString postavena_media();
QString postavena_data();
