// The exercise screen under mouse and keys, on plain bitmaps (the help and the play counters
// each in a colour of its own) and a sound device that records its commands. Whole runs are driven in tests/journeys.
#include "common/geometrie.h"
#include "common/nahoda.h"
#include "common/stav.h"
#include "data/znacky.h"
#include "exercise/main_frm.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/falesny_zvuk.h"
#include "nahrady/instalace.h"
#include "nahrady/mys.h"
#include "shell/hostitel.h"
#include "shell/ukazatel.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QtTest>

namespace g = geometrie::cviceni;

namespace
{

constexpr QRgb plocha = qRgb(0x20, 0x40, 0x60), klic = qRgb(0xff, 0x00, 0xff), napoveda = qRgb(0xee, 0xee, 0x00);
QRgb opakovani(int n) { return qRgb(0x30, 0x30 + n, 0xd0); }
const QPoint prazdna_stranka(30, 465);

// Sentence d of whole text t: the fifth to seventh need two lines in a sentence box, the
// eighth three (its box reaches down to the continue button), the others one.
QString veta_textu(int t, int d)
{
    QString dalej;
    while (pocet_radku_v_textboxu(QStringLiteral("V texte %1 je veta číslo %2%3.").arg(t).arg(d).arg(dalej), 12) <
           1 + (d >= 4 && d <= 7) + (d == 7))
        dalej += QStringLiteral(" a ďalej");
    return QStringLiteral("V texte %1 je veta <č#c>íslo %2%3.*%1%2").arg(t).arg(d).arg(dalej);
}

// Topic 1: one-line sentences; 2: choices of six forms; 3: a comma, none, a letter; 9: two
// whole texts.
QStringList vety(int tema)
{
    QStringList radky;
    for (int n = 1; n <= (tema == 1 ? 12 : tema == 2 ? 10 : 20); ++n)
        radky.append(tema == 1   ? QStringLiteral("Veta %1 o tom, že ma<l#ľ>ý pes beží.*%1").arg(n)
                     : tema == 2 ? QStringLiteral("Veta %1 má <tvar#tvary~tvaru~tvarom~tvaroch~tvare>.*%1").arg(n)
                     : tema == 3 ? QStringLiteral("Veta %1 je krátka<,# > ale pekná< #,> a ma<l#ľ>á.*%1").arg(n)
                                 : veta_textu(n / 11 + 1, (n - 1) % 10));
    return radky;
}

void priprav_instalaci(docasna_instalace &in)
{
    const auto bmp = [&](const QString &jmeno, QSize v, QRgb barva, const QList<QPoint> &klice = {}) {
        QImage obrazek(v, QImage::Format_RGB32);
        obrazek.fill(barva);
        for (const QPoint p : klice)
            obrazek.setPixel(p, klic);
        const QString cesta = in.media() + QStringLiteral("/GRAFIKA/") + jmeno;
        QDir().mkpath(QFileInfo(cesta).path());
        obrazek.save(cesta, "BMP");
    };
    const QList<std::pair<QString, QSize>> plne{{"BG", {640, 480}},     {"CHECK_OK", {30, 30}}, {"CHECK_KO", {30, 30}},
                                                {"3LINE_W", {574, 72}}, {"COV_L_W", {44, 25}},  {"COV1_L_W", {44, 45}},
                                                {"COV2_B", {523, 47}},  {"COV1_B", {523, 27}},  {"MKONTH", {86, 77}},
                                                {"MNOVEH", {86, 77}},   {"MTABH", {86, 77}},    {"MZPETH", {86, 77}}};
    for (const auto &[jmeno, velikost] : plne)
        bmp(jmeno + QStringLiteral(".BMP"), velikost, plocha);
    bmp(QStringLiteral("POKRACUJ.BMP"), QSize(40, 8), plocha, {QPoint(0, 0), QPoint(5, 3)});
    for (int n = 1; n <= 3; ++n)
        bmp(QStringLiteral("HINT%1.BMP").arg(n), QSize(530, 16 + 20 * n), napoveda, {QPoint(529, 0)});
    for (const char *jmeno : {"COV_R_V.BMP", "COV1_R_V.BMP"})
        bmp(QString::fromLatin1(jmeno), QSize(51, 72), plocha, {QPoint(0, 20)});
    for (int n = 0; n <= 3; ++n)
        bmp(QStringLiteral("REP_%1.BMP").arg(n), QSize(21, 21), opakovani(n));
    QStringList data;
    for (const int tema : {1, 2, 3, 9}) {
        for (const druh_t d : vsechny_druhy) {
            const QString nazev = QStringLiteral("1%1_%2.BMP").arg(tema).arg(kod_bitmapy(d));
            bmp(QStringLiteral("TABS/L_") + nazev, QSize(268, 82), plocha);
            bmp(QStringLiteral("HELP/") + nazev, QSize(640, 480), napoveda);
        }
        data += QStringLiteral("[5_%1]%2").arg(tema).arg(tema == 9 ? "abc" : "");
        data += vety(tema);
    }
    in.zapis_data(QStringLiteral("VERBANO2.DAT"), data, true);
    in.zapis_data(QStringLiteral("VYJIMKY.DAT"), {QStringLiteral("[5_1]")}, true);
}

// The exercise screen in a host, with the set-up and results screens standing by.
struct prostredi {
    explicit prostredi(const docasna_instalace &instalace)
    {
        okno = std::make_unique<hostitel>();
        instalace.pouzij(okno->sezeni());
        okno->zaregistruj(obrazovka_id::frm_select,
                          [this](spolecny_stav_t &s, QWidget *p) { return nastaveni = new obrazovka(s, p); });
        okno->zaregistruj<main_frm>(obrazovka_id::main_frm);
        okno->ukaz(obrazovka_id::frm_select);
        okno->show();
        if (!QTest::qWaitForWindowExposed(okno.get()))
            qWarning("the host window was not exposed");
    }
    ~prostredi()
    {
        okno.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        obnov_ukazatel();
    }
    // The set-up screen's continue for grade index 1.
    main_frm *otevri(const QString &druh, int tema = 1, int limit = 2, bool napoveda = false, int pocet = 10)
    {
        spolecny_stav_t &s = okno->sezeni();
        s.rocnik = 1;
        s.tema = tema;
        s.druh_ulohy = druh_z_klicoveho_slova(druh);
        s.pocet_uloh = pocet;
        s.limit_diktovani = limit;
        s.napoveda_na_zaciatku = napoveda;
        ukaz_presypaci_hodiny();
        scr = qobject_cast<main_frm *>(okno->ukaz(obrazovka_id::main_frm, hostitel::potom_t::skryj));
        QCoreApplication::processEvents();
        zvuk.vymaz_zaznam();
        return scr;
    }
    QRgb pixel(QPoint kde) const { return scr->grab().toImage().pixel(kde); }
    void tlacitko(int i)
    {
        mys::najed(scr, g::tlacitka[i].center());
        mys::klikni(scr, g::tlacitka[i].center());
    }
    void zkontroluj()
    {
        tlacitko(0);
        QTRY_VERIFY(scr && !scr->zaneprazdnena());
    }
    void pokracuj() { mys::klikni(scr, scr->pokracuj_cmd()->geometry().center()); }
    QWidget *prvek(int i) const { return scr->vstupy().prvek(i); }
    void repro(int k) { mys::klikni(scr, scr->prehravac().repro(k)->geometry().center()); }
    QRgb pocitadlo(int k) const { return pixel(scr->prehravac().pocitadlo(k)->geometry().center()); }
    QString nahravka(int k) const
    {
        return QStringLiteral("%1/ZVUK/%2/%3.WAV")
            .arg(okno->sezeni().adresar_media, scr->cislo_ulohy())
            .arg(scr->stranka().vety[k - 1].repro.cislo_vety);
    }

    falesna_platforma platforma;
    falesny_zvuk zvuk;
    std::unique_ptr<hostitel> okno;
    QPointer<main_frm> scr;
    obrazovka *nastaveni = nullptr;
};

QWidget *fokus(const QWidget *obrazovka) { return obrazovka->window()->focusWidget(); }

QString text(const QWidget *w)
{
    const auto *radek = qobject_cast<const QLineEdit *>(w);
    return radek ? radek->text() : qobject_cast<const QPlainTextEdit *>(w)->toPlainText();
}

// Key by key, letters with diacritics too.
void napis(QWidget *kam, const QString &text)
{
    for (const QChar z : text)
        QTest::sendKeyEvent(QTest::Click, kam, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

// A key by its scan code, pressed with some modifiers and released with others.
void klavesa(QWidget *kam, Qt::Key k, quint32 kod, const QString &text, Qt::KeyboardModifiers pri_stisku,
             Qt::KeyboardModifiers pri_uvolneni)
{
    QKeyEvent stisk(QEvent::KeyPress, k, pri_stisku, kod, 0, 0, text);
    QApplication::sendEvent(kam, &stisk);
    QKeyEvent uvolneni(QEvent::KeyRelease, k, pri_uvolneni, kod, 0, 0, text);
    QApplication::sendEvent(kam, &uvolneni);
}

QPoint radek_seznamu(int r) { return QPoint(5, 18 * r + 9); }

// The quote key in the first gap box (one character long) or the second sentence box:
// the text and selection before, the modifiers, what the key types at its press, the text
// and the caret after.
struct uvozovka_t {
    const char *jmeno, *druh, *pred;
    int od, po;
    Qt::KeyboardModifiers mod;
    const char *napise, *potom;
    int kurzor;
};
const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
const uvozovka_t uvozovky_radky[] = {
    {"Shift: the typed \" becomes “", "DIKTAT", "Vraví: ", 7, 7, shift, "\"", "Vraví: “", 8},
    {"Shift at the start, nothing typed", "DIKTAT", "Ahoj", 0, 0, shift, "", "Ahoj", 0},
    {"Shift, selection: nothing typed", "OPRAVA", "Ahoj sem", 5, 8, shift, "", "Ahoj sem", 8},
    {"Ctrl puts „ at the caret", "DIKTAT", "Povedal: ", 9, 9, ctrl, "", "Povedal: „", 10},
    {"Ctrl before a selection", "OPRAVA", "Ahoj sem", 5, 8, ctrl, "", "Ahoj „sem", 6},
    {"Shift and Ctrl", "OPRAVA", "Ahoj", 4, 4, shift | ctrl, "", "Ahoj", 4},
    {"full gap, Shift", "DOPLNOVACKA", "a", 1, 1, shift, "", "“", 1},
    {"full gap, Ctrl", "DOPLNOVACKA", "a", 0, 0, ctrl, "", "a", 0},
    {"empty gap, Ctrl", "DOPLNOVACKA", "", 0, 0, ctrl, "", "„", 1},
};

} // namespace

class tst_main_frm : public QObject
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
        nahoda().zafixuj(5);
    }
    void cleanup()
    {
        p_.reset();
        nahoda().uvolni();
    }

    void nacteni_data()
    {
        QTest::addColumn<QString>("druh");
        for (const druh_t d : vsechny_druhy)
            QTest::newRow(qPrintable(klicove_slovo(d))) << klicove_slovo(d);
    }
    // Counts cleared; the first page with nine sentences and the kind's elements.
    void nacteni()
    {
        QFETCH(QString, druh);
        p_->okno->sezeni().pocet_spravne = 4;
        p_->okno->sezeni().vsetko_skontrolovane = true;
        main_frm *s = p_->otevri(druh);
        QVERIFY(s->sezeni().pocet_spravne == 0 && !s->sezeni().vsetko_skontrolovane);
        QVERIFY(s->kresli_stranku() && s->buffer_stranky().isNull() && !jsou_presypaci_hodiny());
        QCOMPARE(s->stav().pocet_na_strance, 9);
        for (int k = 1; k <= 9; ++k)
            QVERIFY(s->prehravac().repro(k)->isEnabled() && !s->check_mark(k)->isVisible());
        for (int i = 1; i <= s->stranka().pocet_prvku(); ++i)
            QVERIFY(p_->prvek(i)->isVisible() && p_->prvek(i)->isEnabled());
        QVERIFY(!p_->prvek(s->stranka().pocet_prvku() + 1));
        QVERIFY(!s->pokracuj_cmd()->isVisible() && !s->zdroj()->isVisible() && !s->bublina()->isVisible());
    }

    // The help picture covers the page, which is painted only when the picture is clicked
    // away; the help area shows it again.
    void napoveda_na_zacatku()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"), 1, 2, true);
        QVERIFY(s->zdroj()->isVisible() && !s->kresli_stranku() && !s->buffer_stranky().isNull());
        napis(fokus(s), QStringLiteral("ab")); // to the picture, not to a box beneath it
        QVERIFY(text(p_->prvek(1)).isEmpty());
        mys::klikni(s, QPoint(300, 300));
        QVERIFY(!s->zdroj()->isVisible() && s->buffer_stranky().isNull());
        const QImage stranka = s->obraz();
        mys::klikni(s, g::help.center());
        QCOMPARE(p_->pixel(QPoint(300, 300)), napoveda);
        mys::klikni(s, QPoint(300, 300));
        QCOMPARE(s->obraz(), stranka);
        QCOMPARE(p_->zvuk.prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 0);
    }

    void po_kontrole_data() { nacteni_data(); }
    // Checking locks the elements and speakers and leaves only the score table and back;
    // every sentence gets its mark; a wrong gap or choice turns red, a right one not; no
    // element keeps the focus; the continue button, overlapped by a three-line sentence
    // box, takes the click.
    void po_kontrole()
    {
        QFETCH(QString, druh);
        main_frm *s = p_->otevri(druh, 9);
        const stranka_t &st = s->stranka();
        if (auto *druha = qobject_cast<QLineEdit *>(p_->prvek(2)))
            druha->setText(st.dopln_box[1].spravna_odpoved);
        p_->zkontroluj();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(s->klik_plocha(i)->isEnabled(), i >= 2);
        for (int k = 1; k <= st.vety.size(); ++k) {
            QVERIFY(s->check_mark(k)->isVisible() && !s->prehravac().repro(k)->isEnabled());
            QCOMPARE(s->check_mark(k)->geometry(), QRect(st.vety[k - 1].check_mark.poloha, QSize(30, 30)));
        }
        const bool polozkove = druh == QLatin1String("VYBEROVKA") || druh == QLatin1String("DOPLNOVACKA");
        for (int i = 1; i <= st.pocet_prvku(); ++i) {
            const auto *veta = qobject_cast<const QPlainTextEdit *>(p_->prvek(i));
            QVERIFY(veta ? veta->isReadOnly() : !p_->prvek(i)->isEnabled());
            QCOMPARE(p_->pixel(p_->prvek(i)->geometry().topLeft() + QPoint(1, 1)) == qRgb(255, 0, 0),
                     polozkove && (i != 2 || druh == QLatin1String("VYBEROVKA")));
        }
        QVERIFY(!qobject_cast<QLineEdit *>(fokus(s)) && !qobject_cast<QPlainTextEdit *>(fokus(s)));
        mys::klikni(s, s->pokracuj_cmd()->geometry().topLeft() + QPoint(2, 2));
        QVERIFY(!s->pokracuj_cmd()->isVisible() && s->stav().losovani.pocet_zobrazenych == 10);
    }

    // Before the first choice a label shows a placeholder and counts as wrong, whatever its
    // correct form (a comma, none, a letter); "no comma" is an entry of its own.
    void nevybrane_volby()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"), 3);
        const int nic = int(s->stranka().vyber_txt[1].vyber_lst.indexOf(QStringLiteral(" ")));
        mys::klikni(s, p_->prvek(2)->geometry().center());
        QCOMPARE(s->vstupy().seznam(2)->item(nic)->text(), QStringLiteral("(nič)"));
        QTest::mouseRelease(s->vstupy().seznam(2)->viewport(), Qt::LeftButton, {}, radek_seznamu(nic));
        p_->zkontroluj();
        QCOMPARE(s->sezeni().pocet_spravne, 1);
        QCOMPARE(s->sezeni().pocet_spatne, s->stranka().pocet_prvku() - 1);
    }

    // Page 2 replaces page 1; new sentences there keep the tasks of page 1 and draw page 2 anew.
    void nove_vety_na_strane_2()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        p_->zkontroluj();
        p_->pokracuj();
        QCOMPARE(s->stav().pocet_na_strance, 1);
        QVERIFY(!s->pokracuj_cmd()->isVisible() && !s->check_mark(1)->isVisible() && !s->prehravac().repro(2));
        const QList<int> prvni_strana = s->stav().losovani.vybrane_radky.mid(0, 9);
        p_->prvek(1)->setFocus();
        napis(p_->prvek(1), QStringLiteral("abc"));
        p_->tlacitko(1);
        const QList<int> vybrane = s->stav().losovani.vybrane_radky;
        QCOMPARE(vybrane.mid(0, 9), prvni_strana);
        QVERIFY(!prvni_strana.contains(vybrane[9]));
        QCOMPARE(s->stav().losovani.pocet_zobrazenych, 10);
        QVERIFY(text(p_->prvek(1)).isEmpty());
        QCOMPARE(s->stranka().vety[0].repro.cislo_vety, cislo_vety(vety(1)[vybrane[9]]));
    }

    // Back unloads the exercise screen.
    void zpet()
    {
        p_->otevri(QStringLiteral("DIKTAT"));
        p_->tlacitko(3);
        QVERIFY(p_->okno->aktualni() == p_->nastaveni);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!p_->scr && !p_->okno->najdi(obrazovka_id::main_frm));
    }

    void enter_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("klavesa");
        QTest::newRow("gap boxes") << "DOPLNOVACKA" << int(Qt::Key_Return);
        QTest::newRow("sentence boxes") << "DIKTAT" << int(Qt::Key_Return);
        QTest::newRow("planted sentences, keypad Enter") << "OPRAVA" << int(Qt::Key_Enter);
    }
    // Enter moves to the next box and from the last to the first; neither it nor
    // character 29 types anything.
    void enter()
    {
        QFETCH(QString, druh);
        QFETCH(int, klavesa);
        main_frm *s = p_->otevri(druh);
        const int n = s->stranka().pocet_prvku();
        mys::klikni(s, p_->prvek(1)->geometry().topLeft() + QPoint(3, 5));
        QTest::sendKeyEvent(QTest::Click, fokus(s), Qt::Key_BracketRight, QString(QChar(29)), Qt::ControlModifier);
        for (int krok = 1; krok <= n; ++krok) {
            QTest::keyClick(fokus(s), Qt::Key(klavesa), klavesa == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(fokus(s), p_->prvek(krok % n + 1));
        }
        for (int i = 1; i <= n; ++i)
            QCOMPARE(text(p_->prvek(i)),
                     druh == QLatin1String("OPRAVA") ? s->stranka().dopln_box_viceradkovy[i - 1].text : QString());
    }

    void uvozovky_data()
    {
        QTest::addColumn<int>("r");
        for (int r = 0; r < int(std::size(uvozovky_radky)); ++r)
            QTest::newRow(uvozovky_radky[r].jmeno) << r;
    }
    // The key to the right of L (X keycode 47): with Shift “ in place of the character
    // before the caret, with Ctrl „ at the caret.
    void uvozovky()
    {
        QFETCH(int, r);
        const uvozovka_t &u = uvozovky_radky[r];
        p_->otevri(QString::fromLatin1(u.druh));
        QWidget *b = p_->prvek(u.druh == QLatin1String("DOPLNOVACKA") ? 1 : 2);
        b->setFocus();
        auto *radek = qobject_cast<QLineEdit *>(b);
        auto *v = qobject_cast<QPlainTextEdit *>(b);
        if (radek) {
            QCOMPARE(radek->maxLength(), 1);
            radek->setText(QString::fromUtf8(u.pred));
            radek->setCursorPosition(u.od);
        } else {
            v->setPlainText(QString::fromUtf8(u.pred));
            QTextCursor c = v->textCursor();
            c.setPosition(u.od);
            c.setPosition(u.po, QTextCursor::KeepAnchor);
            v->setTextCursor(c);
        }
        klavesa(b, Qt::Key_QuoteDbl, 47, QString::fromUtf8(u.napise), u.mod, u.mod);
        QCOMPARE(text(b), QString::fromUtf8(u.potom));
        QCOMPARE(radek ? radek->cursorPosition() : v->textCursor().position(), u.kurzor);
    }

    // A list opens under its label with the layout's entries; near the bottom above it; F5 in it plays its sentence.
    // Another label, the page or the same label closes it.
    void seznamy()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"), 2);
        const vyber_txt_t &model = s->stranka().vyber_txt[0];
        const QRect popisek = p_->prvek(1)->geometry();
        mys::klikni(s, popisek.center());
        seznam_vyberu *l = s->vstupy().seznam(1);
        QCOMPARE(l->geometry().topLeft(), popisek.bottomLeft() + QPoint(0, 1));
        for (int r = 0; r < l->count(); ++r)
            QCOMPARE(l->item(r)->text(), model.vyber_lst[r]);
        QTest::keyClick(l, Qt::Key_F5); // plays the list's sentence, the list stays
        QVERIFY(l->isVisible() && p_->zvuk.prehrane == QStringList{p_->nahravka(1)});

        const int posledni = s->stranka().pocet_prvku();
        mys::klikni(s, p_->prvek(posledni)->geometry().center());
        QVERIFY(!l->isVisible() && s->vstupy().seznam(posledni)->isVisible());
        QCOMPARE(s->vstupy().seznam(posledni)->geometry().bottom() + 1, p_->prvek(posledni)->geometry().top());
        mys::klikni(s, prazdna_stranka);
        QVERIFY(!s->vstupy().seznam(posledni)->isVisible());
        mys::klikni(s, popisek.center());
        mys::klikni(s, popisek.center());
        QVERIFY(!l->isVisible());

        // Open again: keys choose nothing, nor does a release on the bottom edge (a row past
        // the last).
        mys::klikni(s, popisek.center());
        QTest::mouseMove(l->viewport(), radek_seznamu(2));
        QTest::keyClick(l, Qt::Key_Down);
        QTest::keyClick(l, Qt::Key_Return);
        QTest::mousePress(l->viewport(), Qt::LeftButton, {}, radek_seznamu(0));
        QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, QPoint(5, l->height()));
        QVERIFY(l->isVisible());
        QCOMPARE(qobject_cast<QLabel *>(p_->prvek(1))->text(), QString());
    }

    // A whole text (all its ten sentences, five chosen) with two plays a sentence: the
    // counter shows 2, 1, 0; pause and resume count nothing; a third play does not start.
    void povoleni_2()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"), 9, 2, false, 5);
        QVERIFY(s->stav().losovani.pocet_uloh == 10 && s->sezeni().pocet_vet_cviceni == 10);
        QCOMPARE(p_->pocitadlo(1), opakovani(2));
        p_->zvuk.hraje_po_play = true;
        p_->repro(1);
        p_->repro(1);
        QCOMPARE(p_->zvuk.rezim(), zvukove_zarizeni::rezim_t::pozastaveno);
        p_->repro(1);
        QCOMPARE(p_->zvuk.prikazy, (QStringList{"Close", "Open " + p_->nahravka(1), "Play", "Pause", "Play"}));
        QCOMPARE(s->prehravac().zbyva(1), 1);
        QCOMPARE(p_->pocitadlo(1), opakovani(1));
        p_->zvuk.dohraj();
        p_->repro(1);
        QCOMPARE(s->prehravac().zbyva(1), 0);
        QCOMPARE(p_->pocitadlo(1), opakovani(0));
        QCOMPARE(p_->pocitadlo(2), opakovani(2));
        QCOMPARE(p_->zvuk.prehrane.size(), 2);
    }

    // F5 plays the sentence of its box; another speaker plays its own sentence, the caret
    // put into its box; F5 in the box of a sentence with no plays left starts nothing but
    // stops the one playing.
    void f5()
    {
        main_frm *s = p_->otevri(QStringLiteral("OPRAVA"), 9, 1);
        p_->zvuk.hraje_po_play = true;
        QTest::keyClick(p_->prvek(2), Qt::Key_F5);
        QCOMPARE(p_->zvuk.prehrane, QStringList{p_->nahravka(2)});
        QCOMPARE(s->prehravac().zbyva(2), 0);
        p_->repro(2);
        p_->repro(1); // while 2 is paused: 1 starts
        QCOMPARE(p_->zvuk.prehrane, (QStringList{p_->nahravka(2), p_->nahravka(1)}));
        QCOMPARE(fokus(s), p_->prvek(1));
        p_->zvuk.vymaz_zaznam();
        QTest::keyClick(p_->prvek(2), Qt::Key_F5);
        QCOMPARE(p_->zvuk.prikazy, (QStringList{"Stop", "Close"}));
    }

    // F5 in a gap plays its sentence, and a play puts the caret into the sentence's first
    // gap that holds nothing but spaces; into none when all are filled.
    void f5_v_mezere()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        napis(p_->prvek(3), QStringLiteral(" "));
        QTest::keyClick(p_->prvek(5), Qt::Key_F5);
        QCOMPARE(p_->zvuk.prehrane, QStringList{p_->nahravka(5)});
        p_->repro(3);
        QCOMPARE(fokus(s), p_->prvek(3));
        napis(p_->prvek(4), QStringLiteral("x"));
        p_->repro(4);
        QCOMPARE(fokus(s), p_->prvek(3));
    }
};

QTEST_MAIN(tst_main_frm)
#include "tst_main_frm.moc"
