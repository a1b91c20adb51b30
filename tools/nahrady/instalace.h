#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct spolecny_stav_t;

// A throw-away installation for a test: a media folder, a data folder and an INI naming
// them, all in a temporary folder that disappears with the object.
class docasna_instalace
{
public:
    docasna_instalace();

    QString koren() const { return dir_.path(); }
    QString media() const { return dir_.filePath(QStringLiteral("media")); }
    QString data() const { return dir_.filePath(QStringLiteral("data")); }
    QString ini() const { return dir_.filePath(QStringLiteral("ORTANEL.INI")); }

    // Writes ORTANEL.INI with the given lines under [VBN2].
    void zapis_ini(const QStringList &radky);
    // Writes ORTANEL.INI naming this installation's folders.
    void zapis_vychozi_ini();
    // Sets the session's folders to this installation.
    void pouzij(spolecny_stav_t &sezeni) const;

    // A plain-coloured bitmap under the media folder.
    void vytvor_bitmapu(const QString &relativni, int sirka, int vyska, unsigned barva = 0xff336699u);
    // Every bitmap that start-up loads.
    void vytvor_bitmapy_startu();
    // Copies the built data files (build/data: VERBANO2.DAT, VYJIMKY.DAT, ZNAMKY.DAT).
    bool zkopiruj_postavena_data();

    // The smallest data files start-up accepts: one mark band, one sentence of 5_1.
    void zapis_nejmensi_data();
    // Writes a data file; lines are joined with CR LF, and scrambled when asked.
    void zapis_data(const QString &nazev, const QStringList &radky, bool zakodovat);

private:
    QTemporaryDir dir_;
};

// The build tree's own installation folders.
inline QString postavena_media() { return QStringLiteral(ORTANEL_BUILD_DIR "/media"); }
inline QString postavena_data() { return QStringLiteral(ORTANEL_BUILD_DIR "/data"); }
