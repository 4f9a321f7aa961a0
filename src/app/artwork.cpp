#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "common/ui/fonts.h"

namespace qk::app {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Yin-yang disc of radius r centred at c.
void DrawTaiji(QPainter& p, QPointF c, double r, QColor dark, QColor light) {
  p.setPen(Qt::NoPen);
  p.setBrush(light);
  p.drawEllipse(c, r, r);
  QPainterPath darkHalf;
  darkHalf.moveTo(c.x(), c.y() - r);
  darkHalf.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, 180);
  darkHalf.arcTo(QRectF(c.x() - r / 2, c.y(), r, r), 270, -180);
  darkHalf.arcTo(QRectF(c.x() - r / 2, c.y() - r, r, r), 270, 180);
  darkHalf.closeSubpath();
  p.setBrush(dark);
  p.drawPath(darkHalf);
  p.setBrush(light);
  p.drawEllipse(QPointF(c.x(), c.y() + r / 2), r / 7, r / 7);
  p.setBrush(dark);
  p.drawEllipse(QPointF(c.x(), c.y() - r / 2), r / 7, r / 7);
  p.setPen(QPen(dark, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r, r);
}

// The eight trigrams around a centre, in the Later Heaven order, each drawn
// as three bars (a broken bar for yin).
void DrawTrigramRing(QPainter& p, QPointF c, double radius, double barLength, QColor color) {
  static constexpr int kLines[8] = {0b010, 0b100, 0b011, 0b110, 0b101, 0b000, 0b001, 0b111};
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  for (int k = 0; k < 8; ++k) {
    p.save();
    p.translate(c);
    p.rotate(k * 45.0);
    for (int line = 0; line < 3; ++line) {
      const double y = -radius - line * barLength * 0.28;
      const double h = barLength * 0.16;
      const bool yang = (kLines[k] >> line) & 1;
      if (yang) {
        p.drawRect(QRectF(-barLength / 2, y - h / 2, barLength, h));
      } else {
        const double w = barLength * 0.42;
        p.drawRect(QRectF(-barLength / 2, y - h / 2, w, h));
        p.drawRect(QRectF(barLength / 2 - w, y - h / 2, w, h));
      }
    }
    p.restore();
  }
}

QPixmap DrawBanner() {
  QPixmap pixmap(800, 83);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 800, 0);
  sky.setColorAt(0.0, QColor(0x6b, 0x10, 0x10));
  sky.setColorAt(0.42, QColor(0x9c, 0x2a, 0x1a));
  sky.setColorAt(0.47, QColor(0xf4, 0xe4, 0xc1));
  sky.setColorAt(1.0, QColor(0xfb, 0xf3, 0xdf));
  p.fillRect(pixmap.rect(), sky);
  // Faint hills behind the name.
  QPainterPath hills;
  hills.moveTo(0, 83);
  for (int x = 0; x <= 380; x += 4)
    hills.lineTo(x, 66 - 10 * std::sin(x / 38.0) - 5 * std::sin(x / 13.0 + 1));
  hills.lineTo(380, 83);
  hills.closeSubpath();
  p.fillPath(hills, QColor(0x4a, 0x08, 0x08, 150));
  DrawTaiji(p, QPointF(44, 41), 22, QColor(0x2a, 0x14, 0x0c), QColor(0xf6, 0xe7, 0xc4));
  DrawTrigramRing(p, QPointF(44, 41), 28, 9, QColor(0xe8, 0xc8, 0x7a));
  p.setPen(QColor(0xf6, 0xd9, 0x8a));
  p.setFont(qk::ui::SongFont(24));
  QFont title = qk::ui::SongFont(24);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRectF(86, 8, 260, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("乾坤宅鉴"));
  p.setFont(qk::ui::SongFont(9));
  p.setPen(QColor(0xf3, 0xe2, 0xb8));
  p.drawText(QRectF(88, 52, 280, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("八字 · 风水 · 万年历 · 黄道吉日"));
  return pixmap;
}

QPixmap DrawResultBackground() {
  QPixmap pixmap(608, 404);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient paper(QPointF(304, 190), 420);
  paper.setColorAt(0, QColor(0xfd, 0xf8, 0xea));
  paper.setColorAt(1, QColor(0xee, 0xe0, 0xbd));
  p.fillRect(pixmap.rect(), paper);
  // A compass plate: rings, ticks and the trigrams, in faint ink.
  const QPointF c(304, 196);
  const QColor ink(0x8a, 0x5a, 0x2b, 70);
  p.setBrush(Qt::NoBrush);
  for (double r : {46.0, 70.0, 118.0, 150.0, 170.0}) {
    p.setPen(QPen(ink, r == 170.0 ? 2.0 : 1.0));
    p.drawEllipse(c, r, r);
  }
  p.setPen(QPen(ink, 1));
  for (int k = 0; k < 24; ++k) {
    const double a = (k * 15.0 + 7.5) * kPi / 180.0;
    p.drawLine(QPointF(c.x() + 118 * std::cos(a), c.y() + 118 * std::sin(a)),
               QPointF(c.x() + 150 * std::cos(a), c.y() + 150 * std::sin(a)));
  }
  for (int k = 0; k < 72; ++k) {
    const double a = k * 5.0 * kPi / 180.0;
    p.drawLine(QPointF(c.x() + 160 * std::cos(a), c.y() + 160 * std::sin(a)),
               QPointF(c.x() + 170 * std::cos(a), c.y() + 170 * std::sin(a)));
  }
  DrawTrigramRing(p, c, 80, 22, ink);
  DrawTaiji(p, c, 40, QColor(0x8a, 0x5a, 0x2b, 60), QColor(0xfd, 0xf8, 0xea, 0));
  static const char* const kMountains[24] = {"子", "癸", "丑", "艮", "寅", "甲", "卯", "乙", "辰", "巽", "巳", "丙",
                                             "午", "丁", "未", "坤", "申", "庚", "酉", "辛", "戌", "乾", "亥", "壬"};
  p.setFont(qk::ui::SongFont(10));
  p.setPen(QColor(0x8a, 0x5a, 0x2b, 110));
  for (int k = 0; k < 24; ++k) {
    const double a = (90.0 + k * 15.0) * kPi / 180.0;  // 子 at the bottom, as a compass plate is read
    const QPointF at(c.x() + 134 * std::cos(a), c.y() + 134 * std::sin(a));
    p.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter, QString::fromUtf8(kMountains[k]));
  }
  return pixmap;
}

QPixmap DrawBottomBar() {
  QPixmap pixmap(608, 34);
  QPainter p(&pixmap);
  QLinearGradient bar(0, 0, 0, 34);
  bar.setColorAt(0, QColor(0xf3, 0xe3, 0xbf));
  bar.setColorAt(1, QColor(0xd9, 0xbf, 0x8a));
  p.fillRect(pixmap.rect(), bar);
  p.setPen(QColor(0xa8, 0x84, 0x4c));
  p.drawLine(0, 0, 608, 0);
  return pixmap;
}

}  // namespace

const QPixmap& BannerPicture() {
  static const QPixmap pixmap = DrawBanner();
  return pixmap;
}

const QPixmap& ResultBackgroundPicture() {
  static const QPixmap pixmap = DrawResultBackground();
  return pixmap;
}

const QPixmap& BottomBarPicture() {
  static const QPixmap pixmap = DrawBottomBar();
  return pixmap;
}

}  // namespace qk::app
