#include "shell/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumora {

namespace {

QPixmap Transparent(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void DrawBadge(QPainter& p, const QRectF& r, const QColor& fill, const QString& sign) {
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient gradient(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() * 0.7);
  gradient.setColorAt(0, fill.lighter(150));
  gradient.setColorAt(1, fill);
  p.setBrush(gradient);
  p.setPen(QPen(fill.darker(160), 2));
  p.drawEllipse(r);
  QFont font("DejaVu Sans", static_cast<int>(r.height() * 0.5), QFont::Bold);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, sign);
}

void DrawFilmStrip(QPainter& p, const QRectF& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 24));
  p.drawRoundedRect(r, 3, 3);
  p.setBrush(QColor(235, 235, 235));
  const qreal hole = r.height() * 0.12;
  for (qreal x = r.left() + hole; x + hole < r.right(); x += hole * 2.2) {
    p.drawRect(QRectF(x, r.top() + hole * 0.5, hole, hole));
    p.drawRect(QRectF(x, r.bottom() - hole * 1.5, hole, hole));
  }
  p.setBrush(QColor(110, 170, 220));
  const qreal frameTop = r.top() + hole * 2.2;
  const qreal frameHeight = r.height() - hole * 4.4;
  for (qreal x = r.left() + hole; x + frameHeight < r.right(); x += frameHeight * 1.3) {
    p.drawRect(QRectF(x, frameTop, frameHeight * 1.1, frameHeight));
  }
}

}  // namespace

QPixmap MessageIconPixmap(MessageIcon icon) {
  QPixmap pixmap = Transparent({65, 65});
  QPainter p(&pixmap);
  const QRectF r(8, 8, 49, 49);
  switch (icon) {
    case MessageIcon::Info: DrawBadge(p, r, QColor(40, 120, 215), "i"); break;
    case MessageIcon::Question: DrawBadge(p, r, QColor(60, 160, 90), "?"); break;
    case MessageIcon::Error: DrawBadge(p, r, QColor(200, 40, 40), "!"); break;
  }
  return pixmap;
}

QPixmap MainMenuBackground(QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, size.height());
  gradient.setColorAt(0, QColor(31, 106, 152));
  gradient.setColorAt(1, QColor(12, 36, 58));
  p.fillRect(pixmap.rect(), gradient);
  p.save();
  p.translate(size.width() / 2.0, 52);
  p.rotate(-8);
  DrawFilmStrip(p, QRectF(-size.width() * 0.6, -22, size.width() * 1.2, 44));
  p.restore();
  QFont title("DejaVu Sans", 20, QFont::Bold);
  p.setFont(title);
  p.setPen(QColor(255, 255, 255, 230));
  p.drawText(QRect(0, 84, size.width(), 34), Qt::AlignCenter, "Lumora");
  return pixmap;
}

QIcon ButtonGlyphIcon(ButtonGlyph glyph) {
  QPixmap pixmap = Transparent({32, 32});
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (glyph) {
    case ButtonGlyph::Open: {
      p.setPen(QPen(QColor(150, 110, 20), 1.5));
      p.setBrush(QColor(240, 200, 80));
      QPainterPath folder;
      folder.moveTo(3, 9);
      folder.lineTo(12, 9);
      folder.lineTo(14, 12);
      folder.lineTo(29, 12);
      folder.lineTo(29, 27);
      folder.lineTo(3, 27);
      folder.closeSubpath();
      p.drawPath(folder);
      break;
    }
    case ButtonGlyph::NewSubtitle: {
      p.setPen(QPen(QColor(90, 90, 90), 1.5));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 3, 18, 25));
      p.setPen(QPen(QColor(40, 120, 215), 2));
      for (int y = 10; y <= 22; y += 6) p.drawLine(QPointF(10, y), QPointF(22, y));
      p.setPen(QPen(QColor(40, 160, 60), 3));
      p.drawLine(QPointF(24, 20), QPointF(24, 30));
      p.drawLine(QPointF(19, 25), QPointF(29, 25));
      break;
    }
    case ButtonGlyph::Translate: {
      p.setPen(QPen(QColor(40, 40, 40), 1.2));
      p.setBrush(QColor(40, 120, 215));
      p.drawRoundedRect(QRectF(2, 4, 17, 13), 3, 3);
      p.setBrush(QColor(200, 60, 40));
      p.drawRoundedRect(QRectF(13, 15, 17, 13), 3, 3);
      p.setPen(Qt::white);
      p.setFont(QFont("DejaVu Sans", 7, QFont::Bold));
      p.drawText(QRectF(2, 4, 17, 13), Qt::AlignCenter, "A");
      p.drawText(QRectF(13, 15, 17, 13), Qt::AlignCenter, "Á");
      break;
    }
    case ButtonGlyph::Apply: {
      p.setPen(QPen(QColor(40, 150, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(13, 24), QPointF(26, 8)}));
      break;
    }
    case ButtonGlyph::Search: {
      p.setPen(QPen(QColor(60, 60, 60), 3));
      p.setBrush(QColor(200, 225, 250));
      p.drawEllipse(QRectF(5, 5, 15, 15));
      p.setPen(QPen(QColor(60, 60, 60), 4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(19, 19), QPointF(27, 27));
      break;
    }
    case ButtonGlyph::Exit: {
      p.setPen(QPen(QColor(200, 40, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(6, 7, 20, 20), 120 * 16, 300 * 16);
      p.drawLine(QPointF(16, 4), QPointF(16, 16));
      break;
    }
  }
  return QIcon(pixmap);
}

QPixmap AboutPicture(QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, size.width(), size.height());
  gradient.setColorAt(0, QColor(235, 242, 250));
  gradient.setColorAt(1, QColor(170, 200, 228));
  p.fillRect(pixmap.rect(), gradient);
  p.save();
  p.translate(size.width() / 2.0, size.height() - 90);
  p.rotate(-6);
  DrawFilmStrip(p, QRectF(-size.width() * 0.6, -30, size.width() * 1.2, 60));
  p.restore();
  return pixmap;
}

}  // namespace lumora
