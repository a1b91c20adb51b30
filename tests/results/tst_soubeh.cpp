// Several pupils on one data folder finish at the same moment: separate processes run the
// whole results visit at once; afterwards every record is in the log and every table
// section holds the right ten. A lock left behind by a program that died blocks nobody.
#include "common/soubory.h"
#include "pomoc/instalace.h"
#include "results/navsteva.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <QtTest>
#include <cstdio>

namespace
{

constexpr int pocet_procesu = 8;
constexpr int doplnovacek_na_proces = 3;
const char *const rezim_pomocnika = "--zak";
const char *const rezim_zamku = "--drz-zamek";

// Shares i/30 are all different, so the right ten do not depend on who came first.
spolecny_stav_t doplnovacka(const QString &data, int i)
{
    spolecny_stav_t s;
    s.adresar_dat = data;
    s.rocnik = 3;
    s.tema = 3;
    s.druh_ulohy = QStringLiteral("DOPLNOVACKA");
    s.pocet_uloh = 10;
    s.jmeno_zaka = QStringLiteral("Žiak %1").arg(i);
    s.pocet_spravne = i;
    s.pocet_spatne = 30 - i;
    s.vsetko_skontrolovane = true;
    return s;
}

spolecny_stav_t diktat(const QString &data, int proces)
{
    spolecny_stav_t s = doplnovacka(data, 0);
    s.druh_ulohy = QStringLiteral("DIKTAT");
    s.jmeno_zaka = QStringLiteral("Diktát %1").arg(proces);
    s.pocet_spravne = proces;
    s.pocet_spatne = 10 - proces;
    return s;
}

// A pupil who looks at the table in the middle of an exercise: a log record only.
spolecny_stav_t nedokoncena(const QString &data, int proces)
{
    spolecny_stav_t s = doplnovacka(data, 0);
    s.jmeno_zaka = QStringLiteral("Rozpracované %1").arg(proces);
    s.pocet_spravne = 1;
    s.vsetko_skontrolovane = false;
    return s;
}

QList<spolecny_stav_t> navstevy_procesu(const QString &data, int proces)
{
    QList<spolecny_stav_t> navstevy;
    for (int k = 1; k <= doplnovacek_na_proces; ++k)
        navstevy.append(doplnovacka(data, (proces - 1) * doplnovacek_na_proces + k));
    navstevy.append(diktat(data, proces));
    navstevy.append(nedokoncena(data, proces));
    return navstevy;
}

// The helper mode: wait for the common start signal, then finish this pupil's exercises.
int spust_zaka(const QString &data, int proces)
{
    const QString start = spoj_cestu(data, QStringLiteral("START"));
    QElapsedTimer cekani;
    cekani.start();
    while (!QFile::exists(start)) {
        if (cekani.elapsed() > 30000)
            return 2;
        QThread::msleep(1);
    }
    for (const spolecny_stav_t &s : navstevy_procesu(data, proces)) {
        const navsteva_vysledku_t v = zpracuj_vysledky(s);
        // A result below the ten best leaves the table as it is; nothing else may fail.
        const bool tabulka_ok =
            v.ulozeni_tabulky == ulozeni_tabulky_t::ulozena || v.ulozeni_tabulky == ulozeni_tabulky_t::nezmenena;
        if (!v.zaznam_zapsan || !tabulka_ok)
            return 1;
    }
    return 0;
}

// The helper mode of a program that dies while it holds the table's lock.
int drz_zamek(const QString &data)
{
    QLockFile zamek(spoj_cestu(data, QStringLiteral("TAB.DAT.lock")));
    if (!zamek.lock())
        return 1;
    std::fputs("zamceno\n", stdout);
    std::fflush(stdout);
    QThread::sleep(60);
    return 0;
}

QByteArray jako_soubor(const QStringList &radky)
{
    QByteArray obsah;
    for (const QString &r : radky)
        obsah += do_cp1250(r) + "\r\n";
    return obsah;
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
            auto proces = std::make_unique<QProcess>();
            proces->setProcessChannelMode(QProcess::ForwardedChannels);
            proces->start(QCoreApplication::applicationFilePath(),
                          {QLatin1String(rezim_pomocnika), data, QString::number(p)});
            QVERIFY2(proces->waitForStarted(), qPrintable(proces->errorString()));
            procesy.push_back(std::move(proces));
        }
        QFile start(spoj_cestu(data, QStringLiteral("START")));
        QVERIFY(start.open(QIODevice::WriteOnly));
        start.close();
        QList<int> vysledky;
        for (auto &proces : procesy) {
            const bool skoncil = proces->waitForFinished(120000);
            vysledky.append(skoncil && proces->exitStatus() == QProcess::NormalExit ? proces->exitCode() : -1);
        }
        QCOMPARE(vysledky, QList<int>(pocet_procesu, 0));

        // The log: every visit's record whole, in some order.
        const auto log = nacti_radky_cp1250(spoj_cestu(data, QStringLiteral("VYSLEDKY.DAT")));
        QVERIFY(log);
        QStringList zaznamy;
        for (qsizetype i = 0; i + 3 < log->size(); i += 4) {
            QCOMPARE(log->at(i + 3), QString(75, QLatin1Char('=')));
            zaznamy.append(log->at(i).left(45).trimmed() + QLatin1Char(' ') + log->at(i + 2).simplified());
        }
        QCOMPARE(log->size(), zaznamy.size() * 4);
        QStringList ocekavane;
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
        QStringList tabulka{QStringLiteral("[8_3_DJ]")};
        const int vsech = pocet_procesu * doplnovacek_na_proces;
        for (int i = vsech; i > vsech - 10; --i)
            tabulka.append(QStringLiteral("Žiak %1|%1|%2|3").arg(i).arg(30 - i));
        QStringList diktaty{QStringLiteral("[8_3_CV]")};
        for (int p = pocet_procesu; p >= 1; --p)
            diktaty.append(QStringLiteral("Diktát %1|%1|%2|3").arg(p).arg(10 - p));
        while (diktaty.size() < 11)
            diktaty.append(QStringLiteral("|0|0|0"));
        QFile soubor(spoj_cestu(data, QStringLiteral("TAB.DAT")));
        QVERIFY(soubor.open(QIODevice::ReadOnly));
        const QByteArray obsah = soubor.readAll();
        // Which section was created first depends on who came first.
        QVERIFY2(obsah == jako_soubor(tabulka + diktaty) || obsah == jako_soubor(diktaty + tabulka), obsah.constData());
    }

    void opusteny_zamek_neblokuje()
    {
        docasna_instalace instalace;
        QProcess drzitel;
        drzitel.start(QCoreApplication::applicationFilePath(), {QLatin1String(rezim_zamku), instalace.data()});
        QVERIFY(drzitel.waitForReadyRead(10000));
        QCOMPARE(drzitel.readAll(), QByteArray("zamceno\n"));
        drzitel.kill();
        QVERIFY(drzitel.waitForFinished(10000));
        QVERIFY(QFile::exists(spoj_cestu(instalace.data(), QStringLiteral("TAB.DAT.lock"))));

        QElapsedTimer cas;
        cas.start();
        QCOMPARE(nacti_tabulku(doplnovacka(instalace.data(), 7), 3).ulozeni, ulozeni_tabulky_t::ulozena);
        QVERIFY2(cas.elapsed() < 5000, qPrintable(QString::number(cas.elapsed())));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], rezim_zamku) == 0)
        return drz_zamek(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && qstrcmp(argv[1], rezim_pomocnika) == 0)
        return spust_zaka(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    tst_soubeh test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soubeh.moc"
