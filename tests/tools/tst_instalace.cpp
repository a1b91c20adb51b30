// `cmake --install` lays the program out as a school's computer expects it, and the
// package's maintainer scripts set up the data folder every pupil shares and the system's
// ORTANEL.INI, which the program's own reader understands.
#include "shell/ini.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <sys/stat.h>

namespace
{

const QString media = QStringLiteral("/usr/share/ortanel-verbano2/media");
const QString data = QStringLiteral("/var/lib/ortanel-verbano2");
const QString ini_cesta = QStringLiteral("/etc/xdg/ORTANEL.INI");
const QStringList datove_soubory = {"VERBANO2.DAT", "VYJIMKY.DAT", "ZNAMKY.DAT"};
const QString id = QStringLiteral(ORTANEL_ID);

// Exit code and output of a program; -1 when it did not end normally.
std::pair<int, QString> spust(const QString &program, const QStringList &argumenty, const QString &promenna = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!promenna.isEmpty())
        env.insert(promenna.section(u'=', 0, 0), promenna.section(u'=', 1));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumenty);
    const bool dobehl = p.waitForFinished(240000) && p.exitStatus() == QProcess::NormalExit;
    return {dobehl ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
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

int sekci_vbn2(const QString &ini)
{
    static const QRegularExpression sekce(QStringLiteral("^\\s*\\[\\s*vbn2\\s*\\]"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::MultilineOption);
    int n = 0;
    for (auto it = sekce.globalMatch(QString::fromUtf8(obsah(ini))); it.hasNext(); it.next())
        ++n;
    return n;
}

} // namespace

class tst_instalace : public QObject
{
    Q_OBJECT

    QTemporaryDir koren_; // the installed system's root (DESTDIR and DPKG_ROOT)

    QString v_koreni(const QString &cesta) const { return koren_.path() + cesta; }
    static QString postaveno(const QString &relativni) { return QStringLiteral(ORTANEL_BUILD_DIR "/") + relativni; }

    std::pair<int, QString> skript(const QString &nazev, const QString &akce) const
    {
        return spust(QStringLiteral("sh"), {postaveno(QStringLiteral("packaging/debian/") + nazev), akce},
                     QStringLiteral("DPKG_ROOT=") + koren_.path());
    }
    // A machine before the package is configured (no INI, no data folder), then configured.
    void nakonfiguruj(const QByteArray &ini_predtim = {})
    {
        QDir(v_koreni(QStringLiteral("/etc"))).removeRecursively();
        QDir(v_koreni(QStringLiteral("/var"))).removeRecursively();
        if (!ini_predtim.isEmpty())
            zapis(v_koreni(ini_cesta), ini_predtim);
        const auto [kod, vystup] = skript(QStringLiteral("postinst"), QStringLiteral("configure"));
        QVERIFY2(kod == 0 && !vystup.contains(QLatin1String("warning")), qPrintable(vystup));
    }
    // The data folder holds the compiled data files.
    void over_data() const
    {
        for (const QString &f : datove_soubory) {
            QVERIFY(!QFileInfo(v_koreni(data + "/" + f)).isSymLink());
            QVERIFY2(obsah(v_koreni(data + "/" + f)) == obsah(postaveno("data/" + f)), qPrintable(f));
        }
    }

private slots:
    void initTestCase()
    {
        for (const char *cast : {"program", "media"}) {
            const auto [kod, vystup] = spust(QStringLiteral(ORTANEL_CMAKE),
                                             {"--install", ORTANEL_BUILD_DIR, "--prefix", "/usr", "--component", cast},
                                             QStringLiteral("DESTDIR=") + koren_.path());
            QVERIFY2(kod == 0, qPrintable(vystup));
        }
    }

    // The program and the data-folder tool, the documents, the whole media folder, and the
    // pristine data: the compiled files and nothing else (a score table or a log from a
    // trial run in the build tree is never shipped).
    void rozlozeni()
    {
        for (const QString program : {"/usr/bin/ortanel-verbano2", "/usr/sbin/ortanel-verbano2-data"})
            QVERIFY2(QFileInfo(v_koreni(program)).isExecutable(), qPrintable(program));
        for (const QString dokument :
             {"/usr/share/doc/ortanel-verbano2/copyright", "/usr/share/doc/ortanel-verbano2/changelog.gz",
              "/usr/share/doc/ortanel-verbano2/instalace.md", "/usr/share/man/man1/ortanel-verbano2.1.gz",
              "/usr/share/man/man8/ortanel-verbano2-data.8.gz"})
            QVERIFY2(QFileInfo(v_koreni(dokument)).size() > 0, qPrintable(dokument));
        QCOMPARE(soubory_pod(v_koreni(media)), soubory_pod(postaveno(QStringLiteral("media"))));
        const QString puvodni = v_koreni(QStringLiteral("/usr/share/ortanel-verbano2/data"));
        QCOMPARE(soubory_pod(puvodni), datove_soubory);
        for (const QString &f : datove_soubory)
            QVERIFY2(obsah(puvodni + "/" + f) == obsah(postaveno("data/" + f)), qPrintable(f));
    }

    // The menu entry starts the program from Education, with its icon, in Slovak for the
    // pupils' desktops and English elsewhere; the AppStream metadata names it.
    void polozka_menu_a_metainfo()
    {
        const QString polozka = v_koreni("/usr/share/applications/" + id + ".desktop");
        QHash<QString, QString> k;
        for (const QByteArray &radek : obsah(polozka).split('\n'))
            if (const qsizetype i = radek.indexOf('='); i > 0 && !radek.startsWith('#'))
                k.insert(QString::fromUtf8(radek.left(i)), QString::fromUtf8(radek.mid(i + 1)));
        QCOMPARE(k.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QVERIFY(QFileInfo(v_koreni("/usr/bin/" + k.value(QStringLiteral("Exec")).section(' ', 0, 0))).isExecutable());
        QVERIFY(QFile::exists(v_koreni("/usr/share/icons/hicolor/48x48/apps/" + k.value("Icon") + ".png")));
        QVERIFY(k.value(QStringLiteral("Categories")).split(';').contains(QStringLiteral("Education")));
        for (const QString klic : {"Name", "Comment", "GenericName"})
            QVERIFY2(!k.value(klic).isEmpty() && !k.value(klic + "[sk]").isEmpty(), qPrintable(klic));
        QVERIFY(k.value(QStringLiteral("Comment[sk]")).contains(QStringLiteral("pravopisu")));

        const QString metainfo = v_koreni("/usr/share/metainfo/" + id + ".metainfo.xml");
        QFile f(metainfo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QHash<QString, QString> m;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                const QString jmeno =
                    xml.name().toString() + xml.attributes().value(QLatin1String("xml:lang")).toString();
                if (xml.name() == u"release")
                    m[jmeno] = xml.attributes().value(QLatin1String("version")).toString();
                else if (QStringList{"id", "launchable", "summarysk"}.contains(jmeno))
                    m[jmeno] = xml.readElementText();
            }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(m.value(QStringLiteral("id")), id);
        QCOMPARE(m.value(QStringLiteral("launchable")), id + ".desktop");
        QCOMPARE(m.value(QStringLiteral("release")), QStringLiteral(ORTANEL_VERZE));
        QVERIFY(!m.value(QStringLiteral("summarysk")).isEmpty());
        for (const auto &[validator, argumenty] :
             {std::pair{"desktop-file-validate", QStringList{polozka}},
              std::pair{"appstreamcli", QStringList{"validate", "--no-net", metainfo}}})
            if (const QString v = QStandardPaths::findExecutable(QLatin1String(validator)); !v.isEmpty()) {
                const auto [kod, vystup] = spust(v, argumenty);
                QVERIFY2(kod == 0, qPrintable(vystup));
            }
    }

    void ikony_data()
    {
        QTest::addColumn<int>("velikost");
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256, 512})
            QTest::addRow("%d px", n) << n;
    }
    // Every size is the same picture: a blue rounded square, transparent outside its
    // corners, with white letters; and a scalable one.
    void ikony()
    {
        QFETCH(int, velikost);
        const QImage o(v_koreni(QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/").arg(velikost) + id + ".png"));
        QCOMPARE(o.size(), QSize(velikost, velikost));
        QVERIFY(qAlpha(o.pixel(0, 0)) == 0 && qAlpha(o.pixel(velikost - 1, velikost - 1)) == 0);
        const QColor horni = o.pixelColor(velikost / 2, velikost / 9);
        QVERIFY2(horni.alpha() == 255 && horni.blue() > horni.red() + 60, qPrintable(horni.name()));
        int bilych = 0;
        for (int y = 0; y < velikost; ++y)
            for (int x = 0; x < velikost; ++x)
                bilych += qGray(o.pixel(x, y)) > 200 && qAlpha(o.pixel(x, y)) == 255;
        QVERIFY2(bilych > velikost * velikost / 40, qPrintable(QString::number(bilych)));
        QXmlStreamReader svg(obsah(v_koreni("/usr/share/icons/hicolor/scalable/apps/" + id + ".svg")));
        QVERIFY(svg.readNextStartElement() && svg.name() == u"svg");
        QCOMPARE(svg.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
    }

    void konfigurace_data()
    {
        QTest::addColumn<QByteArray>("ini_predtim");
        QTest::addColumn<QString>("cd");
        QTest::addColumn<QString>("hd");
        QTest::addColumn<QString>("jina_hd"); // HD of another program's section [VBN1], kept
        QTest::newRow("no INI") << QByteArray() << media << data << "ERROR";
        QTest::newRow("another program's section")
            << QByteArray("[VBN1]\r\nCD=D:\\\r\nHD=C:\\VBN1\r\n") << media << data << "C:\\VBN1";
        QTest::newRow("last line without its end")
            << QByteArray("[VBN1]\nHD=/srv/vbn1") << media << data << "/srv/vbn1";
        QTest::newRow("administrator's shared folder")
            << QByteArray("[VBN2]\nCD=" + media.toUtf8() + "\nHD=/srv/skola/verbano\n") << media << "/srv/skola/verbano"
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
        nakonfiguruj(ini_predtim);
        const QString ini = v_koreni(ini_cesta);
        QTEST(nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("CD")), "cd");
        QTEST(nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("HD")), "hd");
        QTEST(nacti_ini_hodnotu(ini, QStringLiteral("VBN1"), QStringLiteral("HD")), "jina_hd");
        QCOMPARE(sekci_vbn2(ini), 1);
        over_data();
    }

    // Every pupil writes in the data folder: no sticky bit (a pupil replaces the table
    // another wrote, and removes another's stale lock), and what anyone creates there is
    // writable by all even under a umask of 022 or 077.
    void sdilena_slozka()
    {
        nakonfiguruj();
        struct stat st {
        };
        QCOMPARE(::stat(QFile::encodeName(v_koreni(data)).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0777));
        for (const char *maska : {"022", "077"}) {
            const QString novy = v_koreni(data + "/TAB.DAT");
            QFile::remove(novy);
            QCOMPARE(spust("sh", {"-c", QStringLiteral("umask %1 && : > \"$0\"").arg(maska), novy}).first, 0);
            QCOMPARE(::stat(QFile::encodeName(novy).constData(), &st), 0);
            QVERIFY2((st.st_mode & 0777) == 0666, maska);
        }
    }

    // An upgrade brings the new exercise data and never touches what pupils wrote. Pupils
    // can rename anything in the shared folder: a link planted under a data file's name is
    // replaced, never written through, and nothing is left beside the folder.
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
        for (const QString f : {"VERBANO2.DAT", "VYJIMKY.DAT"})
            QVERIFY(QFile::remove(slozka + "/" + f));
        QVERIFY(QFile::link(cizi, slozka + "/VERBANO2.DAT") &&
                QFile::link(koren_.path() + "/nic", slozka + "/VYJIMKY.DAT"));
        QCOMPARE(skript(QStringLiteral("postinst"), QStringLiteral("configure")).first, 0);
        QCOMPARE(obsah(slozka + "/TAB.DAT"), tabulka);
        QCOMPARE(obsah(slozka + "/VYSLEDKY.DAT"), zaznam);
        QVERIFY(QFile::exists(slozka + "/TAB.DAT.lock"));
        QCOMPARE(obsah(cizi), QByteArray("someone else's file"));
        QVERIFY(!QFile::exists(koren_.path() + "/nic"));
        over_data();
        QCOMPARE(sekci_vbn2(v_koreni(ini_cesta)), 1);
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
        nakonfiguruj(ini_predtim);
        zapis(v_koreni(data + "/VYSLEDKY.DAT"), "Jméno: Anna\r\n");
        const auto [kod, vystup] = skript(QStringLiteral("postrm"), akce);
        QVERIFY2(kod == 0, qPrintable(vystup));
        QCOMPARE(QFile::exists(v_koreni(data + "/VYSLEDKY.DAT")), zustava);
        QCOMPARE(QFileInfo::exists(v_koreni(data)), zustava);
        const QString ini = v_koreni(ini_cesta);
        QTEST(QFile::exists(ini), "ini_zustava");
        QCOMPARE(nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("HD")), zustava ? data : "ERROR");
        if (!ini_predtim.isEmpty())
            QCOMPARE(nacti_ini_hodnotu(ini, QStringLiteral("VBN1"), QStringLiteral("HD")), QStringLiteral("/srv/vbn1"));
    }
};

QTEST_GUILESS_MAIN(tst_instalace)
#include "tst_instalace.moc"
