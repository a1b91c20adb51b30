#include "exercise/viceradkovy_box.h"

#include "common/geometrie.h"
#include "common/pismo.h"

#include <QTextLayout>

format_viceradkoveho_boxu_t format_viceradkoveho_boxu(int body)
{
    format_viceradkoveho_boxu_t f;
    f.pismo = pismo_obrazovky(body);
    f.sirka = geometrie::cviceni::sirka_boxu;
    f.okraj_dokumentu = 1;
    f.sirka_radku = f.sirka - 2 * f.okraj_dokumentu;
    // A plain text edit steps 19 pixels a line at 12 points and 15 at 10; the rest is the
    // document margin and a little air.
    f.vyska_radku = body >= 12 ? 22 : 18;
    return f;
}

int pocet_radku_v_textboxu(const QString &text, const format_viceradkoveho_boxu_t &format)
{
    QTextOption volby;
    volby.setWrapMode(format.zalamovani);
    int radku = 0;
    // A plain text edit makes a block of every paragraph; Enter never adds one, but
    // pasted text might.
    for (const QString &odstavec : QString(text).replace(QChar::ParagraphSeparator, u'\n').split(u'\n')) {
        QTextLayout sazba(odstavec, format.pismo);
        sazba.setTextOption(volby);
        sazba.beginLayout();
        for (QTextLine radek = sazba.createLine(); radek.isValid(); radek = sazba.createLine())
            radek.setLineWidth(format.sirka_radku);
        sazba.endLayout();
        radku += qMax(1, sazba.lineCount());
    }
    return qMax(1, radku);
}

int pocet_radku_v_textboxu(const QString &text, int body)
{
    return pocet_radku_v_textboxu(text, format_viceradkoveho_boxu(body));
}
