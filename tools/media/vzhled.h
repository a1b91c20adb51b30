#pragma once

#include "common/druhy.h"

#include <QColor>
#include <QFont>
#include <QString>

// The one look of every picture: a calm sky-blue page, white rounded tiles with a soft
// shadow, one colour per grade and per kind of exercise, Liberation Sans throughout.
namespace vzhled
{

inline const QColor inkoust(0x1f, 0x2a, 0x44);       // body text
inline const QColor inkoust_jemny(0x5b, 0x6b, 0x88); // secondary text
inline const QColor modra(0x2f, 0x6b, 0xde);         // primary
inline const QColor modra_tmava(0x1f, 0x4f, 0xb4);
inline const QColor nebe(0xe4, 0xee, 0xfb); // screen background
inline const QColor nebe_tmavsi(0xcf, 0xdf, 0xf5);
inline const QColor papir(0xf4, 0xf8, 0xfd); // the exercise page
inline const QColor bila(0xff, 0xff, 0xff);
inline const QColor okraj(0xc3, 0xd2, 0xe8); // tile borders
inline const QColor pruh(0xe9, 0xf1, 0xfc);  // the speaker strip of a sentence box
inline const QColor zluta(0xff, 0xc8, 0x3d); // hover accent
inline const QColor zluta_svetla(0xff, 0xf4, 0xd0);
inline const QColor policko(255, 236, 182);    // the input boxes of the exercise page
inline const QColor zelena(0x22, 0xa8, 0x6a);  // right
inline const QColor cervena(0xe5, 0x48, 0x4d); // wrong
inline const QColor seda(0xa9, 0xb4, 0xc6);    // disabled
// Transparent pixels of the pictures drawn with a key colour; no design colour is pure magenta.
inline const QColor klic(0xff, 0x00, 0xff);

// Grade index 1..5 ("5. ročník" … "9. ročník").
QColor barva_rocniku(int rocnik);
QColor barva_druhu(druh_t druh);

// Liberation Sans at a pixel size.
QFont pismo(int pixely, bool tucne = false, bool kurziva = false);

// What a pupil calls each kind of exercise.
QString nazev_druhu(druh_t druh);
// The topic's name as the pictures print it: the catalogue's name with its two historic
// misspellings put right.
QString nazev_temy(int rocnik, int tema);

QColor zesvetli(const QColor &barva, qreal podil); // towards white by podil (0..1)
QColor ztmav(const QColor &barva, qreal podil);    // towards black by podil (0..1)

} // namespace vzhled
