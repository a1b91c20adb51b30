// Two pupils, two Unix users, one data folder prepared as the package prepares it: each
// finishes exercises, the second replaces the score table the first wrote, appends to the
// first's log and takes over the locks the first's program left when it died.
//
// Needs root (it runs itself as the two users with runuser). The pupils are ORTANEL_ZACI
// ("anna,boris") or the first two of nobody, daemon, bin and sys.
//
// Run by hand as one pupil on any data folder:
//   tst_instalace_zaci --zak FOLDER NAME CORRECT WRONG   one finished exercise
//   tst_instalace_zaci --spadne FOLDER                   dies holding both locks
#include "common/soubory.h"
#include "common/stav.h"
#include "results/tabulka.h"
#include "results/zamek.h"
#include "results/zaznam.h"
#include "results/znamka.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

spolecny_stav_t stav_cviceni(const QString &slozka, const QString &jmeno, int spravne, int spatne)
{
    spolecny_stav_t stav;
    stav.adresar_dat = slozka;
    stav.rocnik = 3;
    stav.tema = 3;
    stav.druh_ulohy = QStringLiteral("DOPLNOVACKA");
    stav.pocet_uloh = 10;
    stav.jmeno_zaka = jmeno;
    stav.pocet_spravne = spravne;
    stav.pocet_spatne = spatne;
    stav.vsetko_skontrolovane = true;
    return stav;
}

// What the results screen writes for a finished exercise: the log record and the table.
int zak(const QStringList &a)
{
    if (a.size() != 4)
        return 2;
    const spolecny_stav_t stav = stav_cviceni(a[0], a[1], a[2].toInt(), a[3].toInt());
    const int znamka = vrat_znamku(stav);
    const bool zaznam = uloz_vysledky(stav, znamka);
    const ulozeni_tabulky_t tabulka = nacti_tabulku(stav, znamka).ulozeni;
    std::printf("log %s, table %s\n", zaznam ? "written" : "NOT WRITTEN",
                tabulka == ulozeni_tabulky_t::ulozena ? "saved" : "NOT SAVED");
    return zaznam && tabulka == ulozeni_tabulky_t::ulozena ? 0 : 1;
}

// A program that dies while it holds the locks of the table and the log.
int spadne(const QStringList &a)
{
    if (a.size() != 1)
        return 2;
    for (const char *soubor : {"TAB.DAT", "VYSLEDKY.DAT"}) {
        auto *zamek = new zamek_souboru_t(spoj_cestu(a[0], QLatin1String(soubor)));
        if (!zamek->zamkni())
            return 1;
    }
    std::fflush(stdout);
    _exit(0);
}

struct uzivatel_t {
    QString jmeno;
    uid_t uid = 0;
};

QList<uzivatel_t> zaci()
{
    QStringList jmena = qEnvironmentVariable("ORTANEL_ZACI").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (jmena.isEmpty())
        jmena = {QStringLiteral("nobody"), QStringLiteral("daemon"), QStringLiteral("bin"), QStringLiteral("sys")};
    QList<uzivatel_t> nalezeni;
    for (const QString &jmeno : jmena)
        if (const passwd *pw = ::getpwnam(jmeno.toLocal8Bit().constData()); pw && pw->pw_uid != 0)
            nalezeni.append({jmeno, pw->pw_uid});
    return nalezeni.mid(0, 2);
}

struct beh_t {
    int kod = -1;
    QString vystup;
};

beh_t spust(const QString &program, const QStringList &argumenty)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumenty);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, QString::fromLocal8Bit(p.readAll())};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAll())};
}

// The pupils run this very program: every folder above it must let them through.
bool dosazitelny_vsem(const QString &program)
{
    for (QDir d = QFileInfo(program).dir(); !d.isRoot(); d.cdUp())
        if (!QFileInfo(d.path()).permissions().testFlag(QFileDevice::ExeOther))
            return false;
    return QFileInfo(program).permissions().testFlag(QFileDevice::ExeOther);
}

uid_t vlastnik(const QString &cesta)
{
    struct stat st {
    };
    return ::stat(QFile::encodeName(cesta).constData(), &st) == 0 ? st.st_uid : uid_t(-1);
}

} // namespace

class tst_instalace_zaci : public QObject
{
    Q_OBJECT

    QTemporaryDir koren_;
    QList<uzivatel_t> zaci_;
    QString nastroj_; // the installed ortanel-verbano2-data

    // This test program as a pupil with the given umask.
    beh_t jako(const uzivatel_t &zak, const QString &maska, const QStringList &argumenty) const
    {
        return spust(QStringLiteral("runuser"),
                     QStringList{QStringLiteral("-u"), zak.jmeno, QStringLiteral("--"), QStringLiteral("sh"),
                                 QStringLiteral("-c"), QStringLiteral("umask %1 && exec \"$0\" \"$@\"").arg(maska),
                                 QCoreApplication::applicationFilePath()} +
                         argumenty);
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("acting as two pupils needs root (runuser)");
        zaci_ = zaci();
        if (zaci_.size() < 2)
            QSKIP("no two unprivileged users to act as pupils");
        if (!dosazitelny_vsem(QCoreApplication::applicationFilePath()))
            QSKIP("the build folder is closed to other users");
        QVERIFY(koren_.isValid());
        // The pupils reach the folders inside; only root writes beside them.
        QVERIFY(QFile::setPermissions(koren_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                         QFileDevice::ExeOther));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), koren_.path() + "/system");
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(ORTANEL_CMAKE),
                {QStringLiteral("--install"), QStringLiteral(ORTANEL_BUILD_DIR), QStringLiteral("--prefix"),
                 QStringLiteral("/usr"), QStringLiteral("--component"), QStringLiteral("program")});
        QVERIFY(p.waitForFinished(240000));
        QVERIFY2(p.exitCode() == 0, p.readAll().constData());
        nastroj_ = koren_.path() + "/system/usr/sbin/ortanel-verbano2-data";
    }

    void dva_zaci_data()
    {
        QTest::addColumn<QString>("maska");
        QTest::newRow("umask 022") << "022";
        QTest::newRow("umask 077") << "077";
        QTest::newRow("umask 002") << "002";
    }
    void dva_zaci()
    {
        QFETCH(QString, maska);
        const QString slozka = koren_.path() + "/data-" + maska;
        const beh_t priprava = spust(nastroj_, {slozka});
        QVERIFY2(priprava.kod == 0 && !priprava.vystup.contains(QLatin1String("warning")), qPrintable(priprava.vystup));
        const uzivatel_t &a = zaci_[0];
        const uzivatel_t &b = zaci_[1];

        beh_t r = jako(a, maska, {QStringLiteral("--zak"), slozka, QStringLiteral("Anna"), "9", "1"});
        QVERIFY2(r.kod == 0, qPrintable(a.jmeno + ": " + r.vystup));
        QCOMPARE(vlastnik(slozka + "/TAB.DAT"), a.uid);

        r = jako(b, maska, {QStringLiteral("--zak"), slozka, QStringLiteral("Boris"), "7", "3"});
        QVERIFY2(r.kod == 0, qPrintable(b.jmeno + ": " + r.vystup));
        QCOMPARE(vlastnik(slozka + "/TAB.DAT"), b.uid); // replaced, not rewritten in place
        QCOMPARE(vlastnik(slozka + "/VYSLEDKY.DAT"), a.uid);

        r = jako(a, maska, {QStringLiteral("--spadne"), slozka});
        QVERIFY2(r.kod == 0, qPrintable(r.vystup));
        QCOMPARE(vlastnik(slozka + "/TAB.DAT.lock"), a.uid);
        QCOMPARE(vlastnik(slozka + "/VYSLEDKY.DAT.lock"), a.uid);

        QElapsedTimer hodiny;
        hodiny.start();
        r = jako(b, maska, {QStringLiteral("--zak"), slozka, QStringLiteral("Boris"), "10", "0"});
        QVERIFY2(r.kod == 0, qPrintable(b.jmeno + " after a crash: " + r.vystup));
        QVERIFY2(hodiny.elapsed() < 5000, "a dead program's lock is taken over at once");
        QVERIFY(!QFile::exists(slozka + "/TAB.DAT.lock"));
        QVERIFY(!QFile::exists(slozka + "/VYSLEDKY.DAT.lock"));

        // The table as the results screen shows it, best first.
        const auto zobrazeni = nacti_tabulku(stav_cviceni(slozka, QString(), 0, 0), 0).zobrazeni;
        const QList<radek_tabulky_t> ocekavane = {
            {QStringLiteral("Boris"), 10, 0}, {QStringLiteral("Anna"), 9, 1}, {QStringLiteral("Boris"), 7, 3}};
        for (int i = 0; i < ocekavane.size(); ++i) {
            QCOMPARE(zobrazeni[i].radek.jmeno, ocekavane[i].jmeno);
            QCOMPARE(zobrazeni[i].radek.spravne, ocekavane[i].spravne);
            QCOMPARE(zobrazeni[i].radek.spatne, ocekavane[i].spatne);
        }
        // Three whole records in the log, in the order the pupils finished.
        const auto radky = nacti_radky_bajtu(slozka + "/VYSLEDKY.DAT");
        QVERIFY(radky);
        QCOMPARE(radky->size(), 3 * 4);
        const QStringList jmena = {QStringLiteral("Anna"), QStringLiteral("Boris"), QStringLiteral("Boris")};
        for (int i = 0; i < 3; ++i)
            QVERIFY(z_cp1250(radky->at(4 * i)).startsWith(QStringLiteral("Jméno: ") + jmena[i]));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList argumenty = app.arguments().mid(1);
    if (!argumenty.isEmpty() && argumenty.first() == QLatin1String("--zak"))
        return zak(argumenty.mid(1));
    if (!argumenty.isEmpty() && argumenty.first() == QLatin1String("--spadne"))
        return spadne(argumenty.mid(1));
    tst_instalace_zaci test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instalace_zaci.moc"
