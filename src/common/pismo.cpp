#include "common/pismo.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

void zaregistruj_pisma()
{
    static bool hotovo = false;
    if (hotovo)
        return;
    hotovo = true;
    for (const char *styl : {"Regular", "Bold", "Italic", "BoldItalic"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1String(styl)));
}

QString rodina_pisma() { return QStringLiteral("Liberation Sans"); }

int body_na_pixely(int body) { return static_cast<int>(std::lround(body * 96.0 / 72.0 - 0.01)); }

QFont pismo_obrazovky(int body, bool tucne)
{
    zaregistruj_pisma();
    QFont f(rodina_pisma());
    f.setPixelSize(body_na_pixely(body));
    f.setBold(tucne);
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont pismo_listu(int body, bool tucne, bool kurziva)
{
    zaregistruj_pisma();
    QFont f(rodina_pisma());
    f.setPointSize(body);
    f.setBold(tucne);
    f.setItalic(kurziva);
    return f;
}
