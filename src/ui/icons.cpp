// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <functional>
#include <map>
#include <tuple>

#include "ui/command_ids.h"

namespace skrybon {
namespace {

using Draw = std::function<void(QPainter&)>;

// A consistent palette: mid-tone fills with darker outlines of the same hue
// stay visible on light and on dark tool bars.
const QColor kPaper(252, 252, 248);
const QColor kPaperLine(96, 100, 110);
const QColor kInk(70, 76, 88);
const QColor kBlue(52, 120, 206);
const QColor kBlueDark(28, 72, 140);
const QColor kRed(200, 56, 48);
const QColor kRedDark(130, 28, 24);
const QColor kGreen(64, 168, 90);
const QColor kGreenDark(26, 92, 44);
const QColor kGold(236, 186, 60);
const QColor kGoldDark(150, 104, 20);
const QColor kGrey(150, 156, 166);

QPixmap Render(const Draw& draw, QSize logical, qreal scale) {
  QPixmap pm(QSize(qRound(logical.width() * scale), qRound(logical.height() * scale)));
  pm.fill(Qt::transparent);
  pm.setDevicePixelRatio(scale);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  draw(p);
  return pm;
}

// An icon drawn when it is first shown, at the size it is shown at, and kept
// for the next time: drawing every picture at every scale up front took more
// than half of the program's start.
class CDrawnIconEngine final : public QIconEngine {
 public:
  // draw paints in a logical.width() x logical.height() area; small says
  // whether the icon is drawn at fewer pixels than that.
  using SizedDraw = std::function<void(QPainter&, bool small)>;

  CDrawnIconEngine(SizedDraw draw, QSize logical) : draw_(std::move(draw)), logical_(logical) {}

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    return logical_.scaled(size, Qt::KeepAspectRatio);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const QSize pixels = actualSize(size, mode, state);
    if (pixels.isEmpty()) return QPixmap();
    const auto key = std::make_tuple(pixels.width(), pixels.height(), static_cast<int>(mode));
    if (const auto it = drawn_.find(key); it != drawn_.end()) return it->second;
    const qreal scale = static_cast<qreal>(pixels.width()) / logical_.width();
    const bool small = pixels.width() < logical_.width();
    QPixmap pm = Render([this, small](QPainter& p) { draw_(p, small); }, logical_, scale);
    pm.setDevicePixelRatio(1.0);
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
      // Greyed (or highlighted) by the style, as for any icon given as pictures.
      QStyleOption option;
      option.palette = QApplication::palette();
      pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
    }
    return drawn_[key] = pm;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pm = pixmap(rect.size() * ratio, mode, state);
    pm.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), pm);
  }

  QIconEngine* clone() const override { return new CDrawnIconEngine(*this); }
  QString key() const override { return QStringLiteral("skrybon-drawn"); }

 private:
  SizedDraw draw_;
  QSize logical_;
  std::map<std::tuple<int, int, int>, QPixmap> drawn_;
};

QIcon MakeIcon(CDrawnIconEngine::SizedDraw draw, QSize logical) {
  return QIcon(new CDrawnIconEngine(std::move(draw), logical));
}

QPen Pen(const QColor& c, qreal w = 1.0) {
  QPen pen(c, w);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// A sheet of paper with a folded corner, text lines on it.
void Page(QPainter& p, QRectF r, bool lines = true) {
  QPainterPath path;
  const qreal fold = 3;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(Pen(kPaperLine));
  p.setBrush(kPaper);
  p.drawPath(path);
  if (!lines) return;
  p.setPen(Pen(kGrey));
  for (qreal y = r.top() + 3; y < r.bottom() - 1; y += 2)
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

// A closed book seen from the front: coloured cover, pages at the right.
void Book(QPainter& p, QRectF r, const QColor& cover, const QColor& dark) {
  p.setPen(Pen(dark));
  p.setBrush(kPaper);
  p.drawRoundedRect(r.adjusted(2, 1, 0, 0), 1, 1);
  p.setBrush(cover);
  p.drawRoundedRect(r.adjusted(0, 0, -2, -1), 1.2, 1.2);
  // Spine band and a gold cross on the cover.
  p.setPen(Pen(dark.lighter(115)));
  p.drawLine(QPointF(r.left() + 2, r.top() + 1), QPointF(r.left() + 2, r.bottom() - 2));
  const qreal cx = r.left() + (r.width() - 2) / 2 + 1;
  const qreal cy = r.top() + r.height() * 0.42;
  p.setPen(Pen(kGold, r.width() > 20 ? 2.4 : 1.4));
  p.drawLine(QPointF(cx, cy - r.height() * 0.25), QPointF(cx, cy + r.height() * 0.3));
  p.drawLine(QPointF(cx - r.width() * 0.18, cy - r.height() * 0.07),
             QPointF(cx + r.width() * 0.18, cy - r.height() * 0.07));
}

void Window(QPainter& p, QRectF r, const QColor& title) {
  p.setPen(Pen(kPaperLine));
  p.setBrush(kPaper);
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(title);
  p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 2.5));
}

void Disk(QPainter& p, QRectF r) {
  p.setPen(Pen(kBlueDark));
  p.setBrush(kBlue);
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 2, r.top());
  path.lineTo(r.right(), r.top() + 2);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.drawPath(path);
  p.setBrush(kPaper);
  p.setPen(Pen(kBlueDark, 0.8));
  p.drawRect(QRectF(r.left() + 2, r.top() + r.height() * 0.45, r.width() - 4, r.height() * 0.55 - 1));
  p.setBrush(QColor(220, 226, 236));
  p.drawRect(QRectF(r.left() + 3, r.top(), r.width() - 7, r.height() * 0.3));
}

void Clipboard(QPainter& p, QRectF r) {
  p.setPen(Pen(QColor(120, 80, 40)));
  p.setBrush(QColor(196, 146, 88));
  p.drawRoundedRect(r, 1.2, 1.2);
  p.setBrush(kPaper);
  p.setPen(Pen(kPaperLine, 0.8));
  p.drawRect(r.adjusted(2, 2.5, -2, -1.5));
  p.setPen(Pen(kGrey));
  for (qreal y = r.top() + 5; y < r.bottom() - 2; y += 2)
    p.drawLine(QPointF(r.left() + 3.5, y), QPointF(r.right() - 3.5, y));
  p.setPen(Pen(kInk));
  p.setBrush(kGrey.lighter(120));
  p.drawRoundedRect(QRectF(r.center().x() - 2.5, r.top() - 1, 5, 3), 1, 1);
}

// A triangle pointing left (or right) with its tip at tip.
void Triangle(QPainter& p, QPointF tip, qreal w, qreal h, bool left) {
  QPainterPath path;
  const qreal dx = left ? w : -w;
  path.moveTo(tip);
  path.lineTo(tip.x() + dx, tip.y() - h / 2);
  path.lineTo(tip.x() + dx, tip.y() + h / 2);
  path.closeSubpath();
  p.setPen(Pen(kGreenDark));
  p.setBrush(kGreen);
  p.drawPath(path);
}

void Bar(QPainter& p, qreal x, qreal top, qreal bottom) {
  p.setPen(Pen(kGreenDark));
  p.setBrush(kGreen);
  p.drawRect(QRectF(x, top, 1.6, bottom - top));
}

void DrawCommand(int id, QPainter& p) {
  switch (id) {
    case ID_FILE_NEW_BG: Book(p, QRectF(2.5, 1.5, 11, 12), kRed, kRedDark); break;
    case ID_FILE_NEW_BW: Book(p, QRectF(2.5, 1.5, 11, 12), kBlue, kBlueDark); break;
    case ID_FILE_NEW_BT: Book(p, QRectF(2.5, 1.5, 11, 12), kGreen, kGreenDark); break;
    case ID_FILE_PRINT: {
      Page(p, QRectF(4.5, 0.5, 7, 6), false);
      p.setPen(Pen(kInk));
      p.setBrush(QColor(170, 176, 186));
      p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.2, 1.2);
      p.setBrush(kPaper);
      p.setPen(Pen(kPaperLine));
      p.drawRect(QRectF(4.5, 9.5, 7, 5));
      p.setPen(Pen(kGrey));
      p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
      p.setPen(Pen(kGreen, 1.2));
      p.drawPoint(QPointF(12.5, 7.5));
      break;
    }
    case ID_SAVE_SELECTED_VERSES: {
      Page(p, QRectF(1.5, 0.5, 8, 10));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(kBlue.red(), kBlue.green(), kBlue.blue(), 110));
      p.drawRect(QRectF(2.5, 4.5, 6, 3));
      Disk(p, QRectF(7.5, 6.5, 8, 8));
      break;
    }
    case ID_EDIT_COPY: {
      Page(p, QRectF(1.5, 0.5, 8, 10));
      Page(p, QRectF(6.5, 4.5, 8, 10));
      p.setPen(Pen(kBlueDark, 1.2));
      p.drawLine(QPointF(12.5, 1), QPointF(12.5, 3.8));
      p.drawLine(QPointF(11.1, 2.4), QPointF(13.9, 2.4));
      break;
    }
    case ID_EDIT_SELECT_ALL: {
      Page(p, QRectF(2.5, 0.5, 11, 14));
      QPen dash(kBlueDark, 1);
      dash.setDashPattern({1.5, 1.5});
      p.setPen(dash);
      p.setBrush(QColor(kBlue.red(), kBlue.green(), kBlue.blue(), 90));
      p.drawRect(QRectF(4, 2.5, 8, 10));
      break;
    }
    case ID_CLIPBOARD_CLEAR: {
      Clipboard(p, QRectF(1.5, 1.5, 10, 13));
      p.setPen(Pen(kRedDark, 2.6));
      p.drawLine(QPointF(9.5, 7.5), QPointF(14.5, 12.5));
      p.drawLine(QPointF(14.5, 7.5), QPointF(9.5, 12.5));
      p.setPen(Pen(kRed, 1.4));
      p.drawLine(QPointF(9.5, 7.5), QPointF(14.5, 12.5));
      p.drawLine(QPointF(14.5, 7.5), QPointF(9.5, 12.5));
      break;
    }
    case ID_CLIPBOARD_MODE: {
      Clipboard(p, QRectF(1.5, 1.5, 10, 13));
      p.setPen(Pen(kGreenDark, 3.2));
      p.drawLine(QPointF(12, 7), QPointF(12, 13));
      p.drawLine(QPointF(9, 10), QPointF(15, 10));
      p.setPen(Pen(kGreen.lighter(115), 1.6));
      p.drawLine(QPointF(12, 7), QPointF(12, 13));
      p.drawLine(QPointF(9, 10), QPointF(15, 10));
      break;
    }
    case ID_SAVE_CLIPBOARD: {
      Clipboard(p, QRectF(1.5, 0.5, 9, 11));
      Disk(p, QRectF(7.5, 6.5, 8, 8));
      break;
    }
    case ID_PREV_BOOK:
      Bar(p, 2.2, 3.5, 11.5);
      Triangle(p, QPointF(4.5, 7.5), 5, 8, true);
      Triangle(p, QPointF(9, 7.5), 5, 8, true);
      break;
    case ID_PREV_CHAPTER: Triangle(p, QPointF(4.5, 7.5), 7, 10, true); break;
    case ID_NEXT_CHAPTER: Triangle(p, QPointF(11.5, 7.5), 7, 10, false); break;
    case ID_NEXT_BOOK:
      Triangle(p, QPointF(7, 7.5), 5, 8, false);
      Triangle(p, QPointF(11.5, 7.5), 5, 8, false);
      Bar(p, 12.2, 3.5, 11.5);
      break;
    case ID_SEARCH: {
      // A light rim under the dark lines keeps the glass visible on dark bars.
      const QColor rim(235, 238, 242);
      p.setPen(Pen(rim, 4.2));
      p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
      p.setPen(Pen(kInk, 2.6));
      p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
      p.setPen(Pen(rim, 2.6));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
      p.setPen(Pen(kInk, 1.4));
      p.setBrush(QColor(200, 226, 250));
      p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
      p.setPen(Pen(Qt::white, 1.1));
      p.drawArc(QRectF(3.6, 3.6, 5, 5), 100 * 16, 80 * 16);
      break;
    }
    case ID_SAVE_FOUND_VERSES: {
      Page(p, QRectF(1.5, 0.5, 9, 11), false);
      p.setPen(Pen(kBlueDark, 1.2));
      for (qreal y = 3; y < 10; y += 2.5) {
        p.drawPoint(QPointF(3.5, y));
        p.setPen(Pen(kGrey));
        p.drawLine(QPointF(5, y), QPointF(8.5, y));
        p.setPen(Pen(kBlueDark, 1.2));
      }
      Disk(p, QRectF(7.5, 6.5, 8, 8));
      break;
    }
    case ID_VIEW_COLORS: {
      QPainterPath palette;
      palette.addEllipse(QRectF(0.8, 1.5, 14.4, 12));
      QPainterPath hole;
      hole.addEllipse(QRectF(9.5, 8.5, 3.2, 3));
      p.setPen(Pen(kGoldDark));
      p.setBrush(QColor(236, 214, 168));
      p.drawPath(palette.subtracted(hole));
      p.setPen(Qt::NoPen);
      const std::pair<QPointF, QColor> dots[] = {{{4.5, 5.5}, kRed}, {{8, 4.2}, kGold},
                                                 {{11.6, 5.4}, kGreen}, {{4.6, 9.6}, kBlue}};
      for (const auto& [at, color] : dots) {
        p.setBrush(color);
        p.drawEllipse(at, 1.7, 1.7);
      }
      break;
    }
    case ID_VIEW_FONT: {
      QFont f(QStringLiteral("DejaVu Serif"));
      f.setBold(true);
      f.setPixelSize(13);
      QPainterPath big;
      big.addText(QPointF(0.5, 12.5), f, QStringLiteral("A"));
      f.setPixelSize(10);
      QPainterPath small;
      small.addText(QPointF(9, 12.5), f, QStringLiteral("a"));
      // A light rim first, so the letters read on dark bars too.
      p.setPen(Pen(QColor(240, 242, 246, 220), 1.6));
      p.setBrush(Qt::NoBrush);
      p.drawPath(big);
      p.drawPath(small);
      p.setPen(Qt::NoPen);
      p.setBrush(kBlueDark);
      p.drawPath(big);
      p.setBrush(kRedDark);
      p.drawPath(small);
      break;
    }
    case ID_WINDOW_CASCADE:
      Window(p, QRectF(0.5, 0.5, 10, 8), kGrey);
      Window(p, QRectF(3.5, 3.5, 10, 8), kGrey);
      Window(p, QRectF(5.5, 6.0, 10, 8), kBlue);
      break;
    case ID_WINDOW_TILE_VERT:
      Window(p, QRectF(0.5, 1.5, 7, 12), kBlue);
      Window(p, QRectF(8.5, 1.5, 7, 12), kGrey);
      break;
    case ID_WINDOW_TILE_HORZ:
      Window(p, QRectF(1.5, 0.5, 13, 6.5), kBlue);
      Window(p, QRectF(1.5, 8.0, 13, 6.5), kGrey);
      break;
    case ID_WINDOW_CLOSE:
      Window(p, QRectF(0.5, 0.5, 12, 10), kBlue);
      p.setPen(Pen(kRedDark, 2.8));
      p.drawLine(QPointF(9, 8), QPointF(14.5, 13.5));
      p.drawLine(QPointF(14.5, 8), QPointF(9, 13.5));
      p.setPen(Pen(kRed, 1.5));
      p.drawLine(QPointF(9, 8), QPointF(14.5, 13.5));
      p.drawLine(QPointF(14.5, 8), QPointF(9, 13.5));
      break;
    case ID_APP_ABOUT: {
      p.setPen(Pen(kBlueDark));
      p.setBrush(kBlue);
      p.drawEllipse(QPointF(8, 7.5), 6.6, 6.6);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(8, 4.4), 1.2, 1.2);
      p.drawRoundedRect(QRectF(6.9, 6.4, 2.2, 5.6), 0.8, 0.8);
      break;
    }
    default: break;
  }
}

constexpr int kCommandsWithIcons[] = {
    ID_FILE_NEW_BG, ID_FILE_NEW_BW, ID_FILE_NEW_BT, ID_FILE_PRINT, ID_SAVE_SELECTED_VERSES,
    ID_EDIT_COPY, ID_EDIT_SELECT_ALL, ID_CLIPBOARD_CLEAR, ID_CLIPBOARD_MODE, ID_SAVE_CLIPBOARD,
    ID_PREV_BOOK, ID_PREV_CHAPTER, ID_NEXT_CHAPTER, ID_NEXT_BOOK, ID_SEARCH, ID_SAVE_FOUND_VERSES,
    ID_VIEW_COLORS, ID_VIEW_FONT, ID_WINDOW_CASCADE, ID_WINDOW_TILE_VERT, ID_WINDOW_TILE_HORZ,
    ID_WINDOW_CLOSE, ID_APP_ABOUT};

// The program's picture: an open book with a quill, drawn in a 64-unit square.
void DrawProgram(QPainter& p) {
  // Cover behind the pages.
  p.setPen(Pen(kRedDark, 1.5));
  p.setBrush(kRed);
  QPainterPath cover;
  cover.moveTo(4, 20);
  cover.lineTo(32, 24);
  cover.lineTo(60, 20);
  cover.lineTo(60, 54);
  cover.lineTo(32, 59);
  cover.lineTo(4, 54);
  cover.closeSubpath();
  p.drawPath(cover);
  // Two pages.
  p.setPen(Pen(QColor(150, 130, 96), 1.2));
  p.setBrush(QColor(250, 244, 226));
  for (const int side : {-1, 1}) {
    QPainterPath page;
    page.moveTo(32, 22);
    page.cubicTo(32 + side * 8, 15, 32 + side * 18, 15, 32 + side * 26, 17);
    page.lineTo(32 + side * 26, 51);
    page.cubicTo(32 + side * 18, 49, 32 + side * 8, 49, 32, 56);
    page.closeSubpath();
    p.drawPath(page);
    p.setPen(Pen(QColor(170, 160, 140), 1.4));
    for (int i = 0; i < 6; ++i) {
      const qreal y = 24 + i * 4.6;
      p.drawLine(QPointF(32 + side * 5, y + 1), QPointF(32 + side * 22, y - 1));
    }
    p.setPen(Pen(QColor(150, 130, 96), 1.2));
  }
  // The quill.
  QPainterPath feather;
  feather.moveTo(58, 3);
  feather.cubicTo(50, 6, 40, 16, 36, 34);
  feather.cubicTo(44, 24, 54, 14, 58, 3);
  p.setPen(Pen(kBlueDark, 1.2));
  p.setBrush(QColor(210, 228, 248));
  p.drawPath(feather);
  p.setPen(Pen(kBlueDark, 1.6));
  p.drawLine(QPointF(56, 6), QPointF(35, 38));
  p.setPen(Pen(kInk, 2));
  p.drawLine(QPointF(36, 36), QPointF(34, 40));
}

void DrawTranslation(QPainter& p, const QColor& cover, const QColor& dark, const QString& letter) {
  Book(p, QRectF(6, 3, 22, 27), cover, dark);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(9);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(255, 244, 210));
  p.drawText(QRectF(8, 19, 18, 9), Qt::AlignCenter, letter);
}

}  // namespace

bool HasCommandIcon(int id) {
  for (const int c : kCommandsWithIcons)
    if (c == id) return true;
  return false;
}

QIcon CommandIcon(int id) {
  if (!HasCommandIcon(id)) return QIcon();
  return MakeIcon([id](QPainter& p, bool) { DrawCommand(id, p); }, QSize(16, 15));
}

QIcon ProgramIcon() {
  return MakeIcon([](QPainter& p, bool) { DrawProgram(p); }, QSize(64, 64));
}

QPixmap ProgramIconPixmap(int size) { return ProgramIcon().pixmap(QSize(size, size), 1.0); }

QIcon TranslationIcon(TranslationId id) {
  QColor cover = kRed, dark = kRedDark;
  QString letter = QStringLiteral("BG");
  if (id == TranslationId::BW) {
    cover = kBlue;
    dark = kBlueDark;
    letter = QStringLiteral("BW");
  } else if (id == TranslationId::BT) {
    cover = kGreen;
    dark = kGreenDark;
    letter = QStringLiteral("BT");
  }
  // Below its full size the letters would not read: a plain book instead.
  return MakeIcon(
      [=](QPainter& p, bool small) {
        if (small) Book(p, QRectF(5, 2, 22, 28), cover, dark);
        else DrawTranslation(p, cover, dark, letter);
      },
      QSize(32, 32));
}

QPixmap AboutPicture(int size, qreal devicePixelRatio) {
  return Render(
      [size](QPainter& p) {
        p.scale(size / 64.0, size / 64.0);
        DrawProgram(p);
      },
      QSize(size, size), devicePixelRatio);
}

}  // namespace skrybon
