// Several pupils on one data folder finish at the same moment: separate processes run the
// whole results visit at once; afterwards every record is in the log and every table
// section holds the right ten. A lock left behind by a program that died blocks nobody.
#include "nahrady/instalace.h"
#include "results/navsteva.h"
#include "soubory_vysledku.h"

#include <QtTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(ulozeni_tabulky_t)

namespace
{

constexpr int pocet_procesu = 8;
constexpr int doplnovacek_na_proces = 3;
const char *const rezim_zaka = "--zak";

// Per process: three fill-ins of shares i/30, all different so that the right ten do not
// depend on who came first; a dictation; a look at the table in the middle of an exercise.
QList<spolecny_stav_t> navstevy_procesu(const QString &data, int p)
{
    QList<spolecny_stav_t> navstevy;
    for (int i = (p - 1) * doplnovacek_na_proces + 1; i <= p * doplnovacek_na_proces; ++i)
        navstevy.append(doplnovacka(data, QStringLiteral("Žiak %1").arg(i), i, 30 - i));
    spolecny_stav_t diktat = doplnovacka(data, QStringLiteral("Diktát %1").arg(p), p, 10 - p);
    diktat.druh_ulohy = druh_t::diktat;
    navstevy << diktat << doplnovacka(data, QStringLiteral("Rozpracované %1").arg(p), 1, 0, false);
    return navstevy;
}

// The pupil's process: waits for the common start, then finishes its exercises.
int spust_zaka(const QString &data, int proces)
{
    QElapsedTimer cekani;
    cekani.start();
    while (!QFile::exists(spoj_cestu(data, QStringLiteral("START")))) {
        if (cekani.elapsed() > 30000)
            return 2;
        QThread::msleep(1);
    }
    for (const spolecny_stav_t &s : navstevy_procesu(data, proces)) {
        const navsteva_vysledku_t v = zpracuj_vysledky(s);
        if (!v.zaznam_zapsan ||
            (v.ulozeni_tabulky != ulozeni_tabulky_t::ulozena && v.ulozeni_tabulky != ulozeni_tabulky_t::nezmenena))
            return 1;
    }
    return 0;
}

} // namespace

class tst_soubeh : public QObject
{
    Q_OBJECT

private slots:
    void zaci_konci_najednou()
    {
        docasna_instalace instalace;
        const QString data = instalace.data();
        instalace.zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("0|100|3")}, false);
        std::vector<std::unique_ptr<QProcess>> procesy;
        for (int p = 1; p <= pocet_procesu; ++p) {
            procesy.push_back(std::make_unique<QProcess>());
            procesy.back()->setProcessChannelMode(QProcess::ForwardedChannels);
            procesy.back()->start(QCoreApplication::applicationFilePath(),
                                  {QLatin1String(rezim_zaka), data, QString::number(p)});
            QVERIFY(procesy.back()->waitForStarted());
        }
        QVERIFY(zapis(spoj_cestu(data, QStringLiteral("START")), {}));
        for (auto &proces : procesy) {
            QVERIFY(proces->waitForFinished(120000));
            QCOMPARE(proces->exitStatus(), QProcess::NormalExit);
            QCOMPARE(proces->exitCode(), 0);
        }

        // The log: every visit's record whole, in some order.
        const auto log = nacti_radky_cp1250(spoj_cestu(data, QStringLiteral("VYSLEDKY.DAT")));
        QVERIFY(log && log->size() % 4 == 0);
        QStringList zaznamy, ocekavane;
        for (qsizetype i = 0; i < log->size(); i += 4) {
            QCOMPARE(log->at(i + 3), QString(75, QLatin1Char('=')));
            zaznamy.append(log->at(i).left(45).trimmed() + QLatin1Char(' ') + log->at(i + 2).simplified());
        }
        for (int p = 1; p <= pocet_procesu; ++p)
            for (const spolecny_stav_t &s : navstevy_procesu(data, p))
                ocekavane.append(QStringLiteral("Jméno: %1 Počet příkladů: 10 Správně: %2 Špatně: %3 Známka: %4")
                                     .arg(s.jmeno_zaka)
                                     .arg(s.pocet_spravne)
                                     .arg(s.pocet_spatne)
                                     .arg(s.vsetko_skontrolovane ? 3 : 0));
        zaznamy.sort();
        ocekavane.sort();
        QCOMPARE(zaznamy, ocekavane);

        // The table: each section created once, the best ten of all pupils in order.
        QStringList doplnovacky, diktaty;
        for (int i = pocet_procesu * doplnovacek_na_proces; doplnovacky.size() < 10; --i)
            doplnovacky.append(QStringLiteral("Žiak %1|%1|%2|3").arg(i).arg(30 - i));
        for (int p = pocet_procesu; p >= 1; --p)
            diktaty.append(QStringLiteral("Diktát %1|%1|%2|3").arg(p).arg(10 - p));
        const QStringList dj = sekce(QStringLiteral("[8_3_DJ]"), doplnovacky);
        const QStringList cv = sekce(QStringLiteral("[8_3_CV]"), diktaty);
        const QByteArray tabulka = obsah(spoj_cestu(data, QStringLiteral("TAB.DAT")));
        QVERIFY2(tabulka == jako_soubor(dj + cv) || tabulka == jako_soubor(cv + dj), tabulka.constData());
    }

    // What stands under the lock's name and is no lock held: a dead program's, a planted
    // folder or pipe; taken over at once. A folder that cannot be removed is a clear
    // failure within a few seconds, never a frozen screen.
    void opusteny_zamek_neblokuje_data()
    {
        QTest::addColumn<QString>("podvrh");
        QTest::addColumn<ulozeni_tabulky_t>("ulozeni");
        QTest::newRow("a dead program's lock") << "dead" << ulozeni_tabulky_t::ulozena;
        QTest::newRow("an empty folder") << "folder" << ulozeni_tabulky_t::ulozena;
        QTest::newRow("a pipe") << "pipe" << ulozeni_tabulky_t::ulozena;
        QTest::newRow("a folder with a file") << "full folder" << ulozeni_tabulky_t::nelze_zapsat;
    }
    void opusteny_zamek_neblokuje()
    {
        QFETCH(QString, podvrh);
        docasna_instalace instalace;
        const QString zamek = spoj_cestu(instalace.data(), QStringLiteral("TAB.DAT.lock"));
        if (podvrh == "dead") // what a program that died holding it left: the kernel's lock is gone
            QVERIFY(zapis(zamek, QByteArray("999999\nortanel-verbano2\n")));
        else if (podvrh == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(zamek).constData(), 0666), 0);
        else
            QVERIFY(QDir().mkpath(zamek + (podvrh == "full folder" ? "/x" : "")));
        QVERIFY(QFileInfo::exists(zamek));
        QElapsedTimer cas;
        cas.start();
        QTEST(nacti_tabulku(doplnovacka(instalace.data(), QStringLiteral("Eva"), 7, 3), 3).ulozeni, "ulozeni");
        QVERIFY2(cas.elapsed() < 5000, qPrintable(QString::number(cas.elapsed())));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], rezim_zaka) == 0)
        return spust_zaka(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    tst_soubeh test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soubeh.moc"
