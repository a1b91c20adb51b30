#include "shell/okno_zpravy.h"

#include "common/pismo.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace
{

QPixmap nakresli_ikonu(ikona_zpravy_t ikona, qreal meritko)
{
    QColor barva;
    QString znak;
    switch (ikona) {
    case ikona_zpravy_t::zadna: return {};
    case ikona_zpravy_t::otaznik:
        barva = QColor(47, 111, 228);
        znak = QStringLiteral("?");
        break;
    case ikona_zpravy_t::vykricnik:
        barva = QColor(240, 150, 30);
        znak = QStringLiteral("!");
        break;
    case ikona_zpravy_t::stop:
        barva = QColor(220, 60, 60);
        znak = QStringLiteral("×");
        break;
    }
    const int strana = 40;
    const int pixelu = static_cast<int>(std::lround(strana * 2 * meritko));
    QPixmap obrazek(pixelu, pixelu);
    obrazek.setDevicePixelRatio(2);
    obrazek.fill(Qt::transparent);
    QPainter p(&obrazek);
    p.scale(meritko, meritko);
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

void uprav_okno_zpravy(QMessageBox &box, ikona_zpravy_t ikona, qreal meritko)
{
    meritko = std::clamp(meritko, 1.0, 8.0);
    const auto px = [meritko](int n) { return QString::number(std::lround(n * meritko)) + QStringLiteral("px"); };
    QFont pismo = pismo_obrazovky(11);
    pismo.setPixelSize(static_cast<int>(std::lround(pismo.pixelSize() * meritko)));
    box.setFont(pismo);
    if (ikona != ikona_zpravy_t::zadna)
        box.setIconPixmap(nakresli_ikonu(ikona, meritko));
    box.setStyleSheet(
        QStringLiteral("QMessageBox { background: #ffffff; border: %1 solid #2f6fe4; }"
                       "QMessageBox QLabel { color: #1f2a44; }"
                       "QPushButton { background: #2f6fe4; color: white; border: none; border-radius: %2;"
                       "  padding: %3 %4; min-width: %5; font-family: \"%7\"; font-size: %6; font-weight: bold; }"
                       "QPushButton:hover { background: #4a86f0; }"
                       "QPushButton:focus { outline: none; border: %1 solid #1b4fb0; }"
                       // A desktop icon theme would put its icon over the button's caption.
                       "QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 0; }")
            .arg(px(2), px(8), px(6), px(20), px(64))
            .arg(QString::number(pismo.pixelSize()) + QStringLiteral("px"), pismo.family()));
    for (QAbstractButton *tlacitko : box.buttons())
        tlacitko->setIcon(QIcon());
}
