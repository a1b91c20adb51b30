#pragma once

// Shared by the exercise screen's tests: an installation whose every bitmap has a colour
// of its own (so that a pixel tells which one shows), a data file of short sentences, a
// host with stand-ins for the screens the exercise hands over to, and the pupil's keys.
#include "common/nahoda.h"
#include "common/stav.h"
#include "data/znacky.h"
#include "exercise/main_frm.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "shell/hostitel.h"
#include "shell/ukazatel.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QtTest>
#include <memory>

namespace obrazovka_cviceni
{

constexpr QRgb pozadi = qRgb(0x20, 0x40, 0x60);
constexpr QRgb zalozka = qRgb(0x60, 0x20, 0x20);
constexpr QRgb klic = qRgb(0xff, 0x00, 0xff);
constexpr QRgb veta_box = qRgb(0xf8, 0xf8, 0xf0);
constexpr QRgb kryt = qRgb(0xe0, 0xe8, 0xf0);
constexpr QRgb spravne = qRgb(0x00, 0xc0, 0x00);
constexpr QRgb spatne = qRgb(0xc0, 0x00, 0x00);
constexpr QRgb pokracuj = qRgb(0x00, 0x80, 0x40);
constexpr QRgb bublina = qRgb(0xff, 0xf0, 0xc0);
constexpr QRgb napoveda = qRgb(0xee, 0xee, 0x00);
inline QRgb zvyrazneni(int i) { return qRgb(0xa0 + i, 0xb0, 0x10); }
inline QRgb opakovani(int n) { return qRgb(0x30, 0x30 + n, 0xd0); }
inline QRgb bublina_n(int n) { return qRgb(0xff, 0xf0, 0xc0 + n); }

// A short face: the slide takes 8 frames.
constexpr QSize lice_pokracuj(40, 8);
constexpr QPoint dira_lice(5, 3);

// One-line sentences with one or two items each.
inline const QStringList vety = {
    QStringLiteral("Mal<í#ý> chlapci sa hrali na dvore.*1"), QStringLiteral("Na stole ležali dv<e#a> jablk<á#a>.*2"),
    QStringLiteral("Ocko kúpil nov<ý#í> bicykel.*3"),        QStringLiteral("Mačka sa vyhrievala na slnk<u#o>.*4"),
    QStringLiteral("V lese rástli vysok<é#ie> stromy.*5"),   QStringLiteral("Deti sa tešil<i#y> na prázdniny.*6"),
    QStringLiteral("Babka upiekla výborn<ý#í> koláč.*7"),    QStringLiteral("Psík veselo vrtel chv<o#ô>stom.*8"),
    QStringLiteral("Ráno sme vstal<i#y> skoro.*9"),          QStringLiteral("Na lúke kvitli <b#p>iele margarétky.*10"),
    QStringLiteral("Rybár chytil veľk<ú#ý> rybu.*11"),       QStringLiteral("Vtáky odlet<eli#ely> na juh.*12"),
};

// Choices of six forms each: a list on the last line of a full page leaves the screen.
inline QStringList vety_sesti_tvaru()
{
    QStringList radky;
    for (int n = 1; n <= 10; ++n)
        radky.append(QStringLiteral("Veta číslo %1 má <tvar#tvary~tvaru~tvarom~tvaroch~tvare>.*%1").arg(n));
    return radky;
}

// Two whole texts of ten short sentences.
inline QStringList souvisle_texty()
{
    QStringList radky;
    for (int t = 1; t <= 2; ++t)
        for (int d = 0; d <= 9; ++d)
            radky.append(QStringLiteral("V texte %1 je veta <č#c>íslo %2.*%1%2").arg(t).arg(d));
    return radky;
}

// Grade index 1: topic 1 the sentences above, 2 the six-form choices, 3 a topic with two
// sentences only, 9 the whole texts.
inline void priprav_instalaci(docasna_instalace &in)
{
    const auto bmp = [&](const QString &jmeno, QSize v, QRgb barva) {
        in.vytvor_bitmapu(QStringLiteral("GRAFIKA/") + jmeno, v.width(), v.height(), barva);
    };
    const auto s_klicem = [&](const QString &jmeno, QSize v, QRgb barva, QList<QPoint> klice) {
        QImage obrazek(v, QImage::Format_RGB32);
        obrazek.fill(barva);
        for (const QPoint p : klice)
            obrazek.setPixel(p, klic);
        const QString cesta = in.media() + QStringLiteral("/GRAFIKA/") + jmeno;
        QDir().mkpath(QFileInfo(cesta).path());
        obrazek.save(cesta, "BMP");
    };
    bmp(QStringLiteral("BG.BMP"), QSize(640, 480), pozadi);
    const char *nazvy[] = {"MKONTH", "MNOVEH", "MTABH", "MZPETH"};
    for (int i = 0; i < 4; ++i)
        bmp(QStringLiteral("%1.BMP").arg(QLatin1String(nazvy[i])), QSize(86, 77), zvyrazneni(i));
    bmp(QStringLiteral("CHECK_OK.BMP"), QSize(30, 30), spravne);
    bmp(QStringLiteral("CHECK_KO.BMP"), QSize(30, 30), spatne);
    s_klicem(QStringLiteral("POKRACUJ.BMP"), lice_pokracuj, pokracuj, {QPoint(0, 0), dira_lice});
    const int vysky[] = {36, 56, 76};
    for (int n = 1; n <= 3; ++n)
        s_klicem(QStringLiteral("HINT%1.BMP").arg(n), QSize(530, vysky[n - 1]), bublina_n(n),
                 {QPoint(529, 0), QPoint(0, vysky[n - 1] - 1)});
    bmp(QStringLiteral("3LINE_W.BMP"), QSize(574, 72), veta_box);
    bmp(QStringLiteral("COV_L_W.BMP"), QSize(44, 25), kryt);
    bmp(QStringLiteral("COV1_L_W.BMP"), QSize(44, 45), kryt);
    s_klicem(QStringLiteral("COV_R_V.BMP"), QSize(51, 72), kryt, {QPoint(0, 20)});
    s_klicem(QStringLiteral("COV1_R_V.BMP"), QSize(51, 72), kryt, {QPoint(0, 20)});
    bmp(QStringLiteral("COV2_B.BMP"), QSize(523, 47), pozadi);
    bmp(QStringLiteral("COV1_B.BMP"), QSize(523, 27), pozadi);
    for (int n = 0; n <= 3; ++n)
        bmp(QStringLiteral("REP_%1.BMP").arg(n), QSize(21, 21), opakovani(n));
    for (const int tema : {1, 2, 3, 9})
        for (const char *kod : {"VJ", "DJ", "CV", "OC"}) {
            bmp(QStringLiteral("TABS/L_1%1_%2.BMP").arg(tema).arg(QLatin1String(kod)), QSize(268, 82), zalozka);
            bmp(QStringLiteral("HELP/1%1_%2.BMP").arg(tema).arg(QLatin1String(kod)), QSize(640, 480), napoveda);
        }

    QStringList data{QStringLiteral("[5_1]")};
    data += vety;
    data.append(QStringLiteral("[5_2]"));
    data += vety_sesti_tvaru();
    data.append(QStringLiteral("[5_3]"));
    data += vety.mid(0, 2);
    data.append(QStringLiteral("[5_9]abc"));
    data += souvisle_texty();
    in.zapis_data(QStringLiteral("VERBANO2.DAT"), data, true);
    in.zapis_data(QStringLiteral("VYJIMKY.DAT"), {QStringLiteral("[5_1]")}, true);
}

// A screen that stands in for the set-up or results screen.
class zastupce : public obrazovka
{
public:
    using obrazovka::obrazovka;
    void aktivace() override { ++aktivaci; }
    int aktivaci = 0;
};

// The element with the keyboard focus: the stage's own, the screens living on a stage
// inside the host window.
inline QWidget *fokus(const QWidget *obrazovka) { return obrazovka->window()->focusWidget(); }

// Key by key, letters with diacritics too.
inline void napis(QWidget *kam, const QString &text)
{
    for (const QChar z : text)
        QTest::sendKeyEvent(QTest::Click, kam, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

// The key to the right of L as the X server reports it (keycode 47). With Shift it types '"' on the
// Slovak layout; `pise` false: it types nothing (a full box, a dead key, Ctrl).
inline void klavesa_uvozovek(QWidget *kam, Qt::KeyboardModifiers modifikatory, bool pise = true)
{
    const QString text = pise && modifikatory == Qt::ShiftModifier ? QStringLiteral("\"") : QString();
    QKeyEvent stisk(QEvent::KeyPress, Qt::Key_QuoteDbl, modifikatory, 47, 0, 0, text);
    QApplication::sendEvent(kam, &stisk);
    QKeyEvent uvolneni(QEvent::KeyRelease, Qt::Key_QuoteDbl, modifikatory, 47, 0, 0, text);
    QApplication::sendEvent(kam, &uvolneni);
}

// The exercise screen in a host, with the set-up and results screens standing by.
class prostredi
{
public:
    explicit prostredi(const docasna_instalace &instalace)
    {
        spolecny_stav = {};
        instalace.pouzij();
        okno = std::make_unique<hostitel>();
        okno->zaregistruj(obrazovka_id::frm_select, [this](QWidget *p) { return nastaveni = new zastupce(p); });
        okno->zaregistruj(obrazovka_id::frm_tabulka, [this](QWidget *p) { return tabulka = new zastupce(p); });
        okno->zaregistruj(obrazovka_id::main_frm, [](QWidget *p) { return new main_frm(p); });
        okno->ukaz(obrazovka_id::frm_select);
        okno->show();
        if (!QTest::qWaitForWindowExposed(okno.get()))
            qWarning("the host window was not exposed");
        QCoreApplication::processEvents();
    }
    ~prostredi()
    {
        okno.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        obnov_ukazatel();
    }

    // The set-up screen's continue: the exercise of the kind opens (for grade index 1
    // unless another is given).
    main_frm *otevri(const QString &druh, int tema = 1, int pocet = 10, int limit = 2, bool napoveda = false,
                     int rocnik = 1)
    {
        spolecny_stav.rocnik = rocnik;
        spolecny_stav.tema = tema;
        spolecny_stav.druh_ulohy = druh;
        spolecny_stav.pocet_uloh = pocet;
        spolecny_stav.limit_diktovani = limit;
        spolecny_stav.napoveda_na_zaciatku = napoveda;
        ukaz_presypaci_hodiny();
        scr = qobject_cast<main_frm *>(okno->ukaz(obrazovka_id::main_frm, hostitel::potom_t::skryj));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        zvuk.vymaz_zaznam();
        return scr;
    }

    QImage obrazovka() const { return scr->grab().toImage(); }
    QRgb pixel(QPoint kde) const { return obrazovka().pixel(kde); }
    int kliku() const { return zvuk.prehrano(QStringLiteral("ZVUK/CLICK.WAV")); }
    int najeti() const { return zvuk.prehrano(QStringLiteral("ZVUK/ENTER.WAV")); }

    // Presses a top-bar button as the pupil does: onto it, then click.
    void tlacitko(int i)
    {
        const QPoint kde = geometrie::cviceni::tlacitka[i].center();
        mys::najed(scr, kde);
        mys::klikni(scr, kde);
    }
    // Check, and wait for the continue button's slide.
    void zkontroluj()
    {
        tlacitko(0);
        QTRY_VERIFY(scr && !scr->zaneprazdnena());
    }

    falesna_platforma platforma;
    falesny_zvuk zvuk;
    std::unique_ptr<hostitel> okno;
    QPointer<main_frm> scr;
    zastupce *nastaveni = nullptr;
    zastupce *tabulka = nullptr;
};

} // namespace obrazovka_cviceni
