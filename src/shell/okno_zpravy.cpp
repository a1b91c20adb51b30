#include "shell/okno_zpravy.h"

#include "common/pismo.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>

namespace
{

QPixmap nakresli_ikonu(platforma_t::ikona_t ikona)
{
    QColor barva;
    QString znak;
    switch (ikona) {
    case platforma_t::ikona_t::zadna: return {};
    case platforma_t::ikona_t::otaznik:
        barva = QColor(47, 111, 228);
        znak = QStringLiteral("?");
        break;
    case platforma_t::ikona_t::vykricnik:
        barva = QColor(240, 150, 30);
        znak = QStringLiteral("!");
        break;
    case platforma_t::ikona_t::stop:
        barva = QColor(220, 60, 60);
        znak = QStringLiteral("×");
        break;
    }
    const int strana = 40;
    QPixmap obrazek(strana * 2, strana * 2);
    obrazek.setDevicePixelRatio(2);
    obrazek.fill(Qt::transparent);
    QPainter p(&obrazek);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawEllipse(QRectF(2, 2, strana - 4, strana - 4));
    QFont pismo = pismo_obrazovky(18, true);
    p.setFont(pismo);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, strana, strana), Qt::AlignCenter, znak);
    return obrazek;
}

} // namespace

void uprav_okno_zpravy(QMessageBox &box, platforma_t::ikona_t ikona)
{
    box.setFont(pismo_obrazovky(11));
    if (ikona != platforma_t::ikona_t::zadna)
        box.setIconPixmap(nakresli_ikonu(ikona));
    box.setStyleSheet(
        QStringLiteral("QMessageBox { background: #ffffff; border: 2px solid #2f6fe4; }"
                       "QMessageBox QLabel { color: #1f2a44; }"
                       "QPushButton { background: #2f6fe4; color: white; border: none; border-radius: 8px;"
                       "  padding: 6px 20px; min-width: 64px; font-weight: bold; }"
                       "QPushButton:hover { background: #4a86f0; }"
                       "QPushButton:focus { outline: none; border: 2px solid #1b4fb0; }"
                       // A desktop icon theme would put its icon over the button's caption.
                       "QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }"));
    for (QAbstractButton *tlacitko : box.buttons())
        tlacitko->setIcon(QIcon());
}
