// The pictures the window draws itself: the cross and the nought of the squares, and STOP.
#pragma once

#include <QPixmap>

namespace boardgame {

// 14 x 14: a black diagonal cross two pixels thick on aqua.
QPixmap crossPicture();
// 14 x 14: a red ring two pixels wide on yellow.
QPixmap noughtPicture();
// 75 x 24: the word STOP in white on red.
QPixmap stopPicture();

}  // namespace boardgame
