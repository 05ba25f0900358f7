// The painter side of the shared drawings, and the font table.
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "app/bridge/fonts.h"
#include "app/widgets/painting.h"

using namespace kirvo;

namespace {

Rgb PixelAt(const QImage& image, int x, int y) { return static_cast<Rgb>(image.pixel(x, y) & 0xFFFFFF); }

}  // namespace

class PaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void GradientPaintsTheBandsOfTheRamp() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
      QPainter painter(&image);
      PaintGradient(painter, QRect(2, 4, 10, 12), 0xFFFFFF, 3, 0x000000);
    }
    QCOMPARE(PixelAt(image, 5, 4), Rgb{0xAAAAAA});
    QCOMPARE(PixelAt(image, 5, 8), Rgb{0x555555});
    QCOMPARE(PixelAt(image, 5, 15), Rgb{0x000000});
    // Bands overlap by a pixel but never leave the rectangle.
    QCOMPARE(PixelAt(image, 5, 16), Rgb{0xFF0000});
    QCOMPARE(PixelAt(image, 12, 8), Rgb{0xFF0000});
  }

  void FilledArrowHeadsCoverTheTriangleBehindTheTip() {
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setPen(Qt::black);
      DrawArrow(painter, QPoint(10, 20), QPoint(110, 20), 20, 10, true);
    }
    QCOMPARE(PixelAt(image, 104, 21), Rgb{0x000000});  // inside the head, off the line
    QCOMPARE(PixelAt(image, 60, 23), Rgb{0xFFFFFF});   // beside the line, no head
  }

  void RingNamesAreWrittenOnTheirBoxes() {
    QImage image(240, 240, QImage::Format_RGB32);
    image.fill(QColor(0x80, 0x80, 0x80));
    const PanelColours colours = LightDefaultColours();  // names in white, the contrast of a dark CP8
    QFont font(InstalledFamilyOf("ＭＳ Ｐゴシック"));
    int glyph_width = 0;
    {
      QPainter painter(&image);
      painter.setFont(font);
      PaintNameRing(painter, image.rect(), 120, 120, NameRingMode::kOneCharacter, "甲乙丙丁戊己庚辛壬癸", 120, colours,
                    DefaultTenGodNames());
      font.setPointSize(NameRingFontPoints(image.width(), NameRingMode::kOneCharacter));
      glyph_width = QFontMetrics(font, &image).horizontalAdvance(QStringLiteral("甲"));
    }
    // 甲 at the top: every white pixel of its column lies on its box.
    const NameRingPlace top =
        NameRing("甲乙丙丁戊己庚辛壬癸", 120, 120, NameRingMode::kOneCharacter, 120, glyph_width, DefaultTenGodNames())
            .front();
    int white = 0;
    for (int y = 0; y < image.height() / 2; ++y) {
      for (int x = top.box.left; x < top.box.right; ++x) {
        if (PixelAt(image, x, y) != kWhite) continue;
        ++white;
        QVERIFY2(y >= top.box.top && y < top.box.bottom, qPrintable(QStringLiteral("white at %1,%2").arg(x).arg(y)));
      }
    }
    QVERIFY(white > 0);
  }

  void LabelCellsEndWithAGreyLine() {
    QImage image(40, 16, QImage::Format_RGB32);
    CellStyle style;
    style.label = true;
    style.background = 0xFFFFFF;
    style.background_bottom = 0x0080C0;
    style.text = 0x000000;
    {
      QPainter painter(&image);
      PaintLabelCell(painter, image.rect(), QString(), style, true);
    }
    QCOMPARE(PixelAt(image, 3, 15), Rgb{0x808080});
    QCOMPARE(PixelAt(image, 3, 14), Rgb{0x0080C0});  // 3 steps: the last third is the end colour
  }

  void WindowsFacesMapToAnInstalledJapaneseFace() {
    if (!QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK JP"))) QSKIP("Noto Sans CJK JP is not installed");
    QCOMPARE(InstalledFamilyOf("ＭＳ ゴシック"), QStringLiteral("Noto Sans CJK JP"));
    QCOMPARE(InstalledFamilyOf("Sans Serif"), QStringLiteral("Noto Sans CJK JP"));
    QCOMPARE(InstalledFamilyOf("Some Face"), QStringLiteral("Some Face"));
    const QFont font = QFontOf({"ＭＳ 明朝", 12, kFontBold | kFontItalic, kBlack});
    QCOMPARE(font.families().front(), InstalledFamilyOf("ＭＳ 明朝"));
    QCOMPARE(font.pointSize(), 12);
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QVERIFY(!font.underline());
  }
};

QTEST_MAIN(PaintingTest)
#include "painting_test.moc"
