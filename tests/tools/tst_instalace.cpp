// `cmake --install` lays the program out as a school's computer expects it, and the
// package's maintainer scripts set up the data folder every pupil shares and the system's
// ORTANEL.INI, which the program's own reader understands.
#include "shell/ini.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <sys/stat.h>

namespace
{

const QString media_cesta = QStringLiteral("/usr/share/ortanel-verbano2/media");
const QString data_cesta = QStringLiteral("/var/lib/ortanel-verbano2");
const QString ini_cesta = QStringLiteral("/etc/xdg/ORTANEL.INI");
const QStringList datove_soubory = {QStringLiteral("VERBANO2.DAT"), QStringLiteral("VYJIMKY.DAT"),
                                    QStringLiteral("ZNAMKY.DAT")};

struct beh_t {
    int kod = -1;
    QString vystup;
};

beh_t spust(const QString &program, const QStringList &argumenty, const QStringList &prostredi = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &s : prostredi)
        env.insert(s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumenty);
    if (!p.waitForFinished(240000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, QString::fromLocal8Bit(p.readAll())};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAll())};
}

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zapis(const QString &cesta, const QByteArray &bajty)
{
    QDir().mkpath(QFileInfo(cesta).path());
    QFile f(cesta);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bajty), bajty.size());
}

QStringList soubory_pod(const QString &slozka)
{
    QStringList s;
    QDirIterator it(slozka, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        s.append(QDir(slozka).relativeFilePath(it.next()));
    s.sort();
    return s;
}

// The [Desktop Entry] keys of a desktop file.
QHash<QString, QString> klice_polozky(const QString &cesta)
{
    QHash<QString, QString> klice;
    for (const QByteArray &radek : obsah(cesta).split('\n')) {
        const qsizetype rovnitko = radek.indexOf('=');
        if (rovnitko > 0 && !radek.startsWith('#'))
            klice.insert(QString::fromUtf8(radek.left(rovnitko)), QString::fromUtf8(radek.mid(rovnitko + 1)));
    }
    return klice;
}

int pocet_sekci_vbn2(const QString &ini)
{
    int n = 0;
    for (const QByteArray &radek : obsah(ini).split('\n')) {
        const QByteArray r = radek.trimmed().toLower();
        if (r.startsWith('[') && r.mid(1, r.indexOf(']') - 1).trimmed() == "vbn2")
            ++n;
    }
    return n;
}

} // namespace

class tst_instalace : public QObject
{
    Q_OBJECT

    QTemporaryDir koren_; // the installed system's root (DESTDIR and DPKG_ROOT)

    QString v_koreni(const QString &cesta) const { return koren_.path() + cesta; }
    QString postaveno(const QString &relativni) const { return QStringLiteral(ORTANEL_BUILD_DIR "/") + relativni; }

    beh_t skript(const QString &nazev, const QString &akce) const
    {
        return spust(QStringLiteral("sh"), {postaveno(QStringLiteral("packaging/debian/") + nazev), akce},
                     {QStringLiteral("DPKG_ROOT=") + koren_.path()});
    }
    // The state of a machine before the package is configured: no INI, no data folder.
    void vycisti_system()
    {
        QDir(v_koreni(QStringLiteral("/etc"))).removeRecursively();
        QDir(v_koreni(QStringLiteral("/var"))).removeRecursively();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(koren_.isValid());
        for (const char *cast : {"program", "media"}) {
            const beh_t b =
                spust(QStringLiteral(ORTANEL_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(ORTANEL_BUILD_DIR), QStringLiteral("--prefix"),
                       QStringLiteral("/usr"), QStringLiteral("--component"), QLatin1String(cast)},
                      {QStringLiteral("DESTDIR=") + koren_.path()});
            QVERIFY2(b.kod == 0, qPrintable(b.vystup));
        }
    }

    void rozlozeni_data()
    {
        QTest::addColumn<QString>("cesta");
        QTest::addColumn<bool>("spustitelny");
        QTest::newRow("program") << "/usr/bin/ortanel-verbano2" << true;
        QTest::newRow("data folder tool") << "/usr/sbin/ortanel-verbano2-data" << true;
        QTest::newRow("title picture") << media_cesta + "/GRAFIKA/TITLE.BMP" << false;
        QTest::newRow("click sound") << media_cesta + "/ZVUK/CLICK.WAV" << false;
        for (const QString &f : datove_soubory)
            QTest::newRow(qPrintable(f)) << "/usr/share/ortanel-verbano2/data/" + f << false;
        QTest::newRow("menu entry") << "/usr/share/applications/" ORTANEL_ID ".desktop" << false;
        QTest::newRow("metainfo") << "/usr/share/metainfo/" ORTANEL_ID ".metainfo.xml" << false;
        QTest::newRow("scalable icon") << "/usr/share/icons/hicolor/scalable/apps/" ORTANEL_ID ".svg" << false;
        QTest::newRow("copyright") << "/usr/share/doc/ortanel-verbano2/copyright" << false;
        QTest::newRow("changelog") << "/usr/share/doc/ortanel-verbano2/changelog.gz" << false;
        QTest::newRow("guide") << "/usr/share/doc/ortanel-verbano2/instalace.md" << false;
        QTest::newRow("manual page") << "/usr/share/man/man1/ortanel-verbano2.1.gz" << false;
        QTest::newRow("tool's manual page") << "/usr/share/man/man8/ortanel-verbano2-data.8.gz" << false;
    }
    void rozlozeni()
    {
        QFETCH(QString, cesta);
        QFETCH(bool, spustitelny);
        const QFileInfo info(v_koreni(cesta));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(cesta));
        QCOMPARE(info.isExecutable(), spustitelny);
    }

    // The pristine data are the compiled files and nothing else: a score table or a log
    // from a trial run in the build tree is never shipped.
    void puvodni_data()
    {
        const QString slozka = v_koreni(QStringLiteral("/usr/share/ortanel-verbano2/data"));
        QCOMPARE(soubory_pod(slozka), datove_soubory);
        for (const QString &f : datove_soubory)
            QVERIFY2(obsah(slozka + "/" + f) == obsah(postaveno("data/" + f)), qPrintable(f));
    }

    void cela_media() { QCOMPARE(soubory_pod(v_koreni(media_cesta)), soubory_pod(postaveno(QStringLiteral("media")))); }

    void polozka_menu()
    {
        const QString soubor = v_koreni(QStringLiteral("/usr/share/applications/" ORTANEL_ID ".desktop"));
        const auto k = klice_polozky(soubor);
        QCOMPARE(k.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QVERIFY(QFileInfo(v_koreni("/usr/bin/" + k.value(QStringLiteral("Exec")).section(' ', 0, 0))).isExecutable());
        const QString ikona = k.value(QStringLiteral("Icon"));
        QVERIFY(QFile::exists(v_koreni("/usr/share/icons/hicolor/scalable/apps/" + ikona + ".svg")));
        QVERIFY(QFile::exists(v_koreni("/usr/share/icons/hicolor/48x48/apps/" + ikona + ".png")));
        QVERIFY(k.value(QStringLiteral("Categories")).split(';').contains(QStringLiteral("Education")));
        // Slovak for the pupils' desktops, English where Slovak is not the language.
        for (const char *klic : {"Name", "Comment", "GenericName"}) {
            const QString en = k.value(QLatin1String(klic));
            const QString sk = k.value(QLatin1String(klic) + QStringLiteral("[sk]"));
            QVERIFY2(!en.isEmpty() && !sk.isEmpty(), klic);
        }
        QVERIFY(k.value(QStringLiteral("Comment[sk]")).contains(QStringLiteral("pravopisu")));
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            const beh_t b = spust(validator, {soubor});
            QVERIFY2(b.kod == 0 && b.vystup.trimmed().isEmpty(), qPrintable(b.vystup));
        }
    }

    void metainfo()
    {
        const QString soubor = v_koreni(QStringLiteral("/usr/share/metainfo/" ORTANEL_ID ".metainfo.xml"));
        QFile f(soubor);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QString id, spoustec, verze;
        bool slovensky_souhrn = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto jmeno = xml.name();
            if (jmeno == QLatin1String("id"))
                id = xml.readElementText();
            else if (jmeno == QLatin1String("launchable"))
                spoustec = xml.readElementText();
            else if (jmeno == QLatin1String("release"))
                verze = xml.attributes().value(QLatin1String("version")).toString();
            else if (jmeno == QLatin1String("summary") && xml.attributes().value(QLatin1String("xml:lang")) == u"sk")
                slovensky_souhrn = !xml.readElementText().isEmpty();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(id, QStringLiteral(ORTANEL_ID));
        QCOMPARE(spoustec, QStringLiteral(ORTANEL_ID ".desktop"));
        QVERIFY(QFile::exists(v_koreni("/usr/share/applications/" + spoustec)));
        QCOMPARE(verze, QStringLiteral(ORTANEL_VERZE));
        QVERIFY(slovensky_souhrn);
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (!validator.isEmpty()) {
            const beh_t b = spust(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), soubor});
            QVERIFY2(b.kod == 0, qPrintable(b.vystup));
        }
    }

    void ikony_data()
    {
        QTest::addColumn<int>("velikost");
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256, 512})
            QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(n))) << n;
    }
    // Every size is the same picture: a blue rounded square, transparent outside its
    // corners, with white letters.
    void ikony()
    {
        QFETCH(int, velikost);
        const QImage obrazek(
            v_koreni(QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/" ORTANEL_ID ".png").arg(velikost)));
        QCOMPARE(obrazek.size(), QSize(velikost, velikost));
        QCOMPARE(qAlpha(obrazek.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(obrazek.pixel(velikost - 1, velikost - 1)), 0);
        const QColor horni = obrazek.pixelColor(velikost / 2, velikost / 9);
        QVERIFY2(horni.alpha() == 255 && horni.blue() > horni.red() + 60, qPrintable(horni.name()));
        int bilych = 0;
        for (int y = 0; y < velikost; ++y)
            for (int x = 0; x < velikost; ++x)
                bilych += qGray(obrazek.pixel(x, y)) > 200 && qAlpha(obrazek.pixel(x, y)) == 255;
        QVERIFY2(bilych > velikost * velikost / 40, qPrintable(QString::number(bilych)));
    }

    void svg_ikona()
    {
        QFile f(v_koreni(QStringLiteral("/usr/share/icons/hicolor/scalable/apps/" ORTANEL_ID ".svg")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        QCOMPARE(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
        int cest = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("path"))
                ++cest;
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(cest >= 4); // square, rim, letters, stroke
    }

    void konfigurace_data()
    {
        QTest::addColumn<QByteArray>("ini_predtim");
        QTest::addColumn<QString>("cd");
        QTest::addColumn<QString>("hd");
        QTest::addColumn<QString>("jina_hd"); // HD of another program's section [VBN1], kept
        QTest::newRow("no INI") << QByteArray() << media_cesta << data_cesta << "ERROR";
        QTest::newRow("another program's section")
            << QByteArray("[VBN1]\r\nCD=D:\\\r\nHD=C:\\VBN1\r\n") << media_cesta << data_cesta << "C:\\VBN1";
        QTest::newRow("last line without its end")
            << QByteArray("[VBN1]\nHD=/srv/vbn1") << media_cesta << data_cesta << "/srv/vbn1";
        QTest::newRow("administrator's shared folder")
            << QByteArray("[VBN2]\nCD=/usr/share/ortanel-verbano2/media\nHD=/srv/skola/verbano\n") << media_cesta
            << "/srv/skola/verbano"
            << "ERROR";
        QTest::newRow("section name in other case")
            << QByteArray("[ vbn2 ]\nhd=/mnt/trieda\ncd=/media/cdrom\n") << "/media/cdrom"
            << "/mnt/trieda"
            << "ERROR";
    }
    // The package's configuration names the installed media and the shared data folder in
    // the system's INI, unless an administrator has named folders there already.
    void konfigurace()
    {
        QFETCH(QByteArray, ini_predtim);
        QFETCH(QString, cd);
        QFETCH(QString, hd);
        QFETCH(QString, jina_hd);
        vycisti_system();
        const QString ini = v_koreni(ini_cesta);
        if (!ini_predtim.isEmpty())
            zapis(ini, ini_predtim);

        const beh_t b = skript(QStringLiteral("postinst"), QStringLiteral("configure"));
        QVERIFY2(b.kod == 0, qPrintable(b.vystup));

        QCOMPARE(nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("CD")), cd);
        QCOMPARE(nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("HD")), hd);
        QCOMPARE(nacti_ini_hodnotu(ini, QStringLiteral("VBN1"), QStringLiteral("HD")), jina_hd);
        QCOMPARE(pocet_sekci_vbn2(ini), 1);
        QVERIFY(QFile::exists(v_koreni(media_cesta + "/GRAFIKA/TITLE.BMP")));
        for (const QString &f : datove_soubory)
            QCOMPARE(obsah(v_koreni(data_cesta + "/" + f)), obsah(postaveno("data/" + f)));
    }

    // Every pupil writes in the data folder: no sticky bit (a pupil replaces the table
    // another wrote, and removes another's stale lock), and what anyone creates there is
    // writable by all even under a umask of 022 or 077.
    void sdilena_slozka()
    {
        vycisti_system();
        const beh_t b = skript(QStringLiteral("postinst"), QStringLiteral("configure"));
        QVERIFY2(b.kod == 0, qPrintable(b.vystup));
        QVERIFY2(!b.vystup.contains(QLatin1String("warning")), qPrintable(b.vystup));
        const QString slozka = v_koreni(data_cesta);
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(slozka).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0777));
        for (const char *maska : {"022", "077"}) {
            const QString novy = slozka + "/TAB.DAT";
            QFile::remove(novy);
            const beh_t s = spust(QStringLiteral("sh"),
                                  {QStringLiteral("-c"), QStringLiteral("umask %1 && : > \"$0\"").arg(maska), novy});
            QCOMPARE(s.kod, 0);
            QCOMPARE(::stat(QFile::encodeName(novy).constData(), &st), 0);
            QVERIFY2((st.st_mode & 0777) == 0666, maska);
        }
    }

    // An upgrade brings the new exercise data and never touches what pupils wrote.
    void aktualizace()
    {
        vycisti_system();
        QCOMPARE(skript(QStringLiteral("postinst"), QStringLiteral("configure")).kod, 0);
        const QString slozka = v_koreni(data_cesta);
        const QByteArray tabulka("[8_3_DJ]\r\nAnna|9|1|1\r\n");
        const QByteArray zaznam("Jméno: Anna\r\n");
        zapis(slozka + "/TAB.DAT", tabulka);
        zapis(slozka + "/VYSLEDKY.DAT", zaznam);
        zapis(slozka + "/TAB.DAT.lock", "123\nortanel-verbano2\n");
        zapis(slozka + "/VERBANO2.DAT", "an older version");
        QVERIFY(QFile::remove(slozka + "/ZNAMKY.DAT"));

        const beh_t b = skript(QStringLiteral("postinst"), QStringLiteral("configure"));
        QVERIFY2(b.kod == 0, qPrintable(b.vystup));
        QCOMPARE(obsah(slozka + "/TAB.DAT"), tabulka);
        QCOMPARE(obsah(slozka + "/VYSLEDKY.DAT"), zaznam);
        QVERIFY(QFile::exists(slozka + "/TAB.DAT.lock"));
        for (const QString &f : datove_soubory)
            QCOMPARE(obsah(slozka + "/" + f), obsah(postaveno("data/" + f)));
        QCOMPARE(pocet_sekci_vbn2(v_koreni(ini_cesta)), 1);
    }

    // Pupils can rename anything in the shared folder: a link planted under a data file's
    // name is replaced, never written through, and nothing is left beside the folder.
    void podvrzeny_odkaz()
    {
        vycisti_system();
        const QString slozka = v_koreni(data_cesta);
        QVERIFY(QDir().mkpath(slozka));
        const QString cil = koren_.path() + "/cizi.txt";
        zapis(cil, "someone else's file");
        QVERIFY(QFile::link(cil, slozka + "/VERBANO2.DAT"));
        QVERIFY(QFile::link(koren_.path() + "/nic", slozka + "/VYJIMKY.DAT"));

        const beh_t b = skript(QStringLiteral("postinst"), QStringLiteral("configure"));
        QVERIFY2(b.kod == 0, qPrintable(b.vystup));
        QCOMPARE(obsah(cil), QByteArray("someone else's file"));
        QVERIFY(!QFile::exists(koren_.path() + "/nic"));
        for (const QString &f : datove_soubory) {
            QVERIFY(!QFileInfo(slozka + "/" + f).isSymLink());
            QCOMPARE(obsah(slozka + "/" + f), obsah(postaveno("data/" + f)));
        }
        QCOMPARE(QDir(v_koreni(QStringLiteral("/var/lib")))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("ortanel-verbano2")});
    }

    void odstraneni_data()
    {
        QTest::addColumn<QString>("akce");
        QTest::addColumn<QByteArray>("ini_predtim");
        QTest::addColumn<bool>("zustava");     // data folder and our section
        QTest::addColumn<bool>("ini_zustava"); // the INI file
        QTest::newRow("remove") << "remove" << QByteArray() << true << true;
        QTest::newRow("purge") << "purge" << QByteArray() << false << false;
        QTest::newRow("purge beside another program")
            << "purge" << QByteArray("[VBN1]\nHD=/srv/vbn1\n") << false << true;
    }
    // Removing keeps the pupils' results and the INI; purging takes away both, but never
    // another program's section of the shared INI.
    void odstraneni()
    {
        QFETCH(QString, akce);
        QFETCH(QByteArray, ini_predtim);
        QFETCH(bool, zustava);
        QFETCH(bool, ini_zustava);
        vycisti_system();
        const QString ini = v_koreni(ini_cesta);
        if (!ini_predtim.isEmpty())
            zapis(ini, ini_predtim);
        QCOMPARE(skript(QStringLiteral("postinst"), QStringLiteral("configure")).kod, 0);
        zapis(v_koreni(data_cesta + "/VYSLEDKY.DAT"), "Jméno: Anna\r\n");

        const beh_t b = skript(QStringLiteral("postrm"), akce);
        QVERIFY2(b.kod == 0, qPrintable(b.vystup));
        QCOMPARE(QFile::exists(v_koreni(data_cesta + "/VYSLEDKY.DAT")), zustava);
        QCOMPARE(QFileInfo::exists(v_koreni(data_cesta)), zustava);
        QCOMPARE(QFile::exists(ini), ini_zustava);
        QCOMPARE(nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("HD")),
                 zustava ? data_cesta : QStringLiteral("ERROR"));
        if (!ini_predtim.isEmpty())
            QCOMPARE(nacti_ini_hodnotu(ini, QStringLiteral("VBN1"), QStringLiteral("HD")), QStringLiteral("/srv/vbn1"));
    }
};

QTEST_GUILESS_MAIN(tst_instalace)
#include "tst_instalace.moc"
