#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace arvex {

namespace {

// Drawn on a 24 x 24 grid, scaled to each size the icon is asked for.
void Paint(QPainter& p, ToolIcon icon) {
  const QColor ink(0x33, 0x3d, 0x47);
  const QColor paper(0xfb, 0xfb, 0xf8);
  const QColor accent(0x2f, 0x6f, 0xb5);
  QPen pen(ink, 1.4);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  switch (icon) {
    case ToolIcon::New: {
      QPainterPath page;
      page.moveTo(5, 2.5);
      page.lineTo(14.5, 2.5);
      page.lineTo(19.5, 7.5);
      page.lineTo(19.5, 21.5);
      page.lineTo(5, 21.5);
      page.closeSubpath();
      p.setBrush(paper);
      p.drawPath(page);
      p.drawPolyline(QPolygonF({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}}));
      p.setPen(QPen(accent, 2));
      p.drawLine(QPointF(12, 11), QPointF(12, 18));
      p.drawLine(QPointF(8.5, 14.5), QPointF(15.5, 14.5));
      break;
    }
    case ToolIcon::Open: {
      p.setBrush(QColor(0xe8, 0xc0, 0x6a));
      p.drawPolygon(QPolygonF({{2.5, 5}, {9, 5}, {11, 7.5}, {21.5, 7.5}, {21.5, 19.5}, {2.5, 19.5}}));
      p.setBrush(QColor(0xf3, 0xd6, 0x8f));
      p.drawPolygon(QPolygonF({{2.5, 19.5}, {5.5, 10.5}, {23, 10.5}, {20, 19.5}}));
      break;
    }
    case ToolIcon::Save: {
      p.setBrush(accent);
      p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
      p.setBrush(paper);
      p.drawRect(QRectF(7, 3, 10, 6.5));
      p.drawRect(QRectF(6, 13, 12, 8));
      p.setBrush(ink);
      p.drawRect(QRectF(13, 4.5, 2.5, 3.5));
      break;
    }
    case ToolIcon::Print:
    case ToolIcon::Preview: {
      p.setBrush(paper);
      p.drawRect(QRectF(6.5, 2.5, 11, 7));
      p.setBrush(QColor(0xc9, 0xcf, 0xd6));
      p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
      p.setBrush(paper);
      p.drawRect(QRectF(6.5, 14.5, 11, 7));
      p.setBrush(QColor(0x3c, 0xa5, 0x5c));
      p.drawEllipse(QPointF(18.5, 11), 1, 1);
      if (icon == ToolIcon::Preview) {
        p.setPen(QPen(accent, 2.2));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(14, 15), 4.2, 4.2);
        p.drawLine(QPointF(17, 18), QPointF(21.5, 22.5));
      }
      break;
    }
    case ToolIcon::Help: {
      p.setBrush(accent);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
      QFont font = p.font();
      font.setPixelSize(15);
      font.setBold(true);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
  }
}

QPixmap Draw(ToolIcon icon, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 24.0, size / 24.0);
  Paint(p, icon);
  return pixmap;
}

const char* ThemeName(ToolIcon icon) {
  switch (icon) {
    case ToolIcon::New: return "document-new";
    case ToolIcon::Open: return "document-open";
    case ToolIcon::Save: return "document-save";
    case ToolIcon::Print: return "document-print";
    case ToolIcon::Preview: return "document-print-preview";
    case ToolIcon::Help: return "help-contents";
  }
  return "";
}

}  // namespace

QIcon ToolbarIcon(ToolIcon icon) {
  const QIcon themed = QIcon::fromTheme(QString::fromLatin1(ThemeName(icon)));
  if (!themed.isNull()) return themed;
  QIcon drawn;
  for (const int size : {16, 22, 24, 32, 48}) drawn.addPixmap(Draw(icon, size));
  return drawn;
}

}  // namespace arvex
