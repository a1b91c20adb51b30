// The clock: the desktop's short date form as the results log uses it, and a fixed clock.
#include "common/hodiny.h"

#include <QtTest>

class tst_hodiny : public QObject
{
    Q_OBJECT

private slots:
    void slovenske_kratke_datum_bez_medzier()
    {
        if (QLocale::system().name() != QLatin1String("sk_SK"))
            QSKIP("the system locale could not be set to Slovak");
        QCOMPARE(hodiny::kratke_datum(QDate(2026, 12, 6)), QStringLiteral("6.12.2026"));
    }

    void pevny_cas_a_format()
    {
        const QDateTime kdy(QDate(2026, 5, 12), QTime(9, 5));
        hodiny::zafixuj(kdy, [](const QDate &d) { return d.toString(QStringLiteral("yyyy-MM-dd")); });
        QCOMPARE(hodiny::ted(), kdy);
        QCOMPARE(hodiny::kratke_datum(kdy.date()), QStringLiteral("2026-05-12"));
        hodiny::uvolni();
        QVERIFY(qAbs(hodiny::ted().secsTo(QDateTime::currentDateTime())) < 5);
    }
};

int main(int argc, char *argv[])
{
    // Before anything asks for the system locale, which is read once.
    qputenv("LC_ALL", "sk_SK.UTF-8");
    qputenv("LANG", "sk_SK.UTF-8");
    tst_hodiny test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hodiny.moc"
