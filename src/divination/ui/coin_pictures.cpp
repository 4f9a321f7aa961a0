#include "divination/ui/coin_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "common/ui/fonts.h"

namespace qk::divination::ui {
namespace {

QPixmap Draw(CoinFace face) {
  const qreal ratio = 2.0;  // drawn at twice the size so it stays sharp on dense screens
  QPixmap picture(kCoinPictureSize * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);

  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(26, 26.5);
  const qreal outer = 24.5, innerRim = 21.0, hole = 6.0, holeRim = 8.5;

  const bool front = face == CoinFace::Front;
  QRadialGradient metal(centre - QPointF(7, 8), outer * 1.6);
  metal.setColorAt(0.0, front ? QColor(0xF6, 0xDB, 0x8A) : QColor(0xD9, 0xB7, 0x6A));
  metal.setColorAt(0.55, front ? QColor(0xD4, 0xA2, 0x3C) : QColor(0xA8, 0x7E, 0x3A));
  metal.setColorAt(1.0, front ? QColor(0x8C, 0x5E, 0x12) : QColor(0x6B, 0x4C, 0x1E));

  QPainterPath body;
  body.addEllipse(centre, outer, outer);
  body.addRect(QRectF(centre.x() - hole, centre.y() - hole, 2 * hole, 2 * hole));
  body.setFillRule(Qt::OddEvenFill);
  p.setPen(QPen(QColor(0x5A, 0x3A, 0x0A), 1.0));
  p.setBrush(metal);
  p.drawPath(body);

  // Raised rims round the edge and round the hole.
  const QColor rim = front ? QColor(0x7A, 0x4E, 0x0C) : QColor(0x5C, 0x40, 0x16);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(rim, 1.2));
  p.drawEllipse(centre, innerRim, innerRim);
  p.drawRect(QRectF(centre.x() - holeRim, centre.y() - holeRim, 2 * holeRim, 2 * holeRim));

  if (front) {
    // Read top, bottom, right, left, as old coins are read.
    QFont font = qk::ui::SongFont(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x4A, 0x2C, 0x04));
    const qreal d = 14.5, box = 12;
    const struct {
      QPointF at;
      const char* text;
    } marks[] = {{{0, -d}, "乾"}, {{0, d}, "坤"}, {{d, 0}, "通"}, {{-d, 0}, "宝"}};
    for (const auto& mark : marks) {
      const QPointF c = centre + mark.at;
      p.drawText(QRectF(c.x() - box / 2, c.y() - box / 2, box, box), Qt::AlignCenter, QString::fromUtf8(mark.text));
    }
  } else {
    // A crescent above the hole, the usual mark of a coin's back.
    QPainterPath moon;
    moon.addEllipse(QPointF(centre.x(), centre.y() - 14.0), 5.0, 5.0);
    QPainterPath bite;
    bite.addEllipse(QPointF(centre.x(), centre.y() - 16.2), 4.6, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawPath(moon.subtracted(bite));
  }
  return picture;
}

}  // namespace

const QPixmap& CoinPicture(CoinFace face) {
  // Kept for the life of the process: a pixmap must not outlive the
  // application object's teardown, so these are never destroyed.
  static const QPixmap* const frontPicture = new QPixmap(Draw(CoinFace::Front));
  static const QPixmap* const backPicture = new QPixmap(Draw(CoinFace::Back));
  return face == CoinFace::Front ? *frontPicture : *backPicture;
}

}  // namespace qk::divination::ui
