#include "setup/tisk_qt.h"

#include "common/pismo.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>

namespace
{

constexpr double twipu_na_palec = 1440.0;
constexpr double mm_na_palec = 25.4;

double mm_na_twipy(double mm) { return mm * twipu_na_palec / mm_na_palec; }

} // namespace

QFont pismo_pro_tisk(const QString &nazev, double body, bool tucne, bool kurziva)
{
    const bool arial = nazev.startsWith(QLatin1String("Arial"), Qt::CaseInsensitive);
    QFont pismo = arial ? pismo_listu(qRound(body), tucne, kurziva) : QFont(nazev);
    pismo.setPointSizeF(body);
    pismo.setBold(tucne);
    pismo.setItalic(kurziva);
    return pismo;
}

qt_tiskarna_t::qt_tiskarna_t(QPrinter &tiskarna) : tiskarna_(tiskarna) { obnov_pismo(); }

qt_tiskarna_t::~qt_tiskarna_t()
{
    if (malir_.isActive())
        malir_.end();
}

bool qt_tiskarna_t::zacni()
{
    if (!malir_.begin(&tiskarna_)) {
        selhalo_ = true;
        return false;
    }
    malir_.setRenderHint(QPainter::Antialiasing);
    malir_.setRenderHint(QPainter::TextAntialiasing);
    obnov_pismo();
    return true;
}

void qt_tiskarna_t::obnov_pismo()
{
    pismo_ = QFont(pismo_pro_tisk(nazev_pisma_, velikost_, tucne_, kurziva_), &tiskarna_);
}

void qt_tiskarna_t::nastav_pismo(const QString &nazev)
{
    nazev_pisma_ = nazev;
    obnov_pismo();
}

void qt_tiskarna_t::nastav_velikost(double body)
{
    velikost_ = body;
    obnov_pismo();
}

void qt_tiskarna_t::nastav_tucne(bool tucne)
{
    tucne_ = tucne;
    obnov_pismo();
}

void qt_tiskarna_t::nastav_kurzivu(bool kurziva)
{
    kurziva_ = kurziva;
    obnov_pismo();
}

void qt_tiskarna_t::nastav_barvu(const QColor &barva) { barva_ = barva; }

void qt_tiskarna_t::nastav_pero(double x, double y)
{
    x_ = x;
    y_ = y;
}

double qt_tiskarna_t::sirka_papiru() const
{
    return mm_na_twipy(tiskarna_.pageLayout().fullRect(QPageLayout::Millimeter).width());
}

double qt_tiskarna_t::vyska_papiru() const
{
    return mm_na_twipy(tiskarna_.pageLayout().fullRect(QPageLayout::Millimeter).height());
}

double qt_tiskarna_t::sirka_tisku() const { return mm_na_twipy(tiskarna_.pageRect(QPrinter::Millimeter).width()); }

double qt_tiskarna_t::vyska_tisku() const { return mm_na_twipy(tiskarna_.pageRect(QPrinter::Millimeter).height()); }

double qt_tiskarna_t::na_body(double twipy) const { return twipy * tiskarna_.resolution() / twipu_na_palec; }

double qt_tiskarna_t::na_twipy(double body) const { return body * twipu_na_palec / tiskarna_.resolution(); }

double qt_tiskarna_t::sirka_textu(const QString &text) const
{
    return na_twipy(QFontMetricsF(pismo_, &tiskarna_).horizontalAdvance(text));
}

void qt_tiskarna_t::tiskni(const QString &text, bool zustan_na_radku)
{
    const QFontMetricsF metriky(pismo_, &tiskarna_);
    if (!text.trimmed().isEmpty() && zacni_cekajici_stranu()) {
        malir_.setFont(pismo_);
        malir_.setPen(barva_);
        malir_.drawText(QPointF(na_body(x_), na_body(y_) + metriky.ascent()), text);
    }
    if (zustan_na_radku) {
        x_ += na_twipy(metriky.horizontalAdvance(text));
    } else {
        x_ = 0;
        y_ += na_twipy(metriky.lineSpacing());
    }
}

void qt_tiskarna_t::cara(double x1, double y1, double x2, double y2)
{
    if (!zacni_cekajici_stranu())
        return;
    // One dot of a 300 dpi printer, as thin as a printer's own rule.
    malir_.setPen(QPen(barva_, tiskarna_.resolution() / 300.0));
    malir_.drawLine(QPointF(na_body(x1), na_body(y1)), QPointF(na_body(x2), na_body(y2)));
}

void qt_tiskarna_t::nova_strana() { ceka_strana_ = ceka_strana_ || na_strane_neco_; }

bool qt_tiskarna_t::zacni_cekajici_stranu()
{
    if (!malir_.isActive() || !kresli_)
        return false;
    if (ceka_strana_) {
        ceka_strana_ = false;
        na_strane_neco_ = false;
        if (!tiskarna_.newPage())
            selhalo_ = true;
    }
    na_strane_neco_ = true;
    return true;
}

bool qt_tiskarna_t::konec_dokumentu()
{
    if (malir_.isActive() && !malir_.end())
        selhalo_ = true;
    const QPrinter::PrinterState stav = tiskarna_.printerState();
    if (stav == QPrinter::Error || stav == QPrinter::Aborted)
        selhalo_ = true;
    return !selhalo_;
}
