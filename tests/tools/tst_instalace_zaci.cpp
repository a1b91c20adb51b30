// Two pupils, two Unix users, one data folder prepared as the package prepares it: each
// finishes exercises, the second replaces the score table the first wrote, appends to the
// first's log and takes over the locks the first's program left when it died. Needs root:
// it runs itself (--zak FOLDER NAME CORRECT WRONG, --spadne FOLDER) as two users with
// runuser, as the first two of nobody, daemon, bin and sys.
#include "common/soubory.h"
#include "common/stav.h"
#include "results/tabulka.h"
#include "results/zamek.h"
#include "results/zaznam.h"
#include "results/znamka.h"
#include "spolecne.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

spolecny_stav_t stav_cviceni(const QString &slozka, const QString &jmeno = {}, int spravne = 0, int spatne = 0)
{
    return {.adresar_media = {},
            .adresar_dat = slozka,
            .rocnik = 3,
            .tema = 3,
            .pocet_uloh = 10,
            .druh_ulohy = druh_t::doplnovacka,
            .jmeno_zaka = jmeno,
            .pocet_spravne = spravne,
            .pocet_spatne = spatne,
            .vsetko_skontrolovane = true};
}

// What the results screen writes for a finished exercise: the log record and the table.
int zak(const QStringList &a)
{
    const spolecny_stav_t stav = stav_cviceni(a.value(0), a.value(1), a.value(2).toInt(), a.value(3).toInt());
    const int znamka = vrat_znamku(stav);
    return uloz_vysledky(stav, znamka) && nacti_tabulku(stav, znamka).ulozeni == ulozeni_tabulky_t::ulozena ? 0 : 1;
}

// A program that dies while it holds the locks of the table and the log.
int spadne(const QString &slozka)
{
    for (const char *soubor : {"TAB.DAT", "VYSLEDKY.DAT"})
        if (!(new zamek_souboru_t(spoj_cestu(slozka, QLatin1String(soubor))))->zamkni())
            return 1;
    _exit(0);
}

uint vlastnik(const QString &cesta) { return QFileInfo(cesta).ownerId(); }

} // namespace

class tst_instalace_zaci : public QObject
{
    Q_OBJECT

    QTemporaryDir koren_;
    QList<std::pair<QString, uint>> zaci_;

    // This test program as pupil i with the given umask; its exit code.
    int jako(int i, const QString &maska, const QStringList &argumenty) const
    {
        const auto [kod, vystup] = spust("runuser", QStringList{"-u", zaci_[i].first, "--", "sh", "-c",
                                                                "umask " + maska + " && exec \"$0\" \"$@\"",
                                                                QCoreApplication::applicationFilePath()} +
                                                        argumenty);
        if (kod != 0)
            qWarning() << zaci_[i].first << argumenty << vystup;
        return kod;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("acting as two pupils needs root (runuser)");
        for (const char *jmeno : {"nobody", "daemon", "bin", "sys"})
            if (const passwd *pw = ::getpwnam(jmeno); pw && pw->pw_uid != 0)
                zaci_.append({jmeno, pw->pw_uid});
        if (zaci_.size() < 2)
            QSKIP("no two unprivileged users to act as pupils");
        // The pupils run this very program: every folder above it must let them through.
        for (QDir d = QFileInfo(QCoreApplication::applicationFilePath()).dir(); !d.isRoot(); d.cdUp())
            if (!QFileInfo(d.path()).permissions().testFlag(QFileDevice::ExeOther))
                QSKIP("the build folder is closed to other users");
        // The pupils reach the folders inside; only root writes beside them.
        QVERIFY(::chmod(QFile::encodeName(koren_.path()).constData(), 0755) == 0);
        qputenv("DESTDIR", (koren_.path() + "/system").toLocal8Bit());
        const auto [kod, vystup] =
            spust(ORTANEL_CMAKE, {"--install", ORTANEL_BUILD_DIR, "--prefix", "/usr", "--component", "program"});
        QVERIFY2(kod == 0, qPrintable(vystup));
    }

    void dva_zaci_data()
    {
        QTest::addColumn<QString>("maska");
        for (const char *maska : {"022", "077", "002"})
            QTest::addRow("umask %s", maska) << maska;
    }
    void dva_zaci()
    {
        QFETCH(QString, maska);
        const QString slozka = koren_.path() + "/data-" + maska;
        const auto [kod, vystup] = spust(koren_.path() + "/system/usr/sbin/ortanel-verbano2-data", {slozka});
        QVERIFY2(kod == 0 && !vystup.contains("warning"), qPrintable(vystup));
        const uint a = zaci_[0].second, b = zaci_[1].second;

        QCOMPARE(jako(0, maska, {"--zak", slozka, "Anna", "9", "1"}), 0);
        QCOMPARE(vlastnik(slozka + "/TAB.DAT"), a);
        QCOMPARE(jako(1, maska, {"--zak", slozka, "Boris", "7", "3"}), 0);
        QCOMPARE(vlastnik(slozka + "/TAB.DAT"), b); // replaced, not rewritten in place
        QCOMPARE(vlastnik(slozka + "/VYSLEDKY.DAT"), a);

        QCOMPARE(jako(0, maska, {"--spadne", slozka}), 0);
        QVERIFY(vlastnik(slozka + "/TAB.DAT.lock") == a && vlastnik(slozka + "/VYSLEDKY.DAT.lock") == a);
        // A while ago, and with only its owner allowed in (a folder without the ACL).
        for (const char *zamek : {"/TAB.DAT.lock", "/VYSLEDKY.DAT.lock"})
            QVERIFY(QFile::setPermissions(slozka + zamek, QFile::ReadOwner | QFile::WriteOwner) &&
                    spust("touch", {"-d", "-1 minute", slozka + zamek}).first == 0);
        QElapsedTimer hodiny;
        hodiny.start();
        QCOMPARE(jako(1, maska, {"--zak", slozka, "Boris", "10", "0"}), 0);
        QVERIFY2(hodiny.elapsed() < 5000, "a dead program's lock is taken over at once");
        QVERIFY(!QFile::exists(slozka + "/TAB.DAT.lock") && !QFile::exists(slozka + "/VYSLEDKY.DAT.lock"));

        // The table as the results screen shows it, best first; three whole records of
        // four lines in the log, in the order the pupils finished.
        QStringList tabulka, log;
        for (const auto &z : nacti_tabulku(stav_cviceni(slozka), 0).zobrazeni)
            if (!z.radek.jmeno.isEmpty())
                tabulka.append(QString("%1 %2 %3").arg(z.radek.jmeno).arg(z.radek.spravne).arg(z.radek.spatne));
        QCOMPARE(tabulka, (QStringList{"Boris 10 0", "Anna 9 1", "Boris 7 3"}));
        const auto radky = nacti_radky_bajtu(slozka + "/VYSLEDKY.DAT");
        for (int i = 0; radky && i < radky->size(); i += 4)
            log.append(z_cp1250(radky->at(i)).section("  ", 0, 0));
        QCOMPARE(log, (QStringList{"Jméno: Anna", "Jméno: Boris", "Jméno: Boris"}));
        QCOMPARE(radky->size(), 3 * 4);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList argumenty = app.arguments();
    if (argumenty.value(1) == QLatin1String("--zak"))
        return zak(argumenty.mid(2));
    if (argumenty.value(1) == QLatin1String("--spadne"))
        return spadne(argumenty.value(2));
    tst_instalace_zaci test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instalace_zaci.moc"
