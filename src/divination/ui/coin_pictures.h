#pragma once
// The two faces of the coin, drawn in code: a round brass coin with a square
// hole, 乾坤通宝 on the front and a crescent on the plain back.
#include <QPixmap>
#include <QSize>

#include "divination/coin_cast.h"

namespace qk::divination::ui {

inline constexpr QSize kCoinPictureSize{52, 53};

// The same picture object for every call, so slots can be compared with it.
const QPixmap& CoinPicture(CoinFace face);

}  // namespace qk::divination::ui
