// ortanel_kompilator: content/ sources -> VERBANO2.DAT, VYJIMKY.DAT and ZNAMKY.DAT.
#include "kompilator.h"

#include "common/pismo.h"
#include "data/kontejner.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace
{

void napoveda(QTextStream &out)
{
    out << "Usage:\n"
           "  ortanel_kompilator CONTENT_DIR DATA_DIR   check content/ and write the data files\n"
           "  ortanel_kompilator --kontrola CONTENT_DIR check only and print a table per topic\n"
           "  ortanel_kompilator --vypis FILE.DAT       list the section headers of a scrambled file\n"
           "Content errors are printed as file:line: reason and end with exit code 1;\n"
           "warnings (wrong forms that the Slovak dictionary also knows) do not.\n";
}

void vypis_souhrn(QTextStream &out, const vysledek_kompilace_t &v)
{
    for (const QString &varovani : v.varovani)
        out << "warning: " << varovani << '\n';
    out << "topic  sentences  texts  items  exceptions  warnings\n";
    int vet = 0, polozek = 0, vyjimek = 0;
    for (const auto &s : v.souhrn) {
        out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                   .arg(s.klic, -5)
                   .arg(s.vet, 9)
                   .arg(s.souvisly ? QString::number(s.textu) : QStringLiteral("-"), 5)
                   .arg(s.polozek, 5)
                   .arg(s.vyjimek, 10)
                   .arg(s.varovani, 8);
        vet += s.vet;
        polozek += s.polozek;
        vyjimek += s.vyjimek;
    }
    out << QStringLiteral("total  %1         %2  %3  %4\n")
               .arg(vet, 9)
               .arg(polozek, 5)
               .arg(vyjimek, 10)
               .arg(v.varovani.size(), 8);
    out << QStringLiteral("spelling: %1 distinct words in %2 ms\n").arg(v.slov_pravopisu).arg(v.ms_pravopisu);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    zaregistruj_pisma();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);

    if (args.size() == 2 && args[0] == QLatin1String("--vypis")) {
        for (const QString &nazev : rozklicuj_dat_soubor(args[1]))
            out << nazev << '\n';
        return 0;
    }
    const bool jen_kontrola = args.size() == 2 && args[0] == QLatin1String("--kontrola");
    if (!jen_kontrola && (args.size() != 2 || args[0].startsWith(QLatin1String("--")))) {
        napoveda(args.contains(QLatin1String("--help")) ? out : err);
        return args.contains(QLatin1String("--help")) ? 0 : 2;
    }

    nastaveni_kompilace_t n;
    n.obsah = jen_kontrola ? args[1] : args[0];
    n.vystup = jen_kontrola ? QString() : args[1];
    n.kontroly_vet = vychozi_kontroly_vet();
    n.kontroly_vyjimek = vychozi_kontroly_vyjimek();
    n.hunspell = QString::fromLatin1(vychozi_hunspell);
    const vysledek_kompilace_t v = kompiluj(n);
    for (const QString &chyba : v.chyby)
        err << chyba << '\n';
    if (jen_kontrola)
        vypis_souhrn(out, v);
    else if (!v.varovani.isEmpty())
        out << v.varovani.size() << " warning(s) of wrong forms the dictionary knows: see --kontrola\n";
    if (!v.ok()) {
        err << v.chyby.size() << " content error(s)\n";
        return 1;
    }
    return 0;
}
