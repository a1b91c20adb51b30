#include "common/jmeno.h"

#include "common/soubory.h"

namespace
{

bool zlomi_radek(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

QString nahrad(const QString &text, const QString &misto_cary)
{
    QString vysledek;
    vysledek.reserve(text.size());
    bool v_behu = false;
    for (const QChar c : text) {
        if (zlomi_radek(c)) {
            if (!v_behu)
                vysledek.append(QLatin1Char(' '));
            v_behu = true;
            continue;
        }
        v_behu = false;
        if (c == QLatin1Char('|'))
            vysledek.append(misto_cary);
        else if (c.unicode() < 0x80 || lze_v_cp1250(QString(c)))
            vysledek.append(c);
    }
    return vysledek;
}

} // namespace

QString jmeno_pro_box(const QString &text) { return nahrad(text, QString()).left(nejdelsi_jmeno); }

QString jmeno_k_ulozeni(const QString &text) { return nahrad(text, QStringLiteral("/")).trimmed(); }
