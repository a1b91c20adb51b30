#include "setup/prikazova_radka.h"

#include "common/druhy.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "common/soubory.h"
#include "data/losovani.h"
#include "setup/tisk_beh.h"
#include "setup/volby.h"
#include "shell/ini.h"
#include "shell/platforma.h"

#include <QFile>
#include <QHash>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <optional>

namespace prikazova_radka
{

namespace
{

const QString program = QStringLiteral("ortanel-verbano2");
const QStringList volby_s_hodnotou = {QStringLiteral("pracovny-list"), QStringLiteral("druh"),
                                      QStringLiteral("pocet"),         QStringLiteral("kopie"),
                                      QStringLiteral("vystup"),        QStringLiteral("tlaciaren")};
constexpr int najviac_kopii = 100;

QString navod()
{
    QString text =
        QStringLiteral("Použitie: %1 --pracovny-list ROČNÍK_TÉMA --druh DRUH --pocet POČET [--kopie KÓPIE]\n"
                       "                        (--vystup SÚBOR.pdf | --tlaciaren NÁZOV)\n"
                       "\n"
                       "Pripraví pracovné listy bez otvorenia okna: vzor pre učiteľa so správnymi odpoveďami\n"
                       "a za ním kópie pre žiakov, rovnako ako tlačidlo Vytlač na obrazovke s voľbami.\n"
                       "\n"
                       "  --pracovny-list ROČNÍK_TÉMA  ročník (5 až 9) a poradie témy v ňom, napríklad 7_3\n"
                       "  --druh DRUH                  doplnovacka (doplňovačka) alebo oprava (oprava chýb)\n"
                       "  --pocet POČET                počet viet: 5, 10, 15 alebo 20 (súhrnný diktát má\n"
                       "                               vždy celý text)\n"
                       "  --kopie KÓPIE                počet kópií pre žiakov, 1 až %2 (bez voľby 1)\n"
                       "  --vystup SÚBOR               uloží listy do súboru PDF\n"
                       "  --tlaciaren NÁZOV            vytlačí listy na tlačiarni s týmto názvom\n"
                       "                               (názvy tlačiarní vypíše príkaz lpstat -p)\n"
                       "  --help                       vypíše tento návod\n"
                       "  --ucitel                     otvorí namiesto toho okno s výsledkami žiakov\n"
                       "\n"
                       "Témy:\n")
            .arg(program)
            .arg(najviac_kopii);
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
            text +=
                QStringLiteral("  %1  %2, %3\n")
                    .arg(cislo_ulohy(r, t), katalog_temat::nazev_rocniku(r), katalog_temat::nazev_pracovni_list(r, t));
    text += QStringLiteral("\nNávratový kód: 0 po vytlačení, 2 pri chybnom zadaní, 1 keď tlač zlyhala.\n");
    return text;
}

struct chyba_t {
    QString text;
};

// The options as name → value; a bad one gives its message.
std::optional<QHash<QString, QString>> precti_volby(const QStringList &argumenty, chyba_t &chyba)
{
    QHash<QString, QString> volby;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
        if (!a.startsWith(QLatin1String("--"))) {
            chyba.text = QStringLiteral("nečakaný údaj „%1“; zoznam volieb vypíše %2 --help").arg(a, program);
            return std::nullopt;
        }
        const qsizetype rovna_se = a.indexOf(QLatin1Char('='));
        const QString nazev = a.mid(2, rovna_se < 0 ? -1 : rovna_se - 2);
        if (nazev == QLatin1String("help")) {
            volby.insert(nazev, QString());
            continue;
        }
        if (!volby_s_hodnotou.contains(nazev)) {
            chyba.text = QStringLiteral("neznáma voľba „--%1“; zoznam volieb vypíše %2 --help").arg(nazev, program);
            return std::nullopt;
        }
        if (rovna_se >= 0) {
            volby.insert(nazev, a.mid(rovna_se + 1));
        } else if (i + 1 < argumenty.size()) {
            volby.insert(nazev, argumenty[++i]);
        } else {
            chyba.text = QStringLiteral("voľbe --%1 chýba hodnota").arg(nazev);
            return std::nullopt;
        }
    }
    return volby;
}

std::optional<int> cele_cislo(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

bool je_pozadovana(const QStringList &argumenty)
{
    for (const QString &a : argumenty)
        if (a.startsWith(QLatin1String("--")))
            return true;
    return false;
}

kod_t spust(const QStringList &argumenty, QTextStream &vystup, QTextStream &chyby)
{
    const auto zle = [&chyby](const QString &text) {
        chyby << program << ": " << text << Qt::endl;
        return zly_vstup;
    };
    chyba_t chyba;
    const std::optional<QHash<QString, QString>> volby = precti_volby(argumenty, chyba);
    if (!volby)
        return zle(chyba.text);
    if (volby->contains(QStringLiteral("help"))) {
        vystup << navod();
        vystup.flush();
        return hotovo;
    }

    const QString klic = volby->value(QStringLiteral("pracovny-list"));
    const QRegularExpressionMatch tema_klic =
        QRegularExpression(QStringLiteral("^(\\d+)_(\\d+)$")).match(klic.trimmed());
    const int rocnik = tema_klic.hasMatch() ? tema_klic.captured(1).toInt() - 4 : 0;
    const int tema = tema_klic.hasMatch() ? tema_klic.captured(2).toInt() : 0;
    if (!volby->contains(QStringLiteral("pracovny-list")))
        return zle(QStringLiteral("chýba voľba --pracovny-list s ročníkom a témou, napríklad 7_3"));
    if (!katalog_temat::existuje(rocnik, tema))
        return zle(QStringLiteral("neznáma téma „%1“; zadajte ročník 5 až 9 a tému, napríklad 7_3 "
                                  "(zoznam tém vypíše %2 --help)")
                       .arg(klic, program));

    const QString druh_text = volby->value(QStringLiteral("druh"));
    const std::optional<druh_t> druh_ulohy = druh_z_klicoveho_slova(druh_text.trimmed().toUpper());
    if (druh_text.trimmed().isEmpty())
        return zle(QStringLiteral("voľba --druh musí byť doplnovacka alebo oprava"));
    if (!druh_ulohy)
        return zle(QStringLiteral("neznámy druh „%1“; voľba --druh musí byť doplnovacka alebo oprava").arg(druh_text));
    if (!::volby::tisknutelny(druh_ulohy))
        return zle(
            QStringLiteral("druh „%1“ sa nedá vytlačiť; vytlačiť sa dá doplnovacka alebo oprava").arg(druh_text));

    const std::optional<int> pocet = cele_cislo(volby->value(QStringLiteral("pocet")));
    if (!pocet || (*pocet != 5 && *pocet != 10 && *pocet != 15 && *pocet != 20))
        return zle(QStringLiteral("voľba --pocet musí byť 5, 10, 15 alebo 20 viet"));
    const std::optional<int> kopii = volby->contains(QStringLiteral("kopie"))
                                         ? cele_cislo(volby->value(QStringLiteral("kopie")))
                                         : std::optional<int>(1);
    if (!kopii || *kopii < 1 || *kopii > najviac_kopii)
        return zle(QStringLiteral("voľba --kopie musí byť celé číslo od 1 do %1").arg(najviac_kopii));

    const bool do_souboru = volby->contains(QStringLiteral("vystup"));
    const bool na_tiskarnu = volby->contains(QStringLiteral("tlaciaren"));
    if (do_souboru == na_tiskarnu)
        return zle(QStringLiteral("zadajte buď --vystup so súborom PDF, alebo --tlaciaren s názvom tlačiarne"));
    const QString soubor = volby->value(QStringLiteral("vystup"));
    const QString tiskarna_nazev = volby->value(QStringLiteral("tlaciaren"));
    if (do_souboru && soubor.trimmed().isEmpty())
        return zle(QStringLiteral("voľbe --vystup chýba názov súboru"));
    if (na_tiskarnu && QPrinterInfo::printerInfo(tiskarna_nazev).isNull())
        return zle(
            QStringLiteral("tlačiareň „%1“ v systéme nie je (názvy tlačiarní vypíše lpstat -p)").arg(tiskarna_nazev));

    const QString ini = platforma().soubor_ini();
    const QString adresar =
        ini.isEmpty() ? QString() : nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("HD"));
    if (adresar.isEmpty() || adresar == QLatin1String("ERROR"))
        return zle(QStringLiteral("súbor ORTANEL.INI s priečinkom údajov (kľúč HD) sa nenašiel"));
    const QString data = spoj_cestu(adresar, QStringLiteral("VERBANO2.DAT"));
    if (QFile f(data); !f.open(QIODevice::ReadOnly))
        return zle(QStringLiteral("priečinok údajov „%1“ sa nedá čítať (chýba v ňom VERBANO2.DAT)").arg(adresar));

    losovani_t losovani;
    const std::optional<zadani_listu_t> zadani = vylosuj_zadani(losovani, data, rocnik, tema, *druh_ulohy, *pocet);
    if (!zadani)
        return zle(QStringLiteral("téma %1 nemá dosť viet na %2 viet").arg(klic.trimmed()).arg(*pocet));

    QPrinter tiskarna;
    if (do_souboru) {
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setOutputFileName(soubor);
    } else {
        tiskarna.setPrinterName(tiskarna_nazev);
    }
    tiskarna.setPageSize(QPageSize(QPageSize::A4));
    tiskarna.setCopyCount(*kopii);
    if (vytiskni_listy(tiskarna, *zadani, nahoda()))
        return hotovo;
    if (do_souboru)
        return zle(QStringLiteral("do súboru „%1“ sa nedá zapisovať").arg(soubor));
    chyby << program << ": " << QStringLiteral("tlačiareň „%1“ pracovné listy neprijala").arg(tiskarna_nazev)
          << Qt::endl;
    return tlac_zlyhala;
}

} // namespace prikazova_radka
