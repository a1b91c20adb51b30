// The screenshot tour runs on the built installation and photographs the main menu's
// states in order, each a full 640 × 480 picture of what the pupil sees.
#include "common/geometrie.h"
#include "pomoc/instalace.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_prohlidka : public QObject {
    Q_OBJECT
private slots:
    void stavy_menu()
    {
        const QString program = QStringLiteral(ORTANEL_BUILD_DIR "/tools/prohlidka/ortanel_prohlidka");
        if (!QFileInfo::exists(postavena_media() + QStringLiteral("/GRAFIKA/TITLE.BMP")))
            QSKIP("the media folder is not built (make build)");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the tour is not built (make build)");
        QTemporaryDir dir;
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(program, {dir.path()});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        const QStringList soubory =
            QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList menu = {QStringLiteral("01_titulek"),       QStringLiteral("02_menu"),
                                  QStringLiteral("03_5_rocnik"),      QStringLiteral("04_8_rocnik"),
                                  QStringLiteral("05_tema_pod_mysi"), QStringLiteral("06_autori")};
        QVERIFY(soubory.size() >= menu.size());
        QList<QImage> snimky;
        for (int i = 0; i < menu.size(); ++i) {
            QCOMPARE(QFileInfo(soubory[i]).completeBaseName(), menu[i]);
            snimky.append(QImage(soubory[i]));
            QCOMPARE(snimky.last().size(), QSize(640, 480));
        }
        for (int i = 1; i < snimky.size(); ++i)
            QVERIFY2(snimky[i] != snimky[i - 1], qPrintable(menu[i]));
        // "5. ročník" chosen, then "8. ročník": the first grade button changes its look.
        const QRect prvni = geometrie::menu::plochy[0];
        QVERIFY(snimky[2].copy(prvni) != snimky[3].copy(prvni));
        QVERIFY(snimky[1].copy(prvni) == snimky[3].copy(prvni));
    }
};

QTEST_GUILESS_MAIN(tst_prohlidka)
#include "tst_prohlidka.moc"
