// The media build makes what is missing or changed, keeps the rest, and removes what no
// task makes any more.
#include "sestaveni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>

namespace
{

struct pocitadlo_t {
    std::atomic<int> volani{0};
};

sestaveni::ukol_t ukol(const QString &nazev, const QByteArray &obsah, pocitadlo_t &p)
{
    return {nazev, obsah, [obsah, &p](QString *) -> std::optional<QByteArray> {
                ++p.volani;
                return obsah;
            }};
}

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_media_sestaveni : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString cil() const { return dir_.filePath(QStringLiteral("media")); }
    QString manifest() const { return dir_.filePath(QStringLiteral("manifest.txt")); }

private slots:
    void init()
    {
        QDir(cil()).removeRecursively();
        QFile::remove(manifest());
    }

    void prvni_sestaveni_udela_vse_a_druhe_nic()
    {
        pocitadlo_t p;
        const QList<sestaveni::ukol_t> ukoly = {ukol(QStringLiteral("GRAFIKA/A.BMP"), "a", p),
                                                ukol(QStringLiteral("ZVUK/5_1/1.WAV"), "b", p)};
        auto v = sestaveni::sestav(ukoly, cil(), manifest(), 2);
        QCOMPARE(v.vytvoreno, 2);
        QCOMPARE(obsah(QDir(cil()).filePath(QStringLiteral("ZVUK/5_1/1.WAV"))), QByteArray("b"));
        v = sestaveni::sestav(ukoly, cil(), manifest(), 2);
        QCOMPARE(v.vytvoreno, 0);
        QCOMPARE(v.beze_zmeny, 2);
        QCOMPARE(p.volani.load(), 2);
    }

    void zmena_otisku_udela_jen_zmenene()
    {
        pocitadlo_t p;
        sestaveni::sestav({ukol(QStringLiteral("A"), "1", p), ukol(QStringLiteral("B"), "1", p)}, cil(), manifest(), 1);
        const auto v = sestaveni::sestav({ukol(QStringLiteral("A"), "1", p), ukol(QStringLiteral("B"), "2", p)}, cil(),
                                         manifest(), 1);
        QCOMPARE(v.vytvoreno, 1);
        QCOMPARE(v.beze_zmeny, 1);
        QCOMPARE(obsah(QDir(cil()).filePath(QStringLiteral("B"))), QByteArray("2"));
    }

    void smazany_soubor_se_udela_znovu()
    {
        pocitadlo_t p;
        const QList<sestaveni::ukol_t> ukoly = {ukol(QStringLiteral("A"), "1", p)};
        sestaveni::sestav(ukoly, cil(), manifest(), 1);
        QFile::remove(QDir(cil()).filePath(QStringLiteral("A")));
        QCOMPARE(sestaveni::sestav(ukoly, cil(), manifest(), 1).vytvoreno, 1);
        QVERIFY(QFile::exists(QDir(cil()).filePath(QStringLiteral("A"))));
    }

    void co_uz_nikdo_nedela_se_smaze()
    {
        pocitadlo_t p;
        sestaveni::sestav(
            {ukol(QStringLiteral("ZVUK/5_1/1.WAV"), "1", p), ukol(QStringLiteral("ZVUK/5_1/2.WAV"), "2", p)}, cil(),
            manifest(), 1);
        // A file the build never wrote is not its to remove.
        QFile cizi(QDir(cil()).filePath(QStringLiteral("CIZI.TXT")));
        QVERIFY(cizi.open(QIODevice::WriteOnly));
        cizi.close();
        const auto v = sestaveni::sestav({ukol(QStringLiteral("ZVUK/5_1/1.WAV"), "1", p)}, cil(), manifest(), 1);
        QCOMPARE(v.smazano, 1);
        QVERIFY(!QFile::exists(QDir(cil()).filePath(QStringLiteral("ZVUK/5_1/2.WAV"))));
        QVERIFY(QFile::exists(QDir(cil()).filePath(QStringLiteral("CIZI.TXT"))));
    }

    void chyba_se_hlasi_a_zkusi_znovu()
    {
        std::atomic<int> pokusy{0};
        const sestaveni::ukol_t spatny{QStringLiteral("X.WAV"), "x", [&](QString *chyba) -> std::optional<QByteArray> {
                                           if (pokusy++ == 0) {
                                               *chyba = QStringLiteral("voice missing");
                                               return std::nullopt;
                                           }
                                           return QByteArray("ok");
                                       }};
        auto v = sestaveni::sestav({spatny}, cil(), manifest(), 1);
        QCOMPARE(v.chyby, QStringList{QStringLiteral("X.WAV: voice missing")});
        QVERIFY(!sestaveni::nacti_manifest(manifest()).contains(QStringLiteral("X.WAV")));
        v = sestaveni::sestav({spatny}, cil(), manifest(), 1);
        QVERIFY(v.chyby.isEmpty());
        QCOMPARE(v.vytvoreno, 1);
    }

    void dva_ukoly_jednoho_souboru_jsou_chyba()
    {
        pocitadlo_t p;
        const auto v = sestaveni::sestav({ukol(QStringLiteral("A"), "1", p), ukol(QStringLiteral("A"), "2", p)}, cil(),
                                         manifest(), 1);
        QCOMPARE(v.chyby.size(), 1);
        QCOMPARE(v.vytvoreno, 1);
    }

    void mnoho_ukolu_na_dvou_vlaknech()
    {
        pocitadlo_t p;
        QList<sestaveni::ukol_t> ukoly;
        for (int i = 0; i < 200; ++i)
            ukoly.append(ukol(QStringLiteral("D/%1").arg(i), QByteArray::number(i), p));
        QCOMPARE(sestaveni::sestav(ukoly, cil(), manifest(), 2).vytvoreno, 200);
        QCOMPARE(sestaveni::nacti_manifest(manifest()).size(), 200);
        QCOMPARE(obsah(QDir(cil()).filePath(QStringLiteral("D/137"))), QByteArray("137"));
    }
};

QTEST_GUILESS_MAIN(tst_media_sestaveni)
#include "tst_media_sestaveni.moc"
