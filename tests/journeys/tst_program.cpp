// The built program itself, started as a school starts it (its own ORTANEL.INI beside it)
// on a private X server of each classroom size, full screen, and driven from outside
// through the display alone: its hit areas clicked and a name typed at that scale, a
// dictation from the title picture to the exit question, every sentence wrong. Afterwards
// the data folder holds the visit's log record and its score table section byte for byte.
#include "ocekavane_soubory.h"
#include "pomoc/cesta_programu.h"
#include "pomoc/vlastni_x.h"

#include <QtTest>
#include <cstdio>
#include <unistd.h>

namespace
{
// A process runs while /proc has it and it is not a zombie waiting to be reaped.
bool bezi(long pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) && !stat.readAll().split(')').value(1).trimmed().startsWith('Z');
}
} // namespace

class tst_program : public QObject
{
    Q_OBJECT

private slots:
    void diktat_bez_odpovedi_data()
    {
        QTest::addColumn<QSize>("velikost");
        for (const QSize v : velikosti_trid)
            QTest::addRow("%dx%d", v.width(), v.height()) << v;
    }
    void diktat_bez_odpovedi()
    {
        QFETCH(QSize, velikost);
        const vlastni_x x(velikost);
        if (!x.bezi())
            QSKIP(qPrintable(QStringLiteral("no X server: ") + x.duvod()));
        if (const QString proc = cesta_programu::chybi(); !proc.isEmpty())
            QSKIP(qPrintable(proc));
        const auto v = cesta_programu::projdi(
            {0, QStringLiteral(ORTANEL_BUILD_DIR "/cesty/program/%1x%2").arg(velikost.width()).arg(velikost.height())});
        QVERIFY2(v.chyby.isEmpty(), qPrintable(v.chyby.join(u'\n') + u'\n' + QString::fromLocal8Bit(v.vystup)));
        QCOMPARE(v.kod, 0);
        const int znamka = znamka_podle_pasem(v.znamky, 0, 5);
        QVERIFY(znamka >= 1 && znamka <= 5);
        QCOMPARE(v.tabulka, tabulka(QStringLiteral("9_1_CV"), QStringLiteral("Jan Novak|0|5|%1").arg(znamka)));
        const QString rozdil = porovnej_log(v.log, {{QStringLiteral("Jan Novak"), 4, 1, 5, 0, 5, znamka}});
        QVERIFY2(rozdil.isEmpty(), qPrintable(rozdil));
    }

    // A test killed outright (a timeout's kill) takes its X server with it.
    void x_konci_s_testem()
    {
        QProcess test;
        test.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--jen-x")});
        QVERIFY(test.waitForReadyRead(15000));
        const long x = test.readLine().trimmed().toLong();
        if (x <= 0)
            QSKIP("no X server");
        QVERIFY(bezi(x));
        test.kill();
        QVERIFY(test.waitForFinished());
        QTRY_VERIFY_WITH_TIMEOUT(!bezi(x), 5000);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && argv[1] == QByteArrayView("--jen-x")) { // the child of x_konci_s_testem
        vlastni_x x(QSize(64, 64));
        std::printf("%ld\n", x.pid());
        std::fflush(stdout);
        pause();
    }
    QCoreApplication aplikace(argc, argv);
    tst_program test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program.moc"
