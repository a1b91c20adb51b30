// The wait that keeps events flowing.
#include "shell/cekej.h"
#include "shell/plocha.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <climits>
#include <cmath>
#include <ctime>

class tst_cekej : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { posun_milisekundy(0); }

    void trvani_data()
    {
        QTest::addColumn<double>("ms");
        QTest::addColumn<int>("pretoceni"); // ms into the wait when the 32-bit counter wraps; 0: never
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("negative") << -250.0 << 0;
        QTest::newRow("not a number") << std::nan("") << 0;
        QTest::newRow("fraction of a millisecond") << 0.4 << 0;
        QTest::newRow("animation frame") << 25.0 << 0;
        QTest::newRow("wraps at once") << 300.0 << 1;
        QTest::newRow("wraps in the middle") << 300.0 << 100;
        QTest::newRow("wraps near the end") << 300.0 << 290;
    }
    // The wait lasts its time, across a wrap of the counter too; a wait of nothing
    // returns at once without handling events.
    void trvani()
    {
        QFETCH(double, ms);
        QFETCH(int, pretoceni);
        if (pretoceni)
            posun_milisekundy(quint32(UINT_MAX) - milisekundy() - quint32(pretoceni) + 1);
        const quint32 zacatek = milisekundy();
        bool udalost = false;
        QTimer::singleShot(0, this, [&] { udalost = true; });
        QElapsedTimer t;
        t.start();
        cekej(ms);
        const double uplynulo = t.nsecsElapsed() / 1e6;
        const bool obslouzeno = udalost;
        QCoreApplication::processEvents();
        const double cekano = ms > 0 ? std::floor(ms) : 0;
        QVERIFY2(uplynulo >= cekano && uplynulo < cekano + (ms > 0 ? 150 : 20), qPrintable(QString::number(uplynulo)));
        QCOMPARE(obslouzeno, ms > 0);
        if (pretoceni)
            QVERIFY(milisekundy() < zacatek);
    }

    void klik_behem_cekani()
    {
        aktivni_plocha plocha(nullptr, QRect(0, 0, 50, 50));
        plocha.show();
        qint64 kdy_kliknuto = -1;
        QElapsedTimer t;
        connect(&plocha, &aktivni_plocha::klik, this, [&] { kdy_kliknuto = t.elapsed(); });
        QTimer::singleShot(50, this, [&] { QTest::mouseClick(&plocha, Qt::LeftButton, {}, QPoint(10, 10)); });
        t.start();
        cekej(300);
        QVERIFY(t.elapsed() >= 300);
        QVERIFY(kdy_kliknuto >= 0 && kdy_kliknuto < 250);
    }

    // A busy loop would spend the whole half second.
    void procesor_odpociva()
    {
        const auto procesor_ms = [] {
            timespec t{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
            return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
        };
        const double pred = procesor_ms();
        cekej(500);
        QVERIFY2(procesor_ms() - pred < 50, qPrintable(QString::number(procesor_ms() - pred)));
    }
};

QTEST_MAIN(tst_cekej)
#include "tst_cekej.moc"
