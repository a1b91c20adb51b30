// The wait that keeps events flowing.
#include "shell/cekej.h"
#include "shell/plocha.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <climits>
#include <cmath>
#include <ctime>

namespace {

double procesor_ms()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

class tst_cekej : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { posun_milisekundy(0); }
    void hned_data();
    void hned();
    void trvani_data();
    void trvani();
    void klik_behem_cekani();
    void pres_pretoceni_data();
    void pres_pretoceni();
    void procesor_odpociva();
};

void tst_cekej::hned_data()
{
    QTest::addColumn<double>("ms");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -250.0;
    QTest::newRow("not a number") << std::nan("");
}

void tst_cekej::hned()
{
    QFETCH(double, ms);
    bool udalost = false;
    QTimer::singleShot(0, this, [&] { udalost = true; });
    QElapsedTimer t;
    t.start();
    cekej(ms);
    QVERIFY(t.elapsed() < 20);
    // Nothing waits, so nothing is handled either.
    QVERIFY(!udalost);
    QCoreApplication::processEvents();
}

void tst_cekej::trvani_data()
{
    QTest::addColumn<double>("ms");
    QTest::newRow("short animation frame") << 25.0;
    QTest::newRow("fraction of a millisecond") << 0.4;
    QTest::newRow("longer") << 300.0;
}

void tst_cekej::trvani()
{
    QFETCH(double, ms);
    QElapsedTimer t;
    t.start();
    cekej(ms);
    const double uplynulo = t.nsecsElapsed() / 1e6;
    QVERIFY2(uplynulo >= std::floor(ms), qPrintable(QString::number(uplynulo)));
    QVERIFY2(uplynulo < ms + 150, qPrintable(QString::number(uplynulo)));
}

void tst_cekej::klik_behem_cekani()
{
    aktivni_plocha plocha(nullptr, QRect(0, 0, 50, 50));
    plocha.show();
    qint64 kdy_kliknuto = -1;
    QElapsedTimer t;
    connect(&plocha, &aktivni_plocha::klik, this, [&] { kdy_kliknuto = t.elapsed(); });
    QTimer::singleShot(50, this, [&] { QTest::mouseClick(&plocha, Qt::LeftButton, {}, QPoint(10, 10)); });
    t.start();
    cekej(300);
    const qint64 konec = t.elapsed();
    QVERIFY(kdy_kliknuto >= 0);
    QVERIFY(kdy_kliknuto < 250);
    QVERIFY(konec >= 300);
}

void tst_cekej::pres_pretoceni_data()
{
    QTest::addColumn<int>("pretoceni_po_ms");
    QTest::newRow("wraps at once") << 1;
    QTest::newRow("wraps in the middle") << 100;
    QTest::newRow("wraps near the end") << 290;
}

// The counter is shifted so that it passes 0xFFFFFFFF → 0 during the wait.
void tst_cekej::pres_pretoceni()
{
    QFETCH(int, pretoceni_po_ms);
    posun_milisekundy(0);
    const quint32 ted = milisekundy();
    posun_milisekundy(quint32(UINT_MAX) - ted - quint32(pretoceni_po_ms) + 1);
    const quint32 zacatek = milisekundy();
    QVERIFY(zacatek > quint32(UINT_MAX) - 400);
    QElapsedTimer t;
    t.start();
    cekej(300);
    const qint64 uplynulo = t.elapsed();
    QVERIFY(milisekundy() < zacatek);
    QVERIFY2(uplynulo >= 299 && uplynulo < 450, qPrintable(QString::number(uplynulo)));
}

void tst_cekej::procesor_odpociva()
{
    const double pred = procesor_ms();
    cekej(500);
    const double spotreba = procesor_ms() - pred;
    // A busy loop would spend the whole half second.
    QVERIFY2(spotreba < 50, qPrintable(QStringLiteral("%1 ms of processor time").arg(spotreba)));
}

QTEST_MAIN(tst_cekej)
#include "tst_cekej.moc"
