#pragma once

#include <QColor>
#include <QString>

// What the worksheet layout needs of a printer. Every position and size is in twips
// (1/1440 inch); the origin is the top left corner of the printable area.
class tiskarna_t
{
public:
    virtual ~tiskarna_t() = default;

    virtual void nastav_pismo(const QString &nazev) = 0;
    virtual void nastav_velikost(double body) = 0;
    virtual void nastav_tucne(bool tucne) = 0;
    virtual void nastav_kurzivu(bool kurziva) = 0;
    virtual void nastav_barvu(const QColor &barva) = 0;

    virtual double pero_x() const = 0;
    virtual double pero_y() const = 0;
    virtual void nastav_pero(double x, double y) = 0;

    // The sheet of paper.
    virtual double sirka_papiru() const = 0;
    virtual double vyska_papiru() const = 0;
    // The printable area.
    virtual double sirka_tisku() const = 0;
    virtual double vyska_tisku() const = 0;

    // Width of the text in the current font.
    virtual double sirka_textu(const QString &text) const = 0;
    // Prints the text at the pen. Staying on the line moves the pen to the text's end;
    // ending the line moves it to the left edge, one line height lower.
    virtual void tiskni(const QString &text, bool zustan_na_radku) = 0;
    // Whether what is printed from here on is drawn; the pen moves either way. A page on
    // which nothing was drawn never comes out.
    virtual void kresli(bool ano) = 0;
    // A straight line in the current colour.
    virtual void cara(double x1, double y1, double x2, double y2) = 0;
    // Whatever is printed next goes on a new page; a new page with nothing on it is never
    // printed.
    virtual void nova_strana() = 0;
    // Sends the document; false when the printer failed at any point.
    virtual bool konec_dokumentu() = 0;
};
