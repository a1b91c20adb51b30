#pragma once

#include "setup/tisk_tiskarna.h"

#include <QFont>
#include <QPainter>

class QPrinter;

// Draws with QPainter on a QPrinter: a printer reached through the print system or a PDF
// file. "Arial CE" is the bundled Liberation Sans, whose letters are exactly as wide.
class qt_tiskarna_t final : public tiskarna_t
{
public:
    explicit qt_tiskarna_t(QPrinter &tiskarna);
    ~qt_tiskarna_t() override;

    // Opens the document; false when the printer or the file cannot be opened.
    bool zacni();

    void nastav_pismo(const QString &nazev) override;
    void nastav_velikost(double body) override;
    void nastav_tucne(bool tucne) override;
    void nastav_kurzivu(bool kurziva) override;
    void nastav_barvu(const QColor &barva) override;

    double pero_x() const override { return x_; }
    double pero_y() const override { return y_; }
    void nastav_pero(double x, double y) override;

    double sirka_papiru() const override;
    double vyska_papiru() const override;
    double sirka_tisku() const override;
    double vyska_tisku() const override;

    double sirka_textu(const QString &text) const override;
    void tiskni(const QString &text, bool zustan_na_radku) override;
    void kresli(bool ano) override { kresli_ = ano; }
    void cara(double x1, double y1, double x2, double y2) override;
    void nova_strana() override;
    bool konec_dokumentu() override;

private:
    void obnov_pismo();
    // Starts the page a new page was asked for, now that something goes on it; false when
    // nothing is to be drawn.
    bool zacni_cekajici_stranu();
    double na_body(double twipy) const;
    double na_twipy(double body) const;

    QPrinter &tiskarna_;
    QPainter malir_;
    QString nazev_pisma_;
    double velikost_ = 10;
    bool tucne_ = false;
    bool kurziva_ = false;
    QColor barva_{Qt::black};
    QFont pismo_;
    double x_ = 0;
    double y_ = 0;
    bool ceka_strana_ = false;
    bool kresli_ = true;
    bool na_strane_neco_ = false; // something has been drawn on the current page
    bool selhalo_ = false;
};

// The font a worksheet asks for, as this machine has it.
QFont pismo_pro_tisk(const QString &nazev, double body, bool tucne, bool kurziva);
