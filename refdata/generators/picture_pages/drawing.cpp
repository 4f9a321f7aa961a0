#include "drawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace picture_pages {
namespace {

const QColor kInk(0x3A, 0x32, 0x2A);
const QColor kWall(0x5A, 0x4A, 0x3A);
const QColor kFloor(0xFF, 0xFD, 0xF6);

QColor NamedColor(const QString& name) {
  static const QHash<QString, QColor> palette = {
      {"red", QColor(0xC0, 0x39, 0x2B)},    {"green", QColor(0x2E, 0x8B, 0x57)},
      {"blue", QColor(0x2C, 0x6F, 0xB7)},   {"gold", QColor(0xC9, 0xA2, 0x27)},
      {"pink", QColor(0xE8, 0x7F, 0xA5)},   {"water", QColor(0x7F, 0xB8, 0xE0)},
      {"wood", QColor(0xA0, 0x76, 0x4A)},   {"earth", QColor(0xD8, 0xB2, 0x6A)},
      {"purple", QColor(0x8E, 0x5C, 0xA8)}, {"orange", QColor(0xE0, 0x8A, 0x2E)},
      {"yellow", QColor(0xF2, 0xC8, 0x4B)}, {"gray", QColor(0x90, 0x90, 0x90)},
      {"dark", QColor(0x33, 0x33, 0x33)},   {"white", QColor(0xFF, 0xFF, 0xFF)},
      {"black", QColor(0x22, 0x22, 0x22)},  {"brown", QColor(0x8B, 0x5A, 0x2B)},
      {"ink", kInk},                        {"paper", QColor(0xFB, 0xF7, 0xEE)},
      {"silver", QColor(0xC8, 0xCE, 0xD4)}, {"cream", QColor(0xF6, 0xEB, 0xD0)},
  };
  if (auto it = palette.find(name); it != palette.end()) return *it;
  if (name.startsWith('#') && name.size() == 7) {
    QColor color(name);
    if (color.isValid()) return color;
  }
  throw std::runtime_error("unknown colour " + name.toStdString());
}

QFont Font(double pixels, bool bold = false) {
  QFont font;
  font.setFamilies({"Noto Sans CJK SC", "Noto Sans CJK", "WenQuanYi Micro Hei", "sans-serif"});
  font.setPixelSize(qRound(pixels));
  font.setBold(bold);
  return font;
}

// The words of one command line, and typed access to them.
class Args {
 public:
  explicit Args(const QString& line) : words_(line.split(' ', Qt::SkipEmptyParts)) {}
  const QString& Name() const { return words_.front(); }
  double Num(qsizetype i) const {
    bool ok = false;
    const double value = Word(i).toDouble(&ok);
    if (!ok) throw std::runtime_error("expected a number, found " + Word(i).toStdString());
    return value;
  }
  QColor Color(qsizetype i) const { return NamedColor(Word(i)); }
  const QString& Word(qsizetype i) const {
    if (i >= words_.size()) throw std::runtime_error("too few arguments");
    return words_[i];
  }
  // Everything from word i on, joined by blanks ("" when absent).
  QString Rest(qsizetype i) const { return i < words_.size() ? words_.mid(i).join(' ') : QString(); }

 private:
  QStringList words_;
};

void CentredText(QPainter& p, QPointF centre, double pixels, const QColor& color, const QString& text,
                 bool bold = false) {
  if (text.isEmpty()) return;
  p.save();
  p.setFont(Font(pixels, bold));
  p.setPen(color);
  QRectF box(centre.x() - 200, centre.y() - pixels, 400, pixels * 2);
  p.drawText(box, Qt::AlignCenter, text);
  p.restore();
}

// A label on a light backing so it stays readable over lines.
void Label(QPainter& p, QPointF centre, const QString& text, double pixels = 12) {
  if (text.isEmpty()) return;
  p.save();
  const QFont font = Font(pixels);
  const QFontMetricsF metrics(font);
  const double width = metrics.horizontalAdvance(text) + 6;
  const double height = metrics.height() + 1;
  const QRectF box(centre.x() - width / 2, centre.y() - height / 2, width, height);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 253, 246, 220));
  p.drawRoundedRect(box, 3, 3);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(box, Qt::AlignCenter, text);
  p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, bool dashed) {
  p.save();
  QPen pen(color, 2);
  if (dashed) pen.setStyle(Qt::DashLine);
  p.setPen(pen);
  const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
  const QPointF tip = to;
  const QPointF shaftEnd = to - QPointF(std::cos(angle) * 8, std::sin(angle) * 8);
  p.drawLine(from, shaftEnd);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  QPolygonF head;
  head << tip << tip - QPointF(std::cos(angle - 0.45) * 11, std::sin(angle - 0.45) * 11)
       << tip - QPointF(std::cos(angle + 0.45) * 11, std::sin(angle + 0.45) * 11);
  p.drawPolygon(head);
  p.restore();
}

// Unit direction into the room from a wall side, and along the wall.
void WallVectors(const QString& side, QPointF& along, QPointF& inward) {
  if (side == "top") along = {1, 0}, inward = {0, 1};
  else if (side == "bottom") along = {1, 0}, inward = {0, -1};
  else if (side == "left") along = {0, 1}, inward = {1, 0};
  else if (side == "right") along = {0, 1}, inward = {-1, 0};
  else throw std::runtime_error("unknown wall side " + side.toStdString());
}

// ---- objects ---------------------------------------------------------------

using ItemPainter = std::function<void(QPainter&, const QRectF&)>;

void Outline(QPainter& p, const QColor& fill, double width = 1.5) {
  p.setPen(QPen(kInk, width));
  p.setBrush(fill);
}

void DrawBed(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xF3, 0xE3, 0xC3));
  p.drawRoundedRect(r, 3, 3);
  const double pillowH = r.height() * 0.18;
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(r.left() + r.width() * 0.08, r.top() + 4, r.width() * 0.38, pillowH), 3, 3);
  p.drawRoundedRect(QRectF(r.left() + r.width() * 0.54, r.top() + 4, r.width() * 0.38, pillowH), 3, 3);
  p.setBrush(QColor(0xE3, 0xB5, 0x9A));
  p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), r.height() * 0.65));
}

void DrawSofa(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xB8, 0x8E, 0x6A));
  const double back = r.height() * 0.3, arm = r.width() * 0.12;
  p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), back), 3, 3);
  p.drawRoundedRect(QRectF(r.left(), r.top(), arm, r.height()), 3, 3);
  p.drawRoundedRect(QRectF(r.right() - arm, r.top(), arm, r.height()), 3, 3);
  p.setBrush(QColor(0xD9, 0xB8, 0x94));
  p.drawRect(QRectF(r.left() + arm, r.top() + back, r.width() - 2 * arm, r.height() - back));
}

void DrawTable(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xC8, 0x9B, 0x6C));
  if (std::abs(r.width() - r.height()) < 4) p.drawEllipse(r);
  else p.drawRoundedRect(r, 5, 5);
}

void DrawDesk(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xC8, 0x9B, 0x6C));
  p.drawRect(r);
  p.setBrush(QColor(0x55, 0x60, 0x70));
  p.drawRect(QRectF(r.center().x() - r.width() * 0.2, r.top() + 3, r.width() * 0.4, r.height() * 0.2));
}

void DrawChair(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xB0, 0x80, 0x50));
  p.drawRoundedRect(r, 3, 3);
  p.drawLine(QPointF(r.left() + 2, r.bottom() - 3), QPointF(r.right() - 2, r.bottom() - 3));
}

void DrawStove(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xD0, 0xD4, 0xD8));
  p.drawRect(r);
  const double d = std::min(r.width() / 2, r.height()) * 0.6;
  p.setBrush(QColor(0x50, 0x50, 0x50));
  p.drawEllipse(QPointF(r.left() + r.width() * 0.27, r.center().y()), d / 2, d / 2);
  p.drawEllipse(QPointF(r.left() + r.width() * 0.73, r.center().y()), d / 2, d / 2);
  p.setPen(QPen(QColor(0xE0, 0x5A, 0x2A), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(r.left() + r.width() * 0.27, r.center().y()), d / 3.5, d / 3.5);
  p.drawEllipse(QPointF(r.left() + r.width() * 0.73, r.center().y()), d / 3.5, d / 3.5);
}

void DrawSink(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xE8, 0xEC, 0xF0));
  p.drawRect(r);
  p.setBrush(NamedColor("water"));
  p.drawRoundedRect(r.adjusted(r.width() * 0.15, r.height() * 0.2, -r.width() * 0.15, -r.height() * 0.15), 6, 6);
}

void DrawFish(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(NamedColor("orange"));
  const QRectF body(r.left() + r.width() * 0.25, r.top(), r.width() * 0.75, r.height());
  p.drawEllipse(body);
  QPolygonF tail;
  tail << QPointF(body.left() + 2, r.center().y()) << QPointF(r.left(), r.top())
       << QPointF(r.left(), r.bottom());
  p.drawPolygon(tail);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(body.right() - body.width() * 0.2, r.center().y() - r.height() * 0.12), 1.5, 1.5);
}

void DrawTank(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xDD, 0xEE, 0xF8));
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x7F, 0xB8, 0xE0, 170));
  p.drawRect(r.adjusted(2, r.height() * 0.25, -2, -2));
  const double fw = std::min(r.width() * 0.35, 30.0);
  DrawFish(p, QRectF(r.center().x() - fw / 2, r.center().y(), fw, fw * 0.45));
}

void DrawPlant(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(0xA0, 0x60, 0x3A));
  QPolygonF pot;
  pot << QPointF(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.3)
      << QPointF(r.right() - r.width() * 0.25, r.bottom() - r.height() * 0.3)
      << QPointF(r.right() - r.width() * 0.32, r.bottom()) << QPointF(r.left() + r.width() * 0.32, r.bottom());
  p.drawPolygon(pot);
  p.setBrush(NamedColor("green"));
  const double leaf = std::min(r.width(), r.height()) * 0.28;
  const QPointF c(r.center().x(), r.top() + r.height() * 0.38);
  p.drawEllipse(c + QPointF(-leaf * 0.7, 0), leaf, leaf * 0.8);
  p.drawEllipse(c + QPointF(leaf * 0.7, 0), leaf, leaf * 0.8);
  p.drawEllipse(c + QPointF(0, -leaf * 0.6), leaf, leaf * 0.9);
}

void DrawCabinet(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xD9, 0xC0, 0x96));
  p.drawRect(r);
  const bool wide = r.width() >= r.height();
  const int doors = std::max(2, static_cast<int>((wide ? r.width() : r.height()) / 40));
  for (int i = 1; i < doors; ++i) {
    if (wide) {
      const double x = r.left() + r.width() * i / doors;
      p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    } else {
      const double y = r.top() + r.height() * i / doors;
      p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
  }
}

void DrawToilet(QPainter& p, const QRectF& r) {
  Outline(p, Qt::white);
  p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.3));
  p.drawEllipse(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.3, r.width() * 0.8, r.height() * 0.7));
}

void DrawBath(QPainter& p, const QRectF& r) {
  Outline(p, Qt::white);
  p.drawRoundedRect(r, 6, 6);
  p.setBrush(QColor(0xC4, 0xE0, 0xF2));
  p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 10, 10);
}

void DrawMirror(QPainter& p, const QRectF& r) {
  QLinearGradient glass(r.topLeft(), r.bottomRight());
  glass.setColorAt(0, QColor(0xF4, 0xF8, 0xFB));
  glass.setColorAt(1, QColor(0xA9, 0xB8, 0xC6));
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(glass);
  p.drawRect(r);
  p.setPen(QPen(Qt::white, 1.5));
  p.drawLine(r.topLeft() + QPointF(r.width() * 0.2, r.height() * 0.7), r.topLeft() + QPointF(r.width() * 0.7, r.height() * 0.2));
}

void DrawTv(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0x30, 0x34, 0x3A));
  p.drawRect(r);
}

void DrawStatue(QPainter& p, const QRectF& r) {
  // A seated figure of wealth: red robe, gold hat, a gold ingot in the hands.
  p.setPen(QPen(kInk, 1));
  const double w = r.width(), h = r.height();
  p.setBrush(NamedColor("red"));
  QPolygonF robe;
  robe << QPointF(r.left() + w * 0.25, r.top() + h * 0.42) << QPointF(r.right() - w * 0.25, r.top() + h * 0.42)
       << QPointF(r.right() - w * 0.05, r.bottom()) << QPointF(r.left() + w * 0.05, r.bottom());
  p.drawPolygon(robe);
  p.setBrush(QColor(0xF5, 0xD6, 0xB0));
  p.drawEllipse(QPointF(r.center().x(), r.top() + h * 0.32), w * 0.17, h * 0.12);
  p.setBrush(NamedColor("gold"));
  p.drawRect(QRectF(r.center().x() - w * 0.2, r.top() + h * 0.05, w * 0.4, h * 0.15));
  p.drawEllipse(QRectF(r.center().x() - w * 0.15, r.top() + h * 0.62, w * 0.3, h * 0.12));
}

void DrawLamp(QPainter& p, const QRectF& r) {
  const QPointF c = r.center();
  const double rad = std::min(r.width(), r.height()) * 0.25;
  p.setPen(QPen(NamedColor("yellow"), 2));
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4;
    p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * rad * 1.3, c + QPointF(std::cos(a), std::sin(a)) * rad * 1.9);
  }
  Outline(p, QColor(0xFF, 0xE8, 0x8A), 1);
  p.drawEllipse(c, rad, rad);
}

void DrawFlower(QPainter& p, const QRectF& r) {
  const QPointF c = r.center();
  const double rad = std::min(r.width(), r.height()) / 2;
  p.setPen(QPen(QColor(0xC2, 0x4D, 0x7C), 1));
  p.setBrush(NamedColor("pink"));
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 2 * M_PI / 5;
    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * rad * 0.5, rad * 0.42, rad * 0.42);
  }
  p.setBrush(NamedColor("yellow"));
  p.drawEllipse(c, rad * 0.22, rad * 0.22);
}

void DrawCoin(QPainter& p, const QRectF& r) {
  const QPointF c = r.center();
  const double rad = std::min(r.width(), r.height()) / 2;
  Outline(p, NamedColor("gold"));
  p.drawEllipse(c, rad, rad);
  p.setBrush(QColor(0xFB, 0xF7, 0xEE));
  p.drawRect(QRectF(c.x() - rad * 0.3, c.y() - rad * 0.3, rad * 0.6, rad * 0.6));
}

void DrawGourd(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xD8, 0xA8, 0x4A));
  const double w = r.width();
  p.drawEllipse(QRectF(r.left() + w * 0.05, r.top() + r.height() * 0.42, w * 0.9, r.height() * 0.58));
  p.drawEllipse(QRectF(r.left() + w * 0.22, r.top() + r.height() * 0.12, w * 0.56, r.height() * 0.38));
  p.setPen(QPen(NamedColor("green"), 2));
  p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.12), QPointF(r.center().x() + w * 0.1, r.top()));
}

void DrawLantern(QPainter& p, const QRectF& r) {
  Outline(p, NamedColor("red"));
  const double w = r.width(), h = r.height();
  p.drawEllipse(QRectF(r.left(), r.top() + h * 0.12, w, h * 0.66));
  p.setBrush(NamedColor("gold"));
  p.drawRect(QRectF(r.left() + w * 0.3, r.top() + h * 0.05, w * 0.4, h * 0.09));
  p.drawRect(QRectF(r.left() + w * 0.3, r.top() + h * 0.76, w * 0.4, h * 0.08));
  p.setPen(QPen(NamedColor("gold"), 1.5));
  for (double x : {0.42, 0.5, 0.58}) p.drawLine(QPointF(r.left() + w * x, r.top() + h * 0.84), QPointF(r.left() + w * x, r.bottom()));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + h * 0.05));
}

void DrawTree(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(NamedColor("brown"));
  p.drawRect(QRectF(r.center().x() - r.width() * 0.08, r.top() + r.height() * 0.55, r.width() * 0.16, r.height() * 0.45));
  p.setBrush(QColor(0x4F, 0x9A, 0x5B));
  p.drawEllipse(QRectF(r.left(), r.top(), r.width(), r.height() * 0.66));
}

void DrawMountain(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(0x7E, 0x9C, 0x80));
  QPolygonF back;
  back << QPointF(r.left() + r.width() * 0.25, r.bottom()) << QPointF(r.left() + r.width() * 0.62, r.top())
       << QPointF(r.right(), r.bottom());
  p.drawPolygon(back);
  p.setBrush(QColor(0x5F, 0x85, 0x66));
  QPolygonF front;
  front << QPointF(r.left(), r.bottom()) << QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.35)
        << QPointF(r.left() + r.width() * 0.65, r.bottom());
  p.drawPolygon(front);
}

void DrawIngot(QPainter& p, const QRectF& r) {
  Outline(p, NamedColor("gold"));
  const double w = r.width(), h = r.height();
  p.drawEllipse(QRectF(r.left() + w * 0.28, r.top(), w * 0.44, h * 0.6));
  QPainterPath boat;
  boat.moveTo(r.left(), r.top() + h * 0.3);
  boat.quadTo(QPointF(r.center().x(), r.top() + h * 0.6), QPointF(r.right(), r.top() + h * 0.3));
  boat.quadTo(QPointF(r.right() - w * 0.1, r.bottom()), QPointF(r.center().x(), r.bottom()));
  boat.quadTo(QPointF(r.left() + w * 0.1, r.bottom()), QPointF(r.left(), r.top() + h * 0.3));
  p.drawPath(boat);
}

void DrawChime(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(NamedColor("brown"));
  p.drawEllipse(QRectF(r.left(), r.top() + r.height() * 0.08, r.width(), r.height() * 0.1));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + r.height() * 0.08));
  p.setBrush(NamedColor("silver"));
  const int tubes = 5;
  for (int i = 0; i < tubes; ++i) {
    const double x = r.left() + r.width() * (0.1 + 0.8 * i / (tubes - 1));
    const double len = r.height() * (0.45 + 0.08 * ((i * 3) % 5));
    p.drawLine(QPointF(x, r.top() + r.height() * 0.18), QPointF(x, r.top() + r.height() * 0.28));
    p.drawRect(QRectF(x - 2.5, r.top() + r.height() * 0.28, 5, std::min(len, r.height() * 0.72)));
  }
}

void DrawCrystal(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  const QColor tints[] = {QColor(0xB3, 0x8C, 0xD6), QColor(0x9A, 0x6E, 0xC4), QColor(0xC9, 0xAE, 0xE5)};
  const double xs[] = {0.15, 0.42, 0.68};
  const double hs[] = {0.6, 1.0, 0.7};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(tints[i]);
    QPolygonF shard;
    const double x = r.left() + r.width() * xs[i], w = r.width() * 0.3;
    shard << QPointF(x, r.bottom()) << QPointF(x, r.bottom() - r.height() * hs[i] * 0.75)
          << QPointF(x + w / 2, r.bottom() - r.height() * hs[i]) << QPointF(x + w, r.bottom() - r.height() * hs[i] * 0.75)
          << QPointF(x + w, r.bottom());
    p.drawPolygon(shard);
  }
}

void DrawBuilding(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xBF, 0xC3, 0xC7));
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x8D, 0xA9, 0xC4));
  for (double y = r.top() + 6; y + 8 < r.bottom(); y += 14)
    for (double x = r.left() + 5; x + 8 < r.right(); x += 13) p.drawRect(QRectF(x, y, 7, 8));
}

void DrawRoad(QPainter& p, const QRectF& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x9A, 0x9A, 0x9A));
  p.drawRect(r);
  QPen dash(Qt::white, 2, Qt::DashLine);
  p.setPen(dash);
  if (r.width() >= r.height()) p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  else p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

void DrawKnot(QPainter& p, const QRectF& r) {
  const double s = std::min(r.width(), r.height() * 0.65);
  const QPointF c(r.center().x(), r.top() + s / 2 + 2);
  Outline(p, NamedColor("red"));
  QPolygonF diamond;
  diamond << c + QPointF(0, -s / 2) << c + QPointF(s / 2, 0) << c + QPointF(0, s / 2) << c + QPointF(-s / 2, 0);
  p.drawPolygon(diamond);
  p.setPen(QPen(QColor(0xF5, 0xD0, 0x60), 1));
  p.drawLine(c + QPointF(-s / 4, -s / 4), c + QPointF(s / 4, s / 4));
  p.drawLine(c + QPointF(s / 4, -s / 4), c + QPointF(-s / 4, s / 4));
  p.setPen(QPen(NamedColor("red"), 2));
  for (double dx : {-3.0, 0.0, 3.0}) p.drawLine(c + QPointF(dx, s / 2), QPointF(c.x() + dx, r.bottom()));
}

void DrawPerson(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0x6C, 0x8E, 0xBF));
  const double w = r.width(), h = r.height();
  p.drawRoundedRect(QRectF(r.left() + w * 0.2, r.top() + h * 0.38, w * 0.6, h * 0.62), 6, 6);
  p.setBrush(QColor(0xF5, 0xD6, 0xB0));
  p.drawEllipse(QPointF(r.center().x(), r.top() + h * 0.18), w * 0.2, h * 0.16);
}

void DrawScreen(QPainter& p, const QRectF& r) {
  const int panels = 4;
  if (r.width() >= 40 && r.height() >= 40) {
    // Seen from the front: four framed panels with a landscape.
    const double w = r.width() / panels;
    for (int i = 0; i < panels; ++i) {
      const QRectF panel(r.left() + i * w, r.top(), w, r.height() * 0.92);
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0x8B, 0x5A, 0x2B));
      p.drawRect(panel);
      p.setBrush(QColor(0xF6, 0xEB, 0xD0));
      const QRectF inner = panel.adjusted(w * 0.12, w * 0.12, -w * 0.12, -w * 0.12);
      p.drawRect(inner);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x7E, 0x9C, 0x80));
      QPolygonF hill;
      hill << QPointF(inner.left(), inner.bottom()) << QPointF(inner.center().x(), inner.top() + inner.height() * 0.45)
           << QPointF(inner.right(), inner.bottom());
      p.drawPolygon(hill);
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0x6B, 0x45, 0x20));
      p.drawRect(QRectF(panel.left() + w * 0.2, panel.bottom(), w * 0.1, r.height() * 0.08));
      p.drawRect(QRectF(panel.right() - w * 0.3, panel.bottom(), w * 0.1, r.height() * 0.08));
    }
    return;
  }
  // Seen from above: a folded zigzag along the long side.
  const bool tall = r.height() > r.width();
  QPolygonF zig;
  for (int i = 0; i <= panels; ++i) {
    if (tall) zig << QPointF((i % 2) ? r.right() : r.left(), r.top() + r.height() * i / panels);
    else zig << QPointF(r.left() + r.width() * i / panels, (i % 2) ? r.top() : r.bottom());
  }
  QPen pen(QColor(0x8B, 0x5A, 0x2B), std::clamp(std::min(r.width(), r.height()) * 0.3, 3.0, 6.0));
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.drawPolyline(zig);
}

void DrawPillar(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(0x6E, 0x62, 0x56));
  p.drawRect(r);
}

void DrawBeam(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QBrush(QColor(0x6E, 0x62, 0x56), Qt::BDiagPattern));
  p.drawRect(r);
}

void DrawStairs(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xE6, 0xDA, 0xC4));
  p.drawRect(r);
  const bool wide = r.width() >= r.height();
  for (double t = 10; t < (wide ? r.width() : r.height()); t += 10) {
    if (wide) p.drawLine(QPointF(r.left() + t, r.top()), QPointF(r.left() + t, r.bottom()));
    else p.drawLine(QPointF(r.left(), r.top() + t), QPointF(r.right(), r.top() + t));
  }
}

void DrawCouplet(QPainter& p, const QRectF& r) {
  Outline(p, NamedColor("red"), 1);
  p.drawRect(r);
  p.setPen(NamedColor("gold"));
  p.setFont(Font(std::min(r.width() * 0.7, 14.0)));
  const QString text = QStringLiteral("福");
  p.drawText(r, Qt::AlignCenter, text);
}

void DrawFu(QPainter& p, const QRectF& r) {
  const double s = std::min(r.width(), r.height());
  const QPointF c = r.center();
  Outline(p, NamedColor("red"), 1);
  QPolygonF diamond;
  diamond << c + QPointF(0, -s / 2) << c + QPointF(s / 2, 0) << c + QPointF(0, s / 2) << c + QPointF(-s / 2, 0);
  p.drawPolygon(diamond);
  p.setPen(QColor(0x22, 0x22, 0x22));
  p.setFont(Font(s * 0.42, true));
  p.drawText(r, Qt::AlignCenter, QStringLiteral("福"));
}

void DrawBeast(QPainter& p, const QRectF& r) {
  // A crouching guardian beast: body, head, legs and a curled tail.
  Outline(p, NamedColor("gold"));
  const double w = r.width(), h = r.height();
  for (double x : {0.22, 0.38, 0.62, 0.78}) p.drawRect(QRectF(r.left() + w * x - w * 0.04, r.top() + h * 0.6, w * 0.08, h * 0.4));
  p.drawEllipse(QRectF(r.left() + w * 0.12, r.top() + h * 0.3, w * 0.72, h * 0.42));
  p.drawEllipse(QRectF(r.left() + w * 0.66, r.top() + h * 0.05, w * 0.32, h * 0.38));
  p.setBrush(kInk);
  p.drawEllipse(QPointF(r.left() + w * 0.86, r.top() + h * 0.2), 1.8, 1.8);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(r.left(), r.top() + h * 0.2, w * 0.2, h * 0.25), 0, 270 * 16);
}

void DrawToad(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xB8, 0x9A, 0x3A));
  const double w = r.width(), h = r.height();
  p.drawEllipse(QRectF(r.left(), r.top() + h * 0.25, w, h * 0.75));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(r.left() + w * 0.3, r.top() + h * 0.28), w * 0.09, w * 0.09);
  p.drawEllipse(QPointF(r.left() + w * 0.7, r.top() + h * 0.28), w * 0.09, w * 0.09);
  DrawCoin(p, QRectF(r.center().x() - w * 0.15, r.top() + h * 0.55, w * 0.3, w * 0.3));
}

void DrawVase(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0x5E, 0x8F, 0xC0));
  const double w = r.width(), h = r.height();
  QPainterPath vase;
  vase.moveTo(r.left() + w * 0.35, r.top());
  vase.lineTo(r.left() + w * 0.65, r.top());
  vase.cubicTo(QPointF(r.left() + w * 0.6, r.top() + h * 0.3), QPointF(r.right(), r.top() + h * 0.4),
               QPointF(r.left() + w * 0.7, r.bottom()));
  vase.lineTo(r.left() + w * 0.3, r.bottom());
  vase.cubicTo(QPointF(r.left(), r.top() + h * 0.4), QPointF(r.left() + w * 0.4, r.top() + h * 0.3),
               QPointF(r.left() + w * 0.35, r.top()));
  p.drawPath(vase);
}

void DrawBamboo(QPainter& p, const QRectF& r) {
  for (double x : {0.3, 0.5, 0.7}) {
    const double cx = r.left() + r.width() * x;
    p.setPen(QPen(QColor(0x3F, 0x8F, 0x4A), std::max(3.0, r.width() * 0.08)));
    p.drawLine(QPointF(cx, r.bottom()), QPointF(cx, r.top() + r.height() * (x == 0.5 ? 0.0 : 0.2)));
    p.setPen(QPen(QColor(0x2A, 0x60, 0x30), 1));
    for (double y = r.bottom() - 12; y > r.top() + 10; y -= 14) p.drawLine(QPointF(cx - 3, y), QPointF(cx + 3, y));
  }
}

void DrawFountain(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xB0, 0xA8, 0x9C));
  p.drawRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.55, r.width() * 0.8, r.height() * 0.45));
  p.setBrush(NamedColor("water"));
  p.drawEllipse(QRectF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.5, r.width() * 0.7, r.height() * 0.14));
  p.setPen(QPen(NamedColor("blue"), 1.5));
  p.setBrush(Qt::NoBrush);
  const QPointF top(r.center().x(), r.top());
  p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.55), top);
  p.drawArc(QRectF(r.center().x() - r.width() * 0.3, r.top(), r.width() * 0.3, r.height() * 0.9), 0, 180 * 16);
  p.drawArc(QRectF(r.center().x(), r.top(), r.width() * 0.3, r.height() * 0.9), 0, 180 * 16);
}

void DrawBaguaMirror(QPainter& p, const QRectF& r) {
  const double s = std::min(r.width(), r.height()) / 2;
  const QPointF c = r.center();
  Outline(p, NamedColor("red"));
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) octagon << c + QPointF(std::cos(M_PI / 8 + i * M_PI / 4), std::sin(M_PI / 8 + i * M_PI / 4)) * s;
  p.drawPolygon(octagon);
  p.setPen(QPen(NamedColor("gold"), 1.5));
  for (int i = 0; i < 8; ++i) {
    const QPointF d(std::cos(i * M_PI / 4), std::sin(i * M_PI / 4));
    const QPointF n(-d.y(), d.x());
    for (double k : {0.62, 0.74, 0.86}) p.drawLine(c + d * s * k - n * s * 0.12, c + d * s * k + n * s * 0.12);
  }
  QLinearGradient glass(c - QPointF(s, s), c + QPointF(s, s));
  glass.setColorAt(0, QColor(0xF4, 0xF8, 0xFB));
  glass.setColorAt(1, QColor(0xA9, 0xB8, 0xC6));
  p.setPen(QPen(kInk, 1));
  p.setBrush(glass);
  p.drawEllipse(c, s * 0.45, s * 0.45);
}

void DrawBox(QPainter& p, const QRectF& r) {
  Outline(p, QColor(0xEE, 0xE6, 0xD6));
  p.drawRect(r);
}

const QHash<QString, ItemPainter>& ItemPainters() {
  static const QHash<QString, ItemPainter> painters = {
      {"bed", DrawBed},         {"sofa", DrawSofa},         {"table", DrawTable},       {"desk", DrawDesk},
      {"chair", DrawChair},     {"stove", DrawStove},       {"sink", DrawSink},         {"tank", DrawTank},
      {"plant", DrawPlant},     {"cabinet", DrawCabinet},   {"toilet", DrawToilet},     {"bath", DrawBath},
      {"mirror", DrawMirror},   {"tv", DrawTv},             {"statue", DrawStatue},     {"lamp", DrawLamp},
      {"flower", DrawFlower},   {"coin", DrawCoin},         {"gourd", DrawGourd},       {"lantern", DrawLantern},
      {"fish", DrawFish},       {"tree", DrawTree},         {"mountain", DrawMountain}, {"ingot", DrawIngot},
      {"chime", DrawChime},     {"crystal", DrawCrystal},   {"building", DrawBuilding}, {"road", DrawRoad},
      {"knot", DrawKnot},       {"person", DrawPerson},     {"screen", DrawScreen},     {"pillar", DrawPillar},
      {"beam", DrawBeam},       {"stairs", DrawStairs},     {"couplet", DrawCouplet},   {"fu", DrawFu},
      {"beast", DrawBeast},     {"toad", DrawToad},         {"vase", DrawVase},         {"bamboo", DrawBamboo},
      {"fountain", DrawFountain}, {"baguamirror", DrawBaguaMirror}, {"box", DrawBox},
  };
  return painters;
}

// ---- whole figures -----------------------------------------------------------

void DrawCompass(QPainter& p, QPointF c, double r) {
  p.save();
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(0xFF, 0xFD, 0xF6));
  p.drawEllipse(c, r, r);
  static const char* const names[] = {"北", "东北", "东", "东南", "南", "西南", "西", "西北"};
  for (int i = 0; i < 8; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 4;  // north up, clockwise
    const QPointF d(std::cos(a), std::sin(a));
    const QPointF n(-d.y(), d.x());
    const double len = (i % 2) ? r * 0.45 : r * 0.7;
    QPolygonF ray;
    ray << c + n * r * 0.09 << c + d * len << c - n * r * 0.09;
    p.setBrush(i == 0 ? NamedColor("red") : (i % 2 ? QColor(0xBF, 0xB2, 0x99) : QColor(0x6B, 0x5B, 0x4B)));
    p.drawPolygon(ray);
    if (i % 2 == 0) CentredText(p, c + d * (r * 0.86), r * 0.24, kInk, QString::fromUtf8(names[i]), true);
  }
  p.restore();
}

void DrawBagua(QPainter& p, QPointF c, double r) {
  // Later-heaven arrangement: 坎 north, 艮 north-east, 震 east, 巽 south-east,
  // 离 south, 坤 south-west, 兑 west, 乾 north-west. Lines from the bottom up,
  // true for a solid line.
  struct Trigram {
    const char* name;
    const char* direction;
    bool lines[3];
  };
  static const Trigram trigrams[] = {
      {"坎", "北", {false, true, false}},  {"艮", "东北", {false, false, true}}, {"震", "东", {true, false, false}},
      {"巽", "东南", {false, true, true}}, {"离", "南", {true, false, true}},    {"坤", "西南", {false, false, false}},
      {"兑", "西", {true, true, false}},   {"乾", "西北", {true, true, true}},
  };
  p.save();
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(0xFB, 0xF1, 0xDC));
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const double a = -M_PI / 2 + M_PI / 8 + i * M_PI / 4;
    octagon << c + QPointF(std::cos(a), std::sin(a)) * r;
  }
  p.drawPolygon(octagon);
  // Yin-yang in the middle.
  const double y = r * 0.28;
  p.setBrush(Qt::white);
  p.drawEllipse(c, y, y);
  QPainterPath dark;
  dark.moveTo(c + QPointF(0, -y));
  dark.arcTo(QRectF(c.x() - y, c.y() - y, 2 * y, 2 * y), 90, 180);
  dark.arcTo(QRectF(c.x() - y / 2, c.y(), y, y), 270, -180);
  dark.arcTo(QRectF(c.x() - y / 2, c.y() - y, y, y), 270, 180);
  p.setBrush(kInk);
  p.drawPath(dark);
  p.setBrush(Qt::white);
  p.drawEllipse(c + QPointF(0, y / 2), y / 8, y / 8);
  p.setBrush(kInk);
  p.drawEllipse(c + QPointF(0, -y / 2), y / 8, y / 8);
  for (int i = 0; i < 8; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 4;
    const QPointF d(std::cos(a), std::sin(a));
    const QPointF n(-d.y(), d.x());
    const double half = r * 0.14;
    p.setPen(QPen(kInk, r * 0.045, Qt::SolidLine, Qt::FlatCap));
    for (int line = 0; line < 3; ++line) {
      // The bottom line lies nearest the centre.
      const QPointF mid = c + d * (r * (0.42 + line * 0.085));
      if (trigrams[i].lines[line]) {
        p.drawLine(mid - n * half, mid + n * half);
      } else {
        p.drawLine(mid - n * half, mid - n * half * 0.25);
        p.drawLine(mid + n * half * 0.25, mid + n * half);
      }
    }
    CentredText(p, c + d * (r * 0.8), r * 0.15, NamedColor("red"),
                QString::fromUtf8(trigrams[i].name) + QString::fromUtf8(trigrams[i].direction), true);
  }
  p.restore();
}

void DrawBadge(QPainter& p, const QString& kind, QPointF c) {
  const bool good = kind == "good";
  if (!good && kind != "bad") throw std::runtime_error("mark takes good or bad");
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(good ? NamedColor("green") : NamedColor("red"));
  p.drawEllipse(c, 11, 11);
  CentredText(p, c, 14, Qt::white, good ? QStringLiteral("宜") : QStringLiteral("忌"), true);
  p.restore();
}

void Run(QPainter& p, const QString& line) {
  const Args a(line);
  const QString& name = a.Name();
  if (name == "bg") {
    p.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), a.Color(1));
  } else if (name == "title") {
    p.save();
    p.setFont(Font(15, true));
    p.setPen(NamedColor("red"));
    p.drawText(QPointF(12, 24), a.Rest(1));
    p.restore();
  } else if (name == "room") {
    const QRectF r(a.Num(1), a.Num(2), a.Num(3), a.Num(4));
    p.save();
    p.setPen(QPen(kWall, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kFloor);
    p.drawRect(r);
    p.setFont(Font(12));
    p.setPen(QColor(0x8A, 0x7A, 0x68));
    p.drawText(r.adjusted(7, 5, -5, -5), Qt::AlignLeft | Qt::AlignTop, a.Rest(5));
    p.restore();
  } else if (name == "zone") {
    const QRectF r(a.Num(1), a.Num(2), a.Num(3), a.Num(4));
    QColor tint = a.Color(5);
    p.save();
    QPen pen(tint.darker(115), 1.5, Qt::DashLine);
    tint.setAlpha(70);
    p.setPen(pen);
    p.setBrush(tint);
    p.drawRoundedRect(r, 4, 4);
    p.restore();
    // Under the contents, so an object placed in the zone keeps its label clear.
    Label(p, QPointF(r.center().x(), r.bottom() - 10), a.Rest(6));
  } else if (name == "door" || name == "window") {
    const QPointF start(a.Num(1), a.Num(2));
    const double len = a.Num(3);
    QPointF along, inward;
    WallVectors(a.Word(4), along, inward);
    p.save();
    p.setPen(QPen(kFloor, 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(start, start + along * len);
    if (name == "door") {
      p.setPen(QPen(kInk, 1.5));
      const QPointF leafEnd = start + inward * len;
      p.drawLine(start, leafEnd);
      QPainterPath swing;
      swing.moveTo(leafEnd);
      swing.quadTo(start + inward * len + along * len, start + along * len);
      p.setPen(QPen(kInk, 1, Qt::DashLine));
      p.drawPath(swing);
    } else {
      p.setPen(QPen(NamedColor("blue"), 1.5));
      const QPointF n(along.y(), along.x());
      p.drawLine(start + n * 2.5, start + along * len + n * 2.5);
      p.drawLine(start - n * 2.5, start + along * len - n * 2.5);
    }
    p.restore();
  } else if (name == "item") {
    const auto& painters = ItemPainters();
    const auto it = painters.find(a.Word(1));
    if (it == painters.end()) throw std::runtime_error("unknown item " + a.Word(1).toStdString());
    // A negative width mirrors the object, so a beast can face either way.
    const bool mirrored = a.Num(4) < 0;
    const QRectF r(a.Num(2), a.Num(3), std::abs(a.Num(4)), a.Num(5));
    p.save();
    if (mirrored) {
      p.translate(2 * r.center().x(), 0);
      p.scale(-1, 1);
    }
    (*it)(p, r);
    p.restore();
    Label(p, QPointF(r.center().x(), r.bottom() + 10), a.Rest(6));
  } else if (name == "rect" || name == "circle") {
    p.save();
    p.setPen(QPen(kInk, 1.2));
    QColor fill = a.Color(name == "rect" ? 5 : 4);
    p.setBrush(fill);
    QRectF r;
    if (name == "rect") {
      r = QRectF(a.Num(1), a.Num(2), a.Num(3), a.Num(4));
      p.drawRoundedRect(r, 3, 3);
    } else {
      const double rad = a.Num(3);
      r = QRectF(a.Num(1) - rad, a.Num(2) - rad, 2 * rad, 2 * rad);
      p.drawEllipse(r);
    }
    p.restore();
    const QString label = a.Rest(name == "rect" ? 6 : 5);
    CentredText(p, r.center(), 13, fill.lightness() < 140 ? Qt::white : kInk, label);
  } else if (name == "text") {
    p.save();
    p.setFont(Font(a.Num(3)));
    p.setPen(a.Color(4));
    p.drawText(QRectF(a.Num(1), a.Num(2), kPictureWidth, a.Num(3) * 2), Qt::AlignLeft | Qt::AlignTop, a.Rest(5));
    p.restore();
  } else if (name == "ctext") {
    CentredText(p, QPointF(a.Num(1), a.Num(2)), a.Num(3), a.Color(4), a.Rest(5));
  } else if (name == "line" || name == "dline") {
    p.save();
    p.setPen(QPen(a.Color(5), 2, name == "dline" ? Qt::DashLine : Qt::SolidLine));
    p.drawLine(QPointF(a.Num(1), a.Num(2)), QPointF(a.Num(3), a.Num(4)));
    p.restore();
  } else if (name == "arrow" || name == "darrow") {
    Arrow(p, QPointF(a.Num(1), a.Num(2)), QPointF(a.Num(3), a.Num(4)), a.Color(5), name == "darrow");
  } else if (name == "arc") {
    const QPointF c(a.Num(1), a.Num(2));
    const double rx = a.Num(3), ry = a.Num(4);
    p.save();
    p.setPen(QPen(a.Color(8), a.Num(7), Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), qRound(a.Num(5) * 16), qRound(a.Num(6) * 16));
    p.restore();
  } else if (name == "compass") {
    DrawCompass(p, QPointF(a.Num(1), a.Num(2)), a.Num(3));
  } else if (name == "bagua") {
    DrawBagua(p, QPointF(a.Num(1), a.Num(2)), a.Num(3));
  } else if (name == "mark") {
    DrawBadge(p, a.Word(1), QPointF(a.Num(2), a.Num(3)));
  } else if (name == "swatch") {
    const QRectF r(a.Num(1), a.Num(2), a.Num(3), a.Num(4));
    p.save();
    p.setPen(QPen(kInk, 1));
    p.setBrush(a.Color(5));
    p.drawRoundedRect(r, 4, 4);
    p.restore();
    CentredText(p, QPointF(r.center().x(), r.bottom() + 11), 12, kInk, a.Rest(6));
  } else if (name == "note") {
    const QRectF r(a.Num(1), a.Num(2), a.Num(3), a.Num(4));
    p.save();
    p.setPen(QPen(QColor(0xC8, 0xB8, 0x98), 1));
    p.setBrush(QColor(0xFF, 0xFB, 0xEC));
    p.drawRoundedRect(r, 5, 5);
    p.setFont(Font(12.5));
    p.setPen(kInk);
    p.drawText(r.adjusted(8, 6, -8, -6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, a.Rest(5));
    p.restore();
  } else {
    throw std::runtime_error("unknown command " + name.toStdString());
  }
}

}  // namespace

QImage RenderPicture(const QStringList& commands, QString& error) {
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  image.fill(NamedColor("paper"));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const QString& command : commands) {
    try {
      Run(painter, command);
    } catch (const std::exception& e) {
      error = QString::fromUtf8(e.what()) + ": " + command;
      return {};
    }
  }
  // A thin frame keeps the picture apart from the window around it.
  painter.setPen(QPen(QColor(0xC8, 0xB8, 0x98), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, kPictureWidth - 1, kPictureHeight - 1));
  return image;
}

}  // namespace picture_pages
