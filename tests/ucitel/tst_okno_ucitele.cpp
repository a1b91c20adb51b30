// The teacher's window driven as a teacher does: filters typed and chosen, columns sorted by
// their headers, the views with their charts, the export and the printed report.
#include "prehled/zaznam_zaka.h"
#include "ucitel/model_zaznamu.h"
#include "ucitel/okno_ucitele.h"

#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Visits of 7th-grade topics on days of December 2026, and a damaged line.
QByteArray log_tridy()
{
    return zaznam("Jana Nováková", "3.12.2026", 7, 2, {10, 8, 2, 2}) +
           zaznam("Čestmír Baláž", "1.12.2026", 7, 1, {10, 10, 0, 1}) +
           zaznam("Jana Nováková", "1.12.2026", 7, 2, {10, 3, 1, 0}) +
           zaznam("Adam Kríž", "2.12.2026", 7, 2, {5, 1, 9, 5}) +
           zaznam("Jana Nováková", "4.12.2026", 7, 3, {10, 9, 1, 1}) + "damaged\r\n";
}

QStringList sloupec(const QAbstractItemModel *m, int s)
{
    QStringList hodnoty;
    for (int r = 0; r < m->rowCount(); ++r)
        hodnoty.append(m->index(r, s).data().toString());
    return hodnoty;
}

} // namespace

class tst_okno_ucitele : public QObject
{
    Q_OBJECT

    QTemporaryDir data_;
    okno_ucitele *okno_ = nullptr;

    template <typename T> T *prvek(const char *jmeno) const { return okno_->findChild<T *>(QLatin1String(jmeno)); }

private slots:
    void initTestCase()
    {
        QFile log(cesta_logu(data_.path()));
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write(log_tridy()) > 0);
        log.close();
        QFile tab(data_.filePath("TAB.DAT"));
        QVERIFY(tab.open(QIODevice::WriteOnly) && tab.write("[8_2_DJ]\r\nJana|8|2|2\r\nAdam|1|9|5\r\n") > 0);
    }
    void init()
    {
        okno_ = new okno_ucitele;
        okno_->otvor(data_.path());
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_));
    }
    void cleanup() { delete okno_; }

    // Each filter as its widget sets it; rows in the order of the date column.
    void filtre_data()
    {
        QTest::addColumn<QStringList>("nastaveni"); // "widget=value"
        QTest::addColumn<QStringList>("zaci");
        QTest::newRow("none") << QStringList{}
                              << QStringList{"Čestmír Baláž", "Jana Nováková", "Adam Kríž", "Jana Nováková",
                                             "Jana Nováková"};
        QTest::newRow("part of a name typed")
            << QStringList{"filtr_zaka=nov"} << QStringList{"Jana Nováková", "Jana Nováková", "Jana Nováková"};
        QTest::newRow("unfinished hidden")
            << QStringList{"filtr_zaka=nov", "skryt_nedokoncene="} << QStringList{"Jana Nováková", "Jana Nováková"};
        QTest::newRow("topic") << QStringList{"filtr_rocniku=7. ročník", "filtr_temy=Číslovky"}
                               << QStringList{"Jana Nováková", "Adam Kríž", "Jana Nováková"};
        QTest::newRow("mark") << QStringList{"filtr_znamky=nedokončené"} << QStringList{"Jana Nováková"};
        QTest::newRow("dates") << QStringList{"od=2.12.2026", "do=3.12.2026"}
                               << QStringList{"Adam Kríž", "Jana Nováková"};
    }
    void filtre()
    {
        QFETCH(QStringList, nastaveni);
        QFETCH(QStringList, zaci);
        for (const QString &n : nastaveni) {
            const QString jmeno = n.section('=', 0, 0), hodnota = n.section('=', 1);
            QWidget *w = okno_->findChild<QWidget *>(jmeno);
            QVERIFY2(w, qPrintable(jmeno));
            if (auto *e = qobject_cast<QLineEdit *>(w))
                QTest::keyClicks(e, hodnota);
            else if (auto *d = qobject_cast<QDateEdit *>(w))
                d->setDate(QDate::fromString(hodnota, QStringLiteral("d.M.yyyy")));
            else if (auto *c = qobject_cast<QComboBox *>(w))
                c->setCurrentIndex(c->findText(hodnota));
            else if (auto *b = qobject_cast<QCheckBox *>(w))
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
        }
        QCOMPARE(sloupec(okno_->vyber(), model_zaznamu::zak), zaci);
        QVERIFY(okno_->stav().contains(QStringLiteral("Preskočené poškodené riadky: 1.")));
        // The export holds what is shown, in the order shown.
        QString chyba;
        QVERIFY(okno_->vyvezi(data_.filePath("v.csv"), &chyba));
        QFile csv(data_.filePath("v.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QStringList v;
        for (const QByteArray &r : csv.readAll().split('\n').mid(1, zaci.size()))
            v.append(QString::fromUtf8(r.left(r.indexOf(';'))));
        QCOMPARE(v, zaci);
    }

    // A header click sorts, a second click turns the order; names the Slovak way.
    void triedenie()
    {
        QTableView *t = okno_->findChild<QTableView *>();
        const auto klik = [t](int s) {
            QHeaderView *h = t->horizontalHeader();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(s) + 5, 5));
        };
        klik(model_zaznamu::zak);
        QCOMPARE(sloupec(okno_->vyber(), model_zaznamu::zak).mid(0, 3),
                 (QStringList{"Adam Kríž", "Čestmír Baláž", "Jana Nováková"}));
        klik(model_zaznamu::podil);
        QCOMPARE(sloupec(okno_->vyber(), model_zaznamu::podil),
                 (QStringList{"10,0 %", "75,0 %", "80,0 %", "90,0 %", "100,0 %"}));
        klik(model_zaznamu::podil);
        QCOMPARE(sloupec(okno_->vyber(), model_zaznamu::podil).first(), QStringLiteral("100,0 %"));
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
        QStringList pocty;
        for (QBarSet *s : static_cast<QHorizontalStackedBarSeries *>(temy[0])->barSets()) {
            QStringList p;
            for (int k = 0; k < s->count(); ++k)
                p.append(QString::number(s->at(k)));
            pocty.append(s->label() + ": " + p.join(' '));
        }
        // Every topic of the grade, bottom-up so that the first stands at the top.
        QCOMPARE(pocty, (QStringList{"Známka 1: 0 0 0 1 0 1", "Známka 2: 0 0 0 0 1 0", "Známka 3: 0 0 0 0 0 0",
                                     "Známka 4: 0 0 0 0 0 0", "Známka 5: 0 0 0 0 1 0", "Nedokončené: 0 0 0 0 1 0"}));

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
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {data_.filePath("sprava.pdf"), QStringLiteral("-")});
        if (!p.waitForFinished(20000) || p.exitCode())
            QSKIP("pdftotext (poppler-utils) is missing");
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(text.contains(QStringLiteral("Výsledky žiakov")) && text.contains(QStringLiteral("Adam Kríž")));
        QVERIFY(!text.contains(QStringLiteral("Jana Nováková")));
        QProcess obrazky;
        obrazky.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), data_.filePath("sprava.pdf")});
        QVERIFY(obrazky.waitForFinished(20000));
        QCOMPARE(obrazky.readAllStandardOutput().count("\n") - 2, 2); // the pupil's and the topics' charts
    }
};

QTEST_MAIN(tst_okno_ucitele)
#include "tst_okno_ucitele.moc"
