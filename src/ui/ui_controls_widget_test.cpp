// SPDX-License-Identifier: GPL-2.0-or-later
// The frame's small windows and controls as they look and behave: colour swatches,
// credits, the About box, flat buttons, icons, refusals of text Windows-1250 cannot hold.
#include <QAccessible>
#include <QCursor>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTextDocumentFragment>
#include <functional>

#include "ui/about_dialog.h"
#include "ui/color_button.h"
#include "ui/color_swatches.h"
#include "ui/colors_dialog.h"
#include "ui/credits_scroller.h"
#include "ui/display_qt.h"
#include "ui/command_ids.h"
#include "ui/flat_button.h"
#include "ui/icons.h"
#include "ui/screen_reader_notice.h"
#include "ui/status_announcer.h"
#include "ui/qt_text.h"

using namespace skrybon;

namespace {

const CSystemColors kSystem{Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(0, 0, 128), Rgb(255, 255, 255)};

bool AnyPixel(const QImage& image, const std::function<bool(QColor)>& wanted) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (wanted(image.pixelColor(x, y))) return true;
  return false;
}

bool HasPixel(const QImage& image, const QColor& color) {
  return AnyPixel(image, [&color](QColor c) { return c.rgb() == color.rgb(); });
}

QImage Grab(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class UiControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void coloursDialogPreviewsPairsAndResets() {
    const CDisplayColors start{Rgb(250, 240, 230), Rgb(10, 20, 30), Rgb(200, 0, 0), Rgb(255, 255, 0),
                               Rgb(0, 0, 100), Rgb(0, 128, 0)};
    CColorsDialog dialog(start, kSystem);
    QCOMPARE(dialog.windowTitle(), QString("Kolory"));
    QCOMPARE(dialog.Swatch(CSwatch::Numbers)->text(), QString("Numery wersetów"));
    // Every swatch shows the pairing the swatch rules give it.
    const auto showsItsLook = [&dialog](const CDisplayColors& colors) {
      for (const CSwatch s : {CSwatch::Numbers, CSwatch::Text, CSwatch::Background, CSwatch::HighlightText,
                              CSwatch::HighlightBackground, CSwatch::FoundWords}) {
        QCOMPARE(dialog.Swatch(s)->FillColor(), ToQColor(SwatchLook(colors, s).fill));
        QCOMPARE(dialog.Swatch(s)->TextColor(), ToQColor(SwatchLook(colors, s).caption));
      }
    };
    showsItsLook(start);
    // A swatch paints its fill and, inside, its caption.
    const QImage swatch = Grab(dialog.Swatch(CSwatch::Numbers));
    QCOMPARE(swatch.pixelColor(5, swatch.height() / 2), ToQColor(start.background));
    QVERIFY(HasPixel(swatch.copy(20, 5, swatch.width() - 40, swatch.height() - 10), ToQColor(start.numbers)));

    // A chosen colour shows wherever it is paired.
    dialog.Choose(CSwatch::HighlightText, Rgb(1, 2, 3));
    showsItsLook(dialog.Colors());

    // "Kolory Windows": every colour from the desktop, every swatch with it.
    dialog.SystemColorsButton()->click();
    QCOMPARE(dialog.Colors(), CDisplayColors::FromSystem(kSystem));
    showsItsLook(dialog.Colors());
  }

  void creditsScrollOnePixelPerTickWithLineStyles() {
    CCreditsScroller scroller;
    scroller.resize(330, 60);
    QColor background(212, 208, 200);
    scroller.SetText(QStringLiteral("Nagłówek\t\nzwykły tekst"), QLatin1Char('\n'));
    scroller.SetSpeed(1, 0);
    scroller.SetColor(0, background);
    scroller.Start();
    QCOMPARE(scroller.Timer()->interval(), 40);

    // Styles: headings bold and red, normal text thin in the text colour.
    QVERIFY(scroller.StyleFont(CCreditStyle::Heading1).bold());
    QCOMPARE(scroller.StyleFont(CCreditStyle::Normal).weight(), QFont::Thin);
    QVERIFY(scroller.StyleFont(CCreditStyle::Heading1).pixelSize() >
            scroller.StyleFont(CCreditStyle::Normal).pixelSize());

    // Twenty ticks bring the heading in from the bottom, in red.
    for (int i = 0; i < 19; ++i) scroller.Tick();
    const QImage afterHeading = scroller.Buffer().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage bottom = afterHeading.copy(0, afterHeading.height() - 19, afterHeading.width(), 19);
    QVERIFY(AnyPixel(bottom, [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }));
    // Rows above what scrolled in are still the background.
    QCOMPARE(afterHeading.pixelColor(5, 2), background);
    // The timer drives the same steps.
    const int counter = scroller.Scroll().Counter();
    QTRY_VERIFY_WITH_TIMEOUT(scroller.Scroll().Counter() != counter, 1000);

    CCreditsScroller empty;
    empty.Start();
    QVERIFY(!empty.Timer()->isActive());
  }

  void aboutBoxStartsItsCredits() {
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QString("O programie"));
    QVERIFY(about.Scroller()->Timer()->isActive());
    QVERIFY(about.Scroller()->Scroll().Lines().size() > 5);
    const auto labels = about.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* l) {
      return l->text() == QStringLiteral("Skrybon dla Windows 95/98/NT\n\twersja 1.4");
    }));
    // A screen reader reads every text of the box, the scrolling credits at once.
    for (QLabel* label : labels) {
      if (!label->pixmap().isNull()) continue;
      const QString shown = label->textFormat() == Qt::RichText
                                ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                : label->text();
      QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), shown);
    }
    const QString credits = QAccessible::queryAccessibleInterface(about.Scroller())->text(QAccessible::Name);
    for (const CCreditLine& line : about.Scroller()->Scroll().Lines()) {
      if (line.style != CCreditStyle::Picture) QVERIFY(credits.contains(ToQString(line.text)));
    }
    QVERIFY(!credits.contains(QLatin1Char('^')));
    about.show();
    about.reject();
    QVERIFY(!about.Scroller()->Timer()->isActive());
  }

  // A report stays in the status bar's prompt for a while and reaches screen
  // readers as a notification; then the prompt is idle again, unless
  // something else has been shown there meanwhile.
  void reportsReturnToTheIdlePrompt() {
    QWidget bar;
    auto* prompt = new QLabel(QStringLiteral("Gotowe."), &bar);
    bar.show();
    auto* announcer = new CStatusAnnouncer(*prompt, QStringLiteral("Gotowe."));
    announcer->Timer().setInterval(20);
    announcer->Announce(QStringLiteral("Skopiowano Rdz 1:1 (BT)"));
    QCOMPARE(prompt->text(), QStringLiteral("Skopiowano Rdz 1:1 (BT)"));
    QVERIFY(announcer->Notice()->isVisible());
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(announcer->Notice());
    QCOMPARE(notice->role(), QAccessible::Notification);
    QCOMPARE(notice->text(QAccessible::Name), QStringLiteral("Skopiowano Rdz 1:1 (BT)"));
    QTRY_COMPARE(prompt->text(), QStringLiteral("Gotowe."));

    announcer->Announce(QStringLiteral("Dołączono Rdz 1:2 (BT)"));
    prompt->setText(QStringLiteral("Kończy pracę z programem"));
    QTest::qWait(100);
    QCOMPARE(prompt->text(), QStringLiteral("Kończy pracę z programem"));
  }

  void fontRecordAndQtFontMeetInTheChooser() {
    CLogFont stored;
    stored.height = -10;
    stored.faceName = "System";
    stored.quality = 2;
    // The chooser reads the stored height as points.
    QCOMPARE(ChooserFont(stored, 96).pointSize(), 10);
    // "System" is drawn with a face that has the Polish letters; the name stays.
    const QFont drawn = ToQFont(stored);
    QVERIFY(drawn.family() != QString("System"));
    QVERIFY(ShowsPolish(drawn));
    QCOMPARE(drawn.pixelSize(), 10);
    QCOMPARE(drawn.weight(), QFont::Normal);

    // A bold 12-point choice at 96 pixels per inch stores -12; the fields the
    // chooser does not offer keep their values.
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(12);
    chosen.setBold(true);
    chosen.setUnderline(true);
    const CLogFont back = FromChosenFont(chosen, stored, 96);
    QCOMPARE(back.height, -12);
    QCOMPARE(back.weight, 700);
    QCOMPARE(back.underline, std::uint8_t{0});
    QCOMPARE(back.quality, std::uint8_t{2});
    QCOMPARE(back.faceName, std::string("DejaVu Sans"));
    QCOMPARE(FromChosenFont(chosen, stored, 120).height, -12);

    CLogFont other = stored;
    other.weight = 700;
    other.italic = 1;
    other.height = -16;
    other.quality = 3;
    other.pitchAndFamily = 0x31;  // fixed pitch, modern
    const QFont f = ToQFont(other);
    QVERIFY(f.bold() && f.italic() && f.fixedPitch());
    QCOMPARE(f.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
  }

  void flatButtonsShareOneHotFlag() {
    QWidget host;
    auto* layout = new QHBoxLayout(&host);
    auto* a = new CFlatBtn(QStringLiteral("&Otwórz"), &host);
    auto* b = new CFlatBtn(QStringLiteral("Drugi"), &host);
    layout->addWidget(a);
    layout->addWidget(b);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QPoint onA = a->mapToGlobal(a->rect().center());
    const QPoint onB = b->mapToGlobal(b->rect().center());

    QCursor::setPos(onA);
    QTest::mouseMove(a, a->rect().center());
    QVERIFY(a->HoverTimer()->isActive());
    a->OnHoverTimer();
    QVERIFY(a->ShowsHot());
    QVERIFY(CFlatBtn::AnyHot());

    // Straight onto B: A turns flat before B turns hot.
    QCursor::setPos(onB);
    b->OnHoverTimer();
    QVERIFY(!b->ShowsHot());
    a->OnHoverTimer();
    QVERIFY(!a->ShowsHot());
    QVERIFY(!a->HoverTimer()->isActive());
    QVERIFY(!CFlatBtn::AnyHot());
    b->OnHoverTimer();
    QVERIFY(b->ShowsHot());

    // Hot: a raised edge; flat: none.
    QImage hot = Grab(b);
    QCOMPARE(hot.pixel(0, hot.height() / 2), b->palette().color(QPalette::Light).rgb());
    QCOMPARE(hot.pixel(hot.width() - 1, hot.height() / 2), b->palette().color(QPalette::Dark).rgb());

    // Pressing ends the hot look and clears the flag.
    QTest::mousePress(b, Qt::LeftButton, {}, b->rect().center());
    QVERIFY(b->IsPressed());
    b->OnHoverTimer();
    QVERIFY(!b->ShowsHot());
    QVERIFY(!CFlatBtn::AnyHot());
    const QImage pressed = Grab(b);
    QCOMPARE(pressed.pixel(0, pressed.height() / 2), b->palette().color(QPalette::Dark).rgb());
    QTest::mouseRelease(b, Qt::LeftButton, {}, b->rect().center());
    QVERIFY(!b->IsPressed());

    QCursor::setPos(QPoint(-100, -100));
    b->OnHoverTimer();
    const QImage flat = Grab(b);
    QCOMPARE(flat.pixel(0, flat.height() / 2), b->palette().color(QPalette::Button).rgb());

    // Disabled: the caption in the grey text colour, no edge.
    b->setEnabled(false);
    const QImage disabled = Grab(b);
    QVERIFY(HasPixel(disabled, b->palette().color(QPalette::Disabled, QPalette::Text)));
    QVERIFY(!HasPixel(disabled, b->palette().color(QPalette::Active, QPalette::ButtonText)));
  }

  // Icons are drawn when first asked for, at the size asked (in the
  // picture's proportions for a menu's square): not blank, greyed when
  // disabled, the same when asked again.
  void iconsAreDrawnAtTheSizeAsked() {
    const struct {
      QIcon icon;
      QSize asked, drawn;
    } cases[] = {{CommandIcon(ID_EDIT_COPY), {16, 16}, {16, 15}}, {CommandIcon(ID_EDIT_COPY), {32, 30}, {32, 30}},
                 {TranslationIcon(TranslationId::BT), {20, 20}, {20, 20}}, {ProgramIcon(), {48, 48}, {48, 48}}};
    for (const auto& c : cases) {
      const QImage normal = c.icon.pixmap(c.asked, 1.0, QIcon::Normal).toImage();
      QCOMPARE(normal.size(), c.drawn);
      QVERIFY(AnyPixel(normal, [](QColor c) { return c.alpha() == 255; }));
      QVERIFY(c.icon.pixmap(c.asked, 1.0, QIcon::Disabled).toImage() != normal);
      QCOMPARE(c.icon.pixmap(c.asked, 1.0, QIcon::Normal).toImage(), normal);
    }
  }

  void refusalMessagesNameTheCharacter() {
    QCOMPARE(FirstCharOutsideCp1250(QStringLiteral("Zażółć „gęślą”")), std::nullopt);
    QCOMPARE(FirstCharOutsideCp1250(QString::fromUtf8("ab\xF0\x9F\x98\x80")), std::optional<char32_t>(0x1F600));
    QCOMPARE(DescribeCharacter(U'α'), QStringLiteral("„α” (U+03B1)"));
    QCOMPARE(DescribeCharacter(0x1F600), QString::fromUtf8("„\xF0\x9F\x98\x80” (U+1F600)"));
    QCOMPARE(DescribeCharacter(0x2003), QStringLiteral("U+2003"));  // em space: invisible
    QCOMPARE(DescribeCharacter(0xFFFD), QStringLiteral("U+FFFD"));
    QCOMPARE(CharacterOutsideCp1250Message(QStringLiteral("Nazwa"), U'α'),
             QStringLiteral("Nazwa zawiera znak „α” (U+03B1), którego nie można zapisać w kodowaniu "
                            "Windows-1250. Popraw tekst."));
  }
};

QTEST_MAIN(UiControlsTest)
#include "ui_controls_widget_test.moc"
