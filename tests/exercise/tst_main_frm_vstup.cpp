// The exercise page's input elements under the pupil's keys and mouse: Enter cycling
// through the boxes, the dropped character 29, the quote key, pasted line breaks; the
// choice lists opening, following the pointer, taking a choice and closing; the bubble
// with the correct text on a wrong mark.
#include "common/geometrie.h"
#include "exercise/mira_textu.h"
#include "pomoc_obrazovky.h"
#include "shell/plocha.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

using namespace obrazovka_cviceni;
namespace g = geometrie::cviceni;

namespace
{

QWidget *box(const main_frm *s, int i)
{
    return s->stav().druh == druh_t::doplnovacka ? static_cast<QWidget *>(s->dopln_box(i))
                                                 : static_cast<QWidget *>(s->dopln_box_viceradkovy(i));
}

QString text(const QWidget *w)
{
    if (const auto *radek = qobject_cast<const QLineEdit *>(w))
        return radek->text();
    return qobject_cast<const QPlainTextEdit *>(w)->toPlainText();
}

int kurzor(const QWidget *w)
{
    if (const auto *radek = qobject_cast<const QLineEdit *>(w))
        return radek->cursorPosition();
    return qobject_cast<const QPlainTextEdit *>(w)->textCursor().position();
}

void nastav_kurzor(QWidget *w, int od, int po)
{
    if (auto *radek = qobject_cast<QLineEdit *>(w)) {
        radek->setSelection(od, po - od);
        if (od == po)
            radek->setCursorPosition(od);
        return;
    }
    auto *viceradkovy = qobject_cast<QPlainTextEdit *>(w);
    QTextCursor c = viceradkovy->textCursor();
    c.setPosition(od);
    c.setPosition(po, QTextCursor::KeepAnchor);
    viceradkovy->setTextCursor(c);
}

// The middle of row r of a list (rows are one text line, 18 pixels, high).
QPoint radek_seznamu(int r) { return QPoint(5, 18 * r + 9); }

} // namespace

class tst_main_frm_vstup : public QObject
{
    Q_OBJECT

    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<prostredi> p_;

private slots:
    void initTestCase()
    {
        instalace_ = std::make_unique<docasna_instalace>();
        priprav_instalaci(*instalace_);
    }
    void init()
    {
        p_ = std::make_unique<prostredi>(*instalace_);
        nahoda().zafixuj(11);
    }
    void cleanup()
    {
        p_.reset();
        nahoda().uvolni();
    }
    void cleanupTestCase() { instalace_.reset(); }

    // ---- text boxes ----

    void enter_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("modifikatory");
        QTest::newRow("gap boxes") << "DOPLNOVACKA" << 0;
        QTest::newRow("sentence boxes") << "DIKTAT" << 0;
        QTest::newRow("sentence boxes, Shift+Enter") << "OPRAVA" << int(Qt::ShiftModifier);
        QTest::newRow("gap boxes, keypad Enter") << "DOPLNOVACKA" << int(Qt::KeypadModifier);
    }
    // Enter moves to the next box and from the last to the first; it never types.
    void enter()
    {
        QFETCH(QString, druh);
        QFETCH(int, modifikatory);
        main_frm *s = p_->otevri(druh);
        const int n = s->stav().dalsi_prvek - 1;
        QVERIFY(n >= 9);
        QStringList texty;
        for (int i = 1; i <= n; ++i)
            texty.append(text(box(s, i)));
        mys::klikni(s, box(s, 1)->geometry().topLeft() + QPoint(3, 5));
        QCOMPARE(fokus(s), box(s, 1));
        const Qt::Key klavesa = modifikatory == Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
        for (int krok = 1; krok <= n; ++krok) {
            QTest::keyClick(fokus(s), klavesa, Qt::KeyboardModifiers(modifikatory));
            QCOMPARE(fokus(s), box(s, krok % n + 1));
        }
        for (int i = 1; i <= n; ++i) {
            QCOMPARE(text(box(s, i)), texty[i - 1]);
            QVERIFY(!text(box(s, i)).contains(u'\n'));
        }
    }

    void znak_29_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::newRow("gap box") << "DOPLNOVACKA";
        QTest::newRow("sentence box") << "DIKTAT";
    }
    // Character 29 never gets into a box; everything else does, as it comes.
    void znak_29()
    {
        QFETCH(QString, druh);
        main_frm *s = p_->otevri(druh);
        QWidget *b = box(s, 1);
        mys::klikni(s, b->geometry().topLeft() + QPoint(3, 5));
        QTest::sendKeyEvent(QTest::Click, b, Qt::Key_BracketRight, QString(QChar(29)), Qt::ControlModifier);
        QCOMPARE(text(b), QString());
        napis(b, QStringLiteral("ô"));
        QCOMPARE(text(b), QStringLiteral("ô"));
    }

    void uvozovky_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<QString>("pred");
        QTest::addColumn<int>("od");
        QTest::addColumn<int>("po");
        QTest::addColumn<int>("modifikatory");
        QTest::addColumn<bool>("pise");
        QTest::addColumn<QString>("potom");
        QTest::addColumn<int>("kurzor_potom");
        const int shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("Shift: the typed \" becomes “") << "DIKTAT"
                                                       << "Povedal: " << 9 << 9 << shift << true << "Povedal: “" << 10;
        QTest::newRow("Shift in the middle") << "OPRAVA"
                                             << "Ahoj sem." << 5 << 5 << shift << true << "Ahoj “sem." << 6;
        QTest::newRow("Shift at the start, nothing typed") << "DIKTAT"
                                                           << "Ahoj" << 0 << 0 << shift << false << "Ahoj" << 0;
        QTest::newRow("Shift with a selection, nothing typed")
            << "OPRAVA"
            << "Ahoj sem" << 5 << 8 << shift << false << "Ahoj sem" << 8;
        QTest::newRow("Ctrl puts „ at the caret") << "DIKTAT"
                                                  << "Povedal: " << 9 << 9 << ctrl << false << "Povedal: „" << 10;
        QTest::newRow("Ctrl before a selection") << "OPRAVA"
                                                 << "Ahoj sem" << 5 << 8 << ctrl << false << "Ahoj „sem" << 6;
        QTest::newRow("Ctrl at the start") << "DIKTAT"
                                           << "Ahoj" << 0 << 0 << ctrl << false << "„Ahoj" << 1;
        QTest::newRow("Shift and Ctrl") << "OPRAVA"
                                        << "Ahoj" << 4 << 4 << (shift | ctrl) << false << "Ahoj" << 4;
        QTest::newRow("Alt") << "DIKTAT"
                             << "Ahoj" << 4 << 4 << int(Qt::AltModifier) << false << "Ahoj" << 4;
    }
    // The quote key by its scan code, in a sentence box: “ in place of the character
    // before the caret with Shift, „ at the caret with Ctrl.
    void uvozovky()
    {
        QFETCH(QString, druh);
        QFETCH(QString, pred);
        QFETCH(int, od);
        QFETCH(int, po);
        QFETCH(int, modifikatory);
        QFETCH(bool, pise);
        QFETCH(QString, potom);
        QFETCH(int, kurzor_potom);
        main_frm *s = p_->otevri(druh);
        QWidget *b = box(s, 2);
        b->setFocus();
        qobject_cast<QPlainTextEdit *>(b)->selectAll();
        napis(b, pred);
        nastav_kurzor(b, od, po);
        klavesa_uvozovek(b, Qt::KeyboardModifiers(modifikatory), pise);
        QCOMPARE(text(b), potom);
        QCOMPARE(kurzor(b), kurzor_potom);
    }

    // In a gap box of one character that is full, Shift with the quote key types nothing
    // but turns the character before the caret into “; with the caret at the start it
    // changes nothing; Ctrl drops nothing to make room.
    void uvozovky_v_plne_mezere()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        box_mezery *b = s->dopln_box(1);
        QCOMPARE(b->maxLength(), 1);
        b->setFocus();
        napis(b, QStringLiteral("a"));
        klavesa_uvozovek(b, Qt::ControlModifier);
        QCOMPARE(b->text(), QStringLiteral("a"));
        b->setCursorPosition(0);
        klavesa_uvozovek(b, Qt::ShiftModifier);
        QCOMPARE(b->text(), QStringLiteral("a"));
        b->setCursorPosition(1);
        klavesa_uvozovek(b, Qt::ShiftModifier);
        QCOMPARE(b->text(), QStringLiteral("“"));
        QCOMPARE(b->cursorPosition(), 1);
        b->clear();
        klavesa_uvozovek(b, Qt::ControlModifier);
        QCOMPARE(b->text(), QStringLiteral("„"));
    }

    // The key is known by its place, not by what it types: the US layout's ';' key
    // (same scan code) works, the '"' from another key does not.
    void uvozovky_podle_klavesy()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"));
        auto *b = s->dopln_box_viceradkovy(1);
        b->setFocus();
        QKeyEvent stisk(QEvent::KeyPress, Qt::Key_Colon, Qt::ShiftModifier, 47, 0, 0, QStringLiteral(":"));
        QApplication::sendEvent(b, &stisk);
        QKeyEvent uvolneni(QEvent::KeyRelease, Qt::Key_Colon, Qt::ShiftModifier, 47, 0, 0, QStringLiteral(":"));
        QApplication::sendEvent(b, &uvolneni);
        QCOMPARE(b->toPlainText(), QStringLiteral("“"));
        QTest::keyClick(b, Qt::Key_QuoteDbl, Qt::ShiftModifier);
        QCOMPARE(b->toPlainText(), QStringLiteral("“\""));
        // The key after it (§ on the Slovak layout, ' on the US one).
        QKeyEvent dalsi(QEvent::KeyRelease, Qt::Key_Apostrophe, Qt::ControlModifier, 48, 0, 0);
        QApplication::sendEvent(b, &dalsi);
        QCOMPARE(b->toPlainText(), QStringLiteral("“\""));
    }

    // Shift let go before the quote key: the Shift held at the press counts.
    void shift_pusten_driv_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::newRow("gap box") << "DOPLNOVACKA";
        QTest::newRow("sentence box") << "OPRAVA";
    }
    void shift_pusten_driv()
    {
        QFETCH(QString, druh);
        main_frm *s = p_->otevri(druh);
        QWidget *b = box(s, 1);
        b->setFocus();
        if (auto *v = qobject_cast<QPlainTextEdit *>(b))
            v->selectAll();
        QKeyEvent stisk(QEvent::KeyPress, Qt::Key_QuoteDbl, Qt::ShiftModifier, 47, 0, 0, QStringLiteral("\""));
        QApplication::sendEvent(b, &stisk);
        QKeyEvent shift(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier, 50, 0, 0);
        QApplication::sendEvent(b, &shift);
        QKeyEvent uvolneni(QEvent::KeyRelease, Qt::Key_QuoteDbl, Qt::NoModifier, 47, 0, 0, QStringLiteral("\""));
        QApplication::sendEvent(b, &uvolneni);
        QCOMPARE(text(b), QStringLiteral("“"));
    }

    // A pasted text with line breaks stays on the sentence's one paragraph.
    void vlozeni_bez_zlomu()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"));
        auto *b = s->dopln_box_viceradkovy(1);
        b->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("Prvá\nveta\r\nďalej"));
        b->paste();
        QCOMPARE(b->toPlainText(), QStringLiteral("Prvá veta ďalej"));
    }

    // ---- choice lists ----

    // A list opens under its label, as wide as its widest entry + 4 (at least 18), with
    // the layout's entries and height; clicking the label again closes it.
    void seznam_pod_popiskem()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"));
        const vyber_txt_t &model = s->stranka().vyber_txt[0];
        mys::klikni(s, s->vyber_txt(1)->geometry().center());
        seznam_vyberu *l = s->vyber_lst(1);
        QVERIFY(l->isVisible());
        int sirka = 18;
        const sirka_textu_t mira = sirka_v_pismu_stranky();
        for (const QString &t : model.vyber_lst)
            sirka = std::max(sirka, mira(t, model.body) + 4);
        QCOMPARE(l->geometry(), QRect(model.obdelnik.left(), model.obdelnik.bottom() + 1, sirka, model.vyska_seznamu));
        QCOMPARE(l->count(), model.vyber_lst.size());
        for (int r = 0; r < l->count(); ++r)
            QCOMPARE(l->item(r)->text(), model.vyber_lst[r]);
        QCOMPARE(p_->pixel(l->geometry().topLeft() + QPoint(l->width() - 1, l->height() - 1)), qRgb(255, 236, 182));
        mys::klikni(s, s->vyber_txt(1)->geometry().center());
        QVERIFY(!l->isVisible());
    }

    // Near the bottom a list opens upwards, its bottom edge on the label's top.
    void seznam_nahoru()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"), 2);
        QCOMPARE(s->stav().pocet_na_strance, 9);
        const int posledni = s->stav().dalsi_prvek - 1;
        mys::klikni(s, s->vyber_txt(posledni)->geometry().center());
        const QRect popisek = s->vyber_txt(posledni)->geometry();
        const QRect seznam = s->vyber_lst(posledni)->geometry();
        QVERIFY(popisek.bottom() + 1 + 6 * 18 > 480);
        QCOMPARE(seznam.height(), 6 * 18);
        QCOMPARE(seznam.bottom() + 1, popisek.top());
        QCOMPARE(seznam.left(), popisek.left());

        mys::klikni(s, s->vyber_txt(posledni - 1)->geometry().center());
        QVERIFY(!s->vyber_lst(posledni)->isVisible());
        const QRect predposledni = s->vyber_txt(posledni - 1)->geometry();
        QVERIFY(predposledni.bottom() + 1 + 6 * 18 <= 480);
        QCOMPARE(s->vyber_lst(posledni - 1)->geometry().top(), predposledni.bottom() + 1);
    }

    // The entry under the pointer lights up while no button is held; a release over an
    // entry takes it and closes the list.
    void vyber_z_seznamu()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"), 2);
        mys::klikni(s, s->vyber_txt(1)->geometry().center());
        seznam_vyberu *l = s->vyber_lst(1);
        for (int r : {3, 0, 5, 2}) {
            QTest::mouseMove(l->viewport(), radek_seznamu(r));
            QCOMPARE(l->currentRow(), r);
        }
        QMouseEvent tazeni(QEvent::MouseMove, QPointF(radek_seznamu(4)),
                           l->viewport()->mapToGlobal(QPointF(radek_seznamu(4))), Qt::NoButton, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(l->viewport(), &tazeni);
        QCOMPARE(l->currentRow(), 2);
        // Keys take nothing and close nothing.
        QTest::keyClick(l, Qt::Key_Down);
        QTest::keyClick(l, Qt::Key_Return);
        QVERIFY(l->isVisible());
        QCOMPARE(s->vyber_txt(1)->text(), QString());

        QTest::mousePress(l->viewport(), Qt::LeftButton, {}, radek_seznamu(4));
        QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, radek_seznamu(4));
        QVERIFY(!l->isVisible());
        QCOMPARE(s->vyber_txt(1)->text(), s->stranka().vyber_txt[0].vyber_lst[4]);
    }

    // A release on the list's bottom edge computes a row past the last entry: the list
    // stays open and the choice stays as it was.
    void uvolneni_na_spodnim_okraji()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"));
        mys::klikni(s, s->vyber_txt(2)->geometry().center());
        seznam_vyberu *l = s->vyber_lst(2);
        QTest::mousePress(l->viewport(), Qt::LeftButton, {}, radek_seznamu(0));
        QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, QPoint(5, l->height()));
        QVERIFY(l->isVisible());
        QCOMPARE(s->vyber_txt(2)->text(), QString());
        QTest::mouseRelease(l->viewport(), Qt::RightButton, {}, QPoint(5, l->height() - 1));
        QVERIFY(!l->isVisible());
        QCOMPARE(s->vyber_txt(2)->text(), s->stranka().vyber_txt[1].vyber_lst.last());
    }

    // At most one list is open: another label closes the first; the page and the check
    // close it too.
    void nejvyse_jeden_seznam()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"));
        mys::klikni(s, s->vyber_txt(1)->geometry().center());
        mys::klikni(s, s->vyber_txt(3)->geometry().center());
        QVERIFY(!s->vyber_lst(1)->isVisible());
        QVERIFY(s->vyber_lst(3)->isVisible());
        QCOMPARE(s->vyber_txt(1)->text(), QString());
        mys::klikni(s, QPoint(320, 460));
        QVERIFY(!s->vyber_lst(3)->isVisible());
        mys::klikni(s, s->vyber_txt(2)->geometry().center());
        QVERIFY(s->vyber_lst(2)->isVisible());
        p_->zkontroluj();
        for (int i = 1; i < s->stav().dalsi_prvek; ++i) {
            QVERIFY(!s->vyber_lst(i)->isVisible());
            QVERIFY(!s->vyber_txt(i)->isEnabled());
        }
        // Every label was left blank: every item wrong, in red.
        QCOMPARE(s->vyber_txt(1)->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(spolecny_stav.pocet_spatne, s->stav().dalsi_prvek - 1);
    }

    // ---- the bubble ----

    // Held left on a wrong mark: the bubble above it with the correct text, see-through
    // where its picture has the key colour; released: gone.
    void bublina()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        p_->zkontroluj();
        obrazkova_plocha *z = s->check_mark(3);
        QVERIFY(z->isEnabled());
        const QImage pred = p_->obrazovka();
        mys::stiskni(s, z->geometry().center());
        QVERIFY(s->bublina()->isVisible());
        const QRect kde(g::bublina_x, z->y() - 36 + 8, 530, 36);
        QCOMPARE(s->bublina()->geometry(), kde);
        QCOMPARE(s->spravny_vysledek_lbl()->text(), s->stranka().vety[2].check_mark.odpoved);
        QCOMPARE(s->spravny_vysledek_lbl()->geometry(), QRect(4, 2, 489, 20));
        const QImage po = p_->obrazovka();
        QCOMPARE(po.pixel(kde.topLeft() + QPoint(300, 30)), bublina_n(1));
        QCOMPARE(po.pixel(kde.topRight()), pred.pixel(kde.topRight()));
        QCOMPARE(po.pixel(kde.bottomLeft()), pred.pixel(kde.bottomLeft()));
        // The text is drawn over the bubble.
        bool text = false;
        for (int x = kde.x() + 4; x < kde.x() + 200 && !text; ++x)
            for (int y = kde.y() + 2; y < kde.y() + 22; ++y)
                text = text || qGray(po.pixel(x, y)) < 100;
        QVERIFY(text);

        mys::uvolni(s, z->geometry().center());
        QVERIFY(!s->bublina()->isVisible());
        QCOMPARE(s->bublina()->size(), QSize(0, 0));
        QCOMPARE(p_->obrazovka(), pred);
    }

    // Another button sets the label but shows no bubble; right marks and a busy screen
    // do not react.
    void bublina_jen_levym()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        const stranka_t &st = s->stranka();
        for (int i = 1; i <= st.pocet_prvku(); ++i)
            if (st.dopln_box[i - 1].veta != 4) {
                s->dopln_box(i)->setFocus();
                napis(s->dopln_box(i), st.dopln_box[i - 1].spravna_odpoved);
            }
        bool behem_posunu = false;
        QTimer::singleShot(60, [&] {
            if (!s->zaneprazdnena())
                return;
            mys::stiskni(s, s->check_mark(4)->geometry().center());
            behem_posunu = !s->bublina()->isVisible() && s->spravny_vysledek_lbl()->text().isEmpty();
            mys::uvolni(s, s->check_mark(4)->geometry().center());
        });
        p_->zkontroluj();
        QVERIFY(behem_posunu);

        QTest::mousePress(s->check_mark(4), Qt::RightButton, {}, QPoint(15, 15));
        QCOMPARE(s->spravny_vysledek_lbl()->text(), st.vety[3].check_mark.odpoved);
        QVERIFY(!s->bublina()->isVisible());
        QTest::mouseRelease(s->check_mark(4), Qt::RightButton, {}, QPoint(15, 15));

        QVERIFY(!s->check_mark(1)->isEnabled());
        mys::stiskni(s, s->check_mark(1)->geometry().center());
        QVERIFY(!s->bublina()->isVisible());
    }
};

QTEST_MAIN(tst_main_frm_vstup)
#include "tst_main_frm_vstup.moc"
