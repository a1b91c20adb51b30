// The clock: the desktop's short date form as the results log uses it (the fixed clock of
// the tests is checked by every log record they compare).
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
