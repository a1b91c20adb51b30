// The teacher's window driven as a teacher does: filters typed and chosen, columns sorted by
// their headers, the views with their charts, the export and the printed report.
#include "prehled/zaznam_zaka.h"
#include "ucitel/model_zaznamu.h"
#include "ucitel/okno_ucitele.h"

#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

static QStringList sloupec(const QAbstractItemModel *m, int s)
{
    QStringList hodnoty;
    for (int r = 0; r < m->rowCount(); ++r)
        hodnoty.append(m->index(r, s).data().toString());
    return hodnoty;
}

class tst_okno_ucitele : public QObject
{
    Q_OBJECT

    QTemporaryDir data_;
    okno_ucitele *okno_ = nullptr;

    template <typename T> T *prvek(const char *jmeno) const { return okno_->findChild<T *>(QLatin1String(jmeno)); }

private slots:
    // Visits of 7th-grade topics on days of December 2026, a damaged line, and a class table.
    void initTestCase()
    {
        QVERIFY(zapis(cesta_logu(data_.path()), zaznam("Jana Nováková", "3.12.2026", 7, 2, {10, 8, 2, 2}) +
                                                    zaznam("Čestmír Baláž", "1.12.2026", 7, 1, {10, 10, 0, 1}) +
                                                    zaznam("Jana Nováková", "1.12.2026", 7, 2, {10, 3, 1, 0}) +
                                                    zaznam("Adam Kríž", "2.12.2026", 7, 2, {5, 1, 9, 5}) +
                                                    zaznam("Jana Nováková", "4.12.2026", 7, 3, {10, 9, 1, 1}) +
                                                    "damaged\r\n"));
        QVERIFY(zapis(data_.filePath("TAB.DAT"), "[8_2_DJ]\r\nJana|8|2|2\r\nAdam|1|9|5\r\n"));
    }
    void init()
    {
        okno_ = new okno_ucitele;
        okno_->otvor(data_.path());
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_));
    }
    void cleanup() { delete okno_; }

    // Each filter as its widget holds it; pupils by initial, in the order of the date column.
    void filtre_data()
    {
        QTest::addColumn<QStringList>("nastaveni"); // "widget=value"
        QTest::addColumn<QString>("zaci");
        QTest::newRow("none") << QStringList{} << "ČJAJJ";
        QTest::newRow("part of a name typed") << QStringList{"filtr_zaka=nov"} << "JJJ";
        QTest::newRow("unfinished hidden") << QStringList{"filtr_zaka=nov", "skryt_nedokoncene=true"} << "JJ";
        QTest::newRow("topic") << QStringList{"filtr_rocniku=7. ročník", "filtr_temy=Číslovky"} << "JAJ";
        QTest::newRow("mark") << QStringList{"filtr_znamky=nedokončené"} << "J";
        QTest::newRow("dates") << QStringList{"od=2026-12-02", "do=2026-12-03"} << "AJ";
    }
    void filtre()
    {
        QFETCH(QStringList, nastaveni);
        for (const QString &n : nastaveni) {
            QWidget *w = okno_->findChild<QWidget *>(n.section('=', 0, 0));
            QVERIFY2(w && w->metaObject()->userProperty().write(w, n.section('=', 1)), qPrintable(n));
        }
        QString zaci, vyvezeni, chyba;
        for (const QString &z : sloupec(okno_->vyber(), model_zaznamu::zak))
            zaci += z[0];
        QTEST(zaci, "zaci");
        QVERIFY(okno_->stav().contains(QStringLiteral("Preskočené poškodené riadky: 1.")));
        // The export holds what is shown, in the order shown.
        QFile csv(data_.filePath("v.csv"));
        QVERIFY(okno_->vyvezi(csv.fileName(), &chyba) && csv.open(QIODevice::ReadOnly));
        for (const QByteArray &r : csv.readAll().split('\n').mid(1))
            vyvezeni += QString::fromUtf8(r).left(1);
        QCOMPARE(vyvezeni, zaci);
    }

    // A header click sorts, a second click turns the order; names the Slovak way, shares as numbers.
    void triedenie()
    {
        QHeaderView *h = okno_->findChild<QTableView *>()->horizontalHeader();
        const auto klik = [h](int s) {
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(s) + 5, 5));
        };
        klik(model_zaznamu::zak);
        QCOMPARE(sloupec(okno_->vyber(), model_zaznamu::zak).mid(0, 3),
                 (QStringList{"Adam Kríž", "Čestmír Baláž", "Jana Nováková"}));
        klik(model_zaznamu::podil);
        klik(model_zaznamu::podil);
        QCOMPARE(sloupec(okno_->vyber(), model_zaznamu::podil),
                 (QStringList{"100,0 %", "90,0 %", "80,0 %", "75,0 %", "10,0 %"}));
    }

    // The pupil's progress and the grade's topics as charts, the ten best from the table.
    void pohledy()
    {
        auto *pohledy = okno_->findChild<QTabWidget *>();
        prvek<QLineEdit>("filtr_zaka")->setText(QStringLiteral("Jana Nováková"));
        pohledy->setCurrentIndex(1);
        const QList<QAbstractSeries *> zak = prvek<QChartView>("graf_zaka")->chart()->series();
        QCOMPARE(zak.size(), 2);
        QCOMPARE(static_cast<QLineSeries *>(zak[0])->points().size(), 2); // the finished visits
        QCOMPARE(sloupec(pohledy->widget(1)->findChild<QTableWidget *>()->model(), 2),
                 (QStringList{"80,0 %", "90,0 %"}));

        prvek<QLineEdit>("filtr_zaka")->clear();
        pohledy->setCurrentIndex(2);
        prvek<QComboBox>("rocnik_tem")->setCurrentIndex(2);
        const QList<QAbstractSeries *> temy = prvek<QChartView>("graf_tem")->chart()->series();
        QCOMPARE(temy.size(), 1);
        // Every topic of the grade, bottom-up so that the first stands at the top.
        QStringList pocty;
        for (QBarSet *s : static_cast<QHorizontalStackedBarSeries *>(temy[0])->barSets())
            for (int k = 0; k < s->count(); ++k)
                pocty.append(QString::number(s->at(k)));
        QCOMPARE(pocty.join(""), "000101000010000000000000000010000010");

        pohledy->setCurrentIndex(3);
        QCOMPARE(sloupec(pohledy->widget(3)->findChild<QTableWidget *>()->model(), 1), (QStringList{"Jana", "Adam"}));
    }

    // The report through a real PDF printer: the table and both charts.
    void sprava()
    {
        QTest::keyClicks(prvek<QLineEdit>("filtr_zaka"), QStringLiteral("Adam"));
        QPrinter tlaciaren;
        tlaciaren.setOutputFormat(QPrinter::PdfFormat);
        tlaciaren.setOutputFileName(data_.filePath("sprava.pdf"));
        okno_->vytlac(tlaciaren);
        QProcess p, obrazky;
        p.start(QStringLiteral("pdftotext"), {data_.filePath("sprava.pdf"), QStringLiteral("-")});
        if (!p.waitForFinished(20000) || p.exitCode())
            QSKIP("pdftotext (poppler-utils) is missing");
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(text.contains("Výsledky žiakov") && text.contains("Adam Kríž") && !text.contains("Jana Nováková"));
        obrazky.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), data_.filePath("sprava.pdf")});
        QVERIFY(obrazky.waitForFinished(20000));
        QCOMPARE(obrazky.readAllStandardOutput().count("\n") - 2, 2); // the pupil's and the topics' charts
    }
};

QTEST_MAIN(tst_okno_ucitele)
#include "tst_okno_ucitele.moc"
