// The multi-line box: a plain text edit set up from the shared format wraps exactly into
// the lines the layout counted, and the counted height shows them without scrolling.
#include "common/geometrie.h"
#include "data/znacky.h"
#include "exercise/viceradkovy_box.h"
#include "pomoc_stranky.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

namespace
{

// What the exercise screen does with the format.
void nastav(QPlainTextEdit &box, const format_viceradkoveho_boxu_t &f, int radku)
{
    box.setFont(f.pismo);
    box.setFrameStyle(QFrame::NoFrame);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box.setWordWrapMode(f.zalamovani);
    box.document()->setDocumentMargin(f.okraj_dokumentu);
    box.setFixedSize(f.sirka, f.vyska_radku * radku);
}

int radku_v_boxu(const QPlainTextEdit &box)
{
    int radku = 0;
    for (QTextBlock b = box.document()->firstBlock(); b.isValid(); b = b.next())
        radku += b.layout()->lineCount();
    return radku;
}

} // namespace

class tst_viceradkovy_box : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<int>("body");
        QTest::newRow("12 points") << 12;
        QTest::newRow("10 points") << 10;
    }
    void format()
    {
        QFETCH(int, body);
        const format_viceradkoveho_boxu_t f = format_viceradkoveho_boxu(body);
        QCOMPARE(f.sirka, 475);
        QCOMPARE(f.sirka_radku, f.sirka - 2 * f.okraj_dokumentu);
        QCOMPARE(f.pismo.pixelSize(), body == 12 ? 16 : 13);
        // Three lines fit the sentence box (72 high) below the text start.
        QVERIFY(geometrie::cviceni::odsazeni_textu_y + 3 * f.vyska_radku <= 72);
        // Two lines fit the two-line box (54), one line the one-line box (34).
        QVERIFY(geometrie::cviceni::odsazeni_textu_y + 2 * f.vyska_radku <= 54);
        QVERIFY(geometrie::cviceni::odsazeni_textu_y + f.vyska_radku <= 34);
    }

    void stejne_zalomeni_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("body");
        QStringList texty{QString(), QStringLiteral("Krátka veta."),
                          QString(300, u'm'), // one word wider than the box breaks anywhere
                          QStringLiteral("Prvý odsek\ndruhý odsek")};
        for (const QString &klic : {QStringLiteral("5_5"), QStringLiteral("7_6"), QStringLiteral("9_5")})
            for (const QString &radek : vety_obsahu(klic).mid(0, 12))
                texty.append(vypis_vety(radek).spravna_veta);
        QString dlhy;
        for (int i = 0; i < 40; ++i) {
            dlhy += QStringLiteral("slovo%1 ").arg(i);
            texty.append(dlhy);
        }
        int n = 0;
        for (const QString &t : texty)
            for (int body : {12, 10})
                QTest::addRow("%d: %d pt", n++, body) << t << body;
    }
    void stejne_zalomeni()
    {
        QFETCH(QString, text);
        QFETCH(int, body);
        const format_viceradkoveho_boxu_t f = format_viceradkoveho_boxu(body);
        const int radku = pocet_radku_v_textboxu(text, f);
        QCOMPARE(pocet_radku_v_textboxu(text, body), radku);

        QPlainTextEdit box;
        nastav(box, f, radku);
        box.setPlainText(text);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(radku_v_boxu(box), radku);
        // The height the layout gives the box shows every line: nothing to scroll.
        QCOMPARE(box.verticalScrollBar()->maximum(), 0);
    }
};

QTEST_MAIN(tst_viceradkovy_box)
#include "tst_viceradkovy_box.moc"
