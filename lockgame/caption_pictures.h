// The small pictures of the imitation window: its icon and its three caption buttons.
#pragma once

#include <QPixmap>

namespace lockgame {

QPixmap lockPicture(int size);        // a padlock, the icon of the title bar and the about box
QPixmap minimisePicture();            // 16 x 14 caption button faces
QPixmap maximisePicture(bool enabled);
QPixmap closePicture();

}  // namespace lockgame
