// `cmake --install` lays the program out as a school's computer expects it, and the
// package's maintainer scripts set up the data folder every pupil shares and the system's
// ORTANEL.INI, which the program's own reader understands.
#include "shell/ini.h"
#include "spolecne.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace
{

const QString media = "/usr/share/ortanel-verbano2/media", data = "/var/lib/ortanel-verbano2",
              ini_cesta = "/etc/xdg/ORTANEL.INI", id = ORTANEL_ID;
const QStringList datove_soubory = {"VERBANO2.DAT", "VYJIMKY.DAT", "ZNAMKY.DAT"};

void zapis(const QString &cesta, const QByteArray &bajty)
{
    QDir().mkpath(QFileInfo(cesta).path());
    QFile f(cesta);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bajty) == bajty.size());
}

QStringList soubory_pod(const QString &slozka)
{
    QStringList s;
    for (QDirIterator it(slozka, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        s.append(QDir(slozka).relativeFilePath(it.next()));
    s.sort();
    return s;
}

QString postaveno(const QString &relativni) { return ORTANEL_BUILD_DIR "/" + relativni; }
int sekci_vbn2(const QString &ini) { return int(QString::fromUtf8(obsah(ini)).toLower().remove(u' ').count("[vbn2]")); }

} // namespace

class tst_instalace : public QObject
{
    Q_OBJECT

    QTemporaryDir koren_; // the installed system's root (DESTDIR and DPKG_ROOT)

    QString v_koreni(const QString &cesta) const { return koren_.path() + cesta; }
    static std::pair<int, QString> skript(const QString &nazev, const QString &akce)
    {
        return spust("sh", {postaveno("packaging/debian/" + nazev), akce});
    }
    // The data folder holds the compiled data files, as files of its own.
    void over_data() const
    {
        for (const QString &f : datove_soubory) {
            QVERIFY(!QFileInfo(v_koreni(data + "/" + f)).isSymLink());
            QVERIFY2(obsah(v_koreni(data + "/" + f)) == obsah(postaveno("data/" + f)), qPrintable(f));
        }
    }
    // A machine before the package is configured (no INI, no data folder), then configured.
    void nakonfiguruj(const QByteArray &ini_predtim = {})
    {
        QDir(v_koreni("/etc")).removeRecursively();
        QDir(v_koreni("/var")).removeRecursively();
        if (!ini_predtim.isEmpty())
            zapis(v_koreni(ini_cesta), ini_predtim);
        const auto [kod, vystup] = skript("postinst", "configure");
        QVERIFY2(kod == 0 && !vystup.contains("warning"), qPrintable(vystup));
        over_data();
    }

private slots:
    void initTestCase()
    {
        qputenv("DESTDIR", koren_.path().toLocal8Bit());
        qputenv("DPKG_ROOT", koren_.path().toLocal8Bit());
        for (const char *cast : {"program", "media"}) {
            const auto [kod, vystup] =
                spust(ORTANEL_CMAKE, {"--install", ORTANEL_BUILD_DIR, "--prefix", "/usr", "--component", cast});
            QVERIFY2(kod == 0, qPrintable(vystup));
        }
    }

    // The programs, the documents, the whole media folder, and the pristine data: the compiled
    // files and nothing else (no score table or log from a trial run in the build tree).
    void rozlozeni()
    {
        for (const QString program : {"/usr/bin/ortanel-verbano2", "/usr/sbin/ortanel-verbano2-data"})
            QVERIFY2(QFileInfo(v_koreni(program)).isExecutable(), qPrintable(program));
        for (const QString dokument : {"doc/ortanel-verbano2/copyright", "doc/ortanel-verbano2/changelog.gz",
                                       "doc/ortanel-verbano2/instalace.md", "man/man1/ortanel-verbano2.1.gz",
                                       "man/man8/ortanel-verbano2-data.8.gz"})
            QVERIFY2(QFileInfo(v_koreni("/usr/share/" + dokument)).size() > 0, qPrintable(dokument));
        QCOMPARE(soubory_pod(v_koreni(media)), soubory_pod(postaveno("media")));
        const QString puvodni = v_koreni("/usr/share/ortanel-verbano2/data");
        QCOMPARE(soubory_pod(puvodni), datove_soubory);
        for (const QString &f : datove_soubory)
            QVERIFY2(obsah(puvodni + "/" + f) == obsah(postaveno("data/" + f)), qPrintable(f));
    }

    // The menu entries (the pupils' program, the teacher's results) start the installed program
    // from Education, with its icon, in Slovak; the AppStream metadata names the
    // program and this version; both pass their validators.
    void polozka_menu_a_metainfo_data()
    {
        QTest::addColumn<QString>("polozka");
        QTest::newRow("pupils") << id;
        QTest::newRow("teacher") << id + ".ucitel";
    }
    void polozka_menu_a_metainfo()
    {
        QFETCH(QString, polozka);
        polozka = v_koreni("/usr/share/applications/" + polozka + ".desktop");
        const QString metainfo = v_koreni("/usr/share/metainfo/" + id + ".metainfo.xml");
        QHash<QString, QString> k;
        for (const QByteArray &radek : obsah(polozka).split('\n'))
            if (const qsizetype i = radek.indexOf('='); i > 0)
                k.insert(QString::fromUtf8(radek.left(i)), QString::fromUtf8(radek.mid(i + 1)));
        QVERIFY(QFileInfo(v_koreni("/usr/bin/" + k["Exec"].section(' ', 0, 0))).isExecutable());
        QVERIFY(QFile::exists(v_koreni("/usr/share/icons/hicolor/scalable/apps/" + k["Icon"] + ".svg")));
        QVERIFY(k["Categories"].split(';').contains("Education") && k["Comment[sk]"].contains("pravopisu"));
        QVERIFY(!k["Name[sk]"].isEmpty() && !k["GenericName[sk]"].isEmpty());
        const QString m = QString::fromUtf8(obsah(metainfo));
        for (const QString &kus : {"<id>" + id + "</id>", ">" + id + ".desktop</launchable>",
                                   QString("version=\"" ORTANEL_VERZE "\""), QString("<summary xml:lang=\"sk\">")})
            QVERIFY2(m.contains(kus), qPrintable(kus));
        for (const auto &[validator, argumenty] :
             {std::pair{"desktop-file-validate", QStringList{polozka}},
              std::pair{"appstreamcli", QStringList{"validate", "--no-net", metainfo}}}) {
            const auto [kod, vystup] = spust(validator, argumenty);
            QVERIFY2(kod == 0, qPrintable(validator + (": " + vystup)));
        }
    }

    void konfigurace_data()
    {
        QTest::addColumn<QByteArray>("ini_predtim");
        QTest::addColumn<QString>("cd");
        QTest::addColumn<QString>("hd");
        QTest::addColumn<QString>("jina_hd"); // HD of another program's section [VBN1], kept
        const auto radek = [](const char *nazev, const QByteArray &ini, const QString &cd, const QString &hd,
                              const QString &jina_hd) { QTest::newRow(nazev) << ini << cd << hd << jina_hd; };
        radek("no INI", {}, media, data, "ERROR");
        radek("another program's section", "[VBN1]\r\nCD=D:\\\r\nHD=C:\\VBN1\r\n", media, data, "C:\\VBN1");
        radek("last line without its end", "[VBN1]\nHD=/srv/vbn1", media, data, "/srv/vbn1");
        radek("administrator's shared folder", "[VBN2]\nCD=" + media.toUtf8() + "\nHD=/srv/skola/verbano\n", media,
              "/srv/skola/verbano", "ERROR");
        radek("section name in other case", "[ vbn2 ]\nhd=/mnt/trieda\ncd=/media/cdrom\n", "/media/cdrom",
              "/mnt/trieda", "ERROR");
    }
    // Configuring names the media and the shared data folder in the system's INI unless an
    // administrator named folders there; every pupil writes in the data folder: no sticky bit
    // (tables are replaced, stale locks removed), new files writable by all under any umask.
    void konfigurace()
    {
        QFETCH(QByteArray, ini_predtim);
        nakonfiguruj(ini_predtim);
        const QString ini = v_koreni(ini_cesta);
        QTEST(nacti_ini_hodnotu(ini, "VBN2", "CD"), "cd");
        QTEST(nacti_ini_hodnotu(ini, "VBN2", "HD"), "hd");
        QTEST(nacti_ini_hodnotu(ini, "VBN1", "HD"), "jina_hd");
        QCOMPARE(sekci_vbn2(ini), 1);
        struct stat st {
        };
        QVERIFY(::stat(QFile::encodeName(v_koreni(data)).constData(), &st) == 0 && (st.st_mode & 07777) == 0777);
        for (const QString maska : {"022", "077"}) {
            const QString novy = v_koreni(data + "/TAB.DAT." + maska);
            QCOMPARE(spust("sh", {"-c", "umask " + maska + " && : > \"$0\"", novy}).first, 0);
            QVERIFY(::stat(QFile::encodeName(novy).constData(), &st) == 0 && (st.st_mode & 0777) == 0666);
        }
    }

    // An upgrade brings the new exercise data and never touches what pupils wrote; a link a
    // pupil planted under a data file's name is replaced, never written through.
    void aktualizace()
    {
        nakonfiguruj();
        const QString slozka = v_koreni(data), cizi = koren_.path() + "/cizi.txt";
        const QByteArray tabulka("[8_3_DJ]\r\nAnna|9|1|1\r\n"), zaznam("Jméno: Anna\r\n");
        zapis(slozka + "/TAB.DAT", tabulka);
        zapis(slozka + "/VYSLEDKY.DAT", zaznam);
        zapis(slozka + "/TAB.DAT.lock", "123\nortanel-verbano2\n");
        zapis(cizi, "someone else's file");
        zapis(slozka + "/ZNAMKY.DAT", "an older version");
        QVERIFY(QFile::remove(slozka + "/VERBANO2.DAT") && QFile::remove(slozka + "/VYJIMKY.DAT"));
        QVERIFY(QFile::link(cizi, slozka + "/VERBANO2.DAT") &&
                QFile::link(koren_.path() + "/nic", slozka + "/VYJIMKY.DAT"));
        QCOMPARE(skript("postinst", "configure").first, 0);
        over_data();
        QVERIFY(obsah(slozka + "/TAB.DAT") == tabulka && obsah(slozka + "/VYSLEDKY.DAT") == zaznam);
        QVERIFY(QFile::exists(slozka + "/TAB.DAT.lock") && !QFile::exists(koren_.path() + "/nic"));
        QCOMPARE(obsah(cizi), QByteArray("someone else's file"));
        QCOMPARE(sekci_vbn2(v_koreni(ini_cesta)), 1);
        QCOMPARE(QDir(v_koreni("/var/lib")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"ortanel-verbano2"});
    }

    void odstraneni_data()
    {
        QTest::addColumn<QString>("akce");
        QTest::addColumn<QByteArray>("ini_predtim");
        QTest::addColumn<bool>("zustava"); // the data folder and our section; the INI besides when alone
        QTest::newRow("remove") << "remove" << QByteArray() << true;
        QTest::newRow("purge") << "purge" << QByteArray() << false;
        QTest::newRow("purge beside another program") << "purge" << QByteArray("[VBN1]\nHD=/srv/vbn1\n") << false;
    }
    // Removing keeps the pupils' results and the INI; purging takes away both, but never
    // another program's section of the shared INI.
    void odstraneni()
    {
        QFETCH(QString, akce);
        QFETCH(QByteArray, ini_predtim);
        QFETCH(bool, zustava);
        nakonfiguruj(ini_predtim);
        zapis(v_koreni(data + "/VYSLEDKY.DAT"), "Jméno: Anna\r\n");
        const auto [kod, vystup] = skript("postrm", akce);
        QVERIFY2(kod == 0, qPrintable(vystup));
        QVERIFY(QFileInfo::exists(v_koreni(data)) == zustava &&
                QFile::exists(v_koreni(data + "/VYSLEDKY.DAT")) == zustava);
        const QString ini = v_koreni(ini_cesta);
        QCOMPARE(QFile::exists(ini), zustava || !ini_predtim.isEmpty());
        QCOMPARE(nacti_ini_hodnotu(ini, "VBN2", "HD"), zustava ? data : "ERROR");
        QCOMPARE(nacti_ini_hodnotu(ini, "VBN1", "HD"), ini_predtim.isEmpty() ? "ERROR" : "/srv/vbn1");
    }
};

QTEST_GUILESS_MAIN(tst_instalace)
#include "tst_instalace.moc"
