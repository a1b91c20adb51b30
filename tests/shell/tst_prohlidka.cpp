// The screenshot tour runs through every screen on the built installation: each state a
// full 640 × 480 picture (the main menu's states first, the worksheets' pages rendered
// from their PDF files, the teacher's window at its own size), each unlike the one before, and an index page.
#include "nahrady/instalace.h"

#include <QProcess>
#include <QtTest>

class tst_prohlidka : public QObject
{
    Q_OBJECT
private slots:
    void prohlidka()
    {
        const QString program = QStringLiteral(ORTANEL_BUILD_DIR "/tools/prohlidka/ortanel_prohlidka");
        if (!QFileInfo::exists(postavena_media() + "/GRAFIKA/TITLE.BMP") || !QFileInfo(program).isExecutable())
            QSKIP("the media folder or the tour is not built (make build)");
        QTemporaryDir dir;
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(program, {dir.path()});
        QVERIFY(p.waitForFinished(120000) && p.exitCode() == 0 && QFileInfo(dir.filePath("index.html")).size() > 0);
        const QStringList soubory = QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QStringList menu{"01_titulek", "02_menu", "03_5_rocnik", "04_8_rocnik", "05_tema_pod_mysi", "06_autori"};
        QVERIFY(soubory.size() > 20);
        QImage predchozi;
        for (const QString &s : soubory) {
            if (!menu.isEmpty())
                QCOMPARE(QFileInfo(s).completeBaseName(), menu.takeFirst());
            const QImage snimek(s);
            QVERIFY2(snimek.size() == QSize(640, 480) ||
                         ((s.contains(QLatin1String("_list_")) || s.contains(QLatin1String("_ucitel_"))) &&
                          !snimek.isNull()),
                     qPrintable(s));
            QVERIFY2(snimek != predchozi, qPrintable(s));
            predchozi = snimek;
        }
    }
};

QTEST_GUILESS_MAIN(tst_prohlidka)
#include "tst_prohlidka.moc"
