#pragma once
// The main window's pictures, drawn by the program itself at start: the
// banner of the input panel, the background of the result area and the
// bottom bar.
#include <QPixmap>

namespace qk::app {

const QPixmap& BannerPicture();
const QPixmap& ResultBackgroundPicture();
const QPixmap& BottomBarPicture();

}  // namespace qk::app
