// SPDX-License-Identifier: MIT
// The pictures compiled into the program: each one loads, has the pixel size
// its picture box is laid out for, draws without renderer complaints and
// actually puts something on the page.
#include "bakedpictures.h"
#include "mainwindow.h"
#include "mainwindowdesign.h"
#include "picturebox.h"
#include "startstyle.h"
#include "twips.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <thread>

namespace {

enum class Ink { Blue, Red, Any };

/// What a rendering into a white image left behind.
struct Footprint {
    qsizetype marked = 0;  // pixels that are no longer white
    QRect bounds;          // the smallest rectangle holding them
    double red = 0;        // mean channels of the marked pixels
    double blue = 0;
};

Footprint Render(QSvgRenderer& renderer, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    Footprint print;
    double red = 0;
    double blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (qRed(pixel) > 250 && qGreen(pixel) > 250 && qBlue(pixel) > 250) {
                continue;
            }
            ++print.marked;
            red += qRed(pixel);
            blue += qBlue(pixel);
            print.bounds |= QRect(x, y, 1, 1);
        }
    }
    if (print.marked > 0) {
        print.red = red / static_cast<double>(print.marked);
        print.blue = blue / static_cast<double>(print.marked);
    }
    return print;
}

/// How many different pixel values image holds.
qsizetype Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size();
}

/// The overflow button of a menu bar too narrow for its menus, drawn at
/// scale on white; a null image when the button is not shown.
QImage OverflowButtonPicture(int scale)
{
    QMenuBar bar;
    for (const char* title : {"&File", "Formulae", "&Design", "&About"}) {
        bar.addMenu(QString::fromLatin1(title));
    }
    bar.resize(60, 30);
    bar.show();
    if (!QTest::qWaitForWindowExposed(&bar)) {
        return {};
    }
    auto* button = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    if (button == nullptr || !button->isVisible()) {
        return {};
    }
    QImage picture(button->size() * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    button->render(&picture);
    return picture;
}

/// The window drawn into a picture at scale: a paint of each widget shown.
QImage Shot(QWidget& window, int scale)
{
    QImage shot(window.size() * scale, QImage::Format_RGB32);
    shot.setDevicePixelRatio(scale);
    window.render(&shot);
    return shot;
}

/// The picture resource drawn from its source stretched over box (logical
/// pixels) on backdrop, as an unframed picture box draws it; what lies in
/// the box.
QImage DrawnOver(const QImage& backdrop, const QString& resource, QRect box)
{
    QImage image = backdrop.copy();
    image.setDevicePixelRatio(backdrop.devicePixelRatio());
    {
        QPainter painter(&image);
        painter.translate(box.topLeft());
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(resource);
        renderer.render(&painter, QRectF(QPointF(0, 0), box.size()));
    }
    const auto scale = static_cast<int>(backdrop.devicePixelRatio());
    return image.copy(QRect(box.topLeft() * scale, box.size() * scale));
}

/// The same, as the first drawing of the picture's text in a process draws
/// it: fonts and the font files' readers are each thread's own, so a new
/// thread starts as a new process does.
QImage FirstDrawnOver(const QImage& backdrop, const QString& resource, QRect box)
{
    QImage drawn;
    std::thread worker([&] { drawn = DrawnOver(backdrop, resource, box); });
    worker.join();
    return drawn;
}

/// Draws letters of the logo's font, regular and bold, a quarter pixel off
/// the pixel grid, at a size nothing else draws (so they are read from the
/// font file now): the file's reader is left shifted by that quarter.
void DrawLettersOffTheGrid()
{
    static int size = 23;
    QImage scratch(200, 60, QImage::Format_RGB32);
    QPainter painter(&scratch);
    for (const bool bold : {false, true}) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(++size);
        font.setBold(bold);
        painter.setFont(font);
        painter.drawText(QPointF(0.25, 40), QStringLiteral("Loop"));
    }
}

/// A frame drawn by style on a white picture of size at scale: the tab
/// control's (tab) or a framed box's, inset a few pixels, with the painter
/// clipped to a band across the middle when clipped.
QImage FrameDrawn(const QStyle& style, bool tab, QSize size, qreal scale, bool clipped)
{
    QImage image((QSizeF(size) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (clipped) {
        painter.setClipRect(QRect(0, 40, size.width(), size.height() / 2));
    }
    QStyleOptionTabWidgetFrame tabOption;
    tabOption.shape = QTabBar::RoundedNorth;
    QStyleOptionFrame boxOption;
    QStyleOption& option = tab ? static_cast<QStyleOption&>(tabOption) : boxOption;
    option.rect = QRect(QPoint(3, 5), size - QSize(7, 11));
    option.palette = QApplication::palette();
    option.state = QStyle::State_Enabled;
    style.drawPrimitive(tab ? QStyle::PE_FrameTabWidget : QStyle::PE_FrameGroupBox, &option, &painter);
    return image;
}

}  // namespace

Q_DECLARE_METATYPE(Ink)

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // The renderer reports features it cannot draw as warnings; a picture
        // that relies on one would look different on screen than designed.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void pictureForEachBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Ink>("ink");
        QTest::newRow("window icon") << "icon.svg" << QSize(32, 32) << Ink::Red;
        QTest::newRow("header logo") << "header-logo.svg" << QSize(313, 74) << Ink::Any;
        QTest::newRow("about logo") << "about-logo.svg" << QSize(164, 197) << Ink::Any;
        QTest::newRow("circular coil") << "coil-circular.svg" << QSize(236, 220) << Ink::Blue;
        QTest::newRow("rectangular coil") << "coil-rectangular.svg" << QSize(236, 203) << Ink::Blue;
        QTest::newRow("spiral coil") << "coil-spiral.svg" << QSize(236, 222) << Ink::Blue;
        QTest::newRow("flat rectangular coil") << "coil-flat-rectangular.svg" << QSize(236, 240) << Ink::Blue;
    }

    void pictureForEachBox()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(Ink, ink);

        QFile source(QStringLiteral(":/") + name);
        QVERIFY(source.open(QIODevice::ReadOnly));
        // Style sheets, classes, markers and filters are dropped without a
        // word by the renderer: arrowheads and colours must be drawn directly.
        static const QRegularExpression dropped(
            QStringLiteral(R"(<style|\bclass=|<marker|marker-(start|mid|end)|<filter|filter=)"));
        const QRegularExpressionMatch match = dropped.match(QString::fromUtf8(source.readAll()));
        QVERIFY2(!match.hasMatch(), qPrintable(QStringLiteral("%1 uses %2").arg(name, match.captured())));

        QSvgRenderer renderer(QStringLiteral(":/") + name);
        QVERIFY2(renderer.isValid(), qPrintable(name));
        QCOMPARE(renderer.defaultSize(), size);
        // The drawing is stretched into its box as a whole: the view box must
        // be the picture itself, not a part or a margin of it.
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));

        const Footprint print = Render(renderer, size);
        const auto area = static_cast<qsizetype>(size.width()) * size.height();
        QVERIFY2(print.marked * 20 > area,
                 qPrintable(QStringLiteral("%1 marks only %2 of %3 pixels").arg(name).arg(print.marked).arg(area)));
        if (ink == Ink::Blue) {
            // Line drawings on white: the paper stays mostly blank.
            QVERIFY2(print.marked * 2 < area, qPrintable(QStringLiteral("%1 is not a line drawing").arg(name)));
        }
        // Spread over the box rather than huddled in a corner.
        QVERIFY(print.bounds.width() * 10 >= size.width() * 7);
        QVERIFY(print.bounds.height() * 10 >= size.height() * 7);
        switch (ink) {
        case Ink::Blue: QVERIFY2(print.blue > print.red + 40, qPrintable(name)); break;
        case Ink::Red: QVERIFY2(print.red > print.blue + 40, qPrintable(name)); break;
        case Ink::Any: break;
        }
    }

    // A picture box reads its picture only when first needed; what it draws
    // is still the picture, stretched over the box inside its frame.
    void pictureBoxDrawsItsPicture()
    {
        loopcalc::shell::PictureBox box(QStringLiteral(":/coil-spiral.svg"), loopcalc::shell::PictureBox::Fit::Stretch);
        box.setFramed(true);
        box.resize(120, 110);
        QVERIFY(box.isValid());
        QCOMPARE(box.pictureSize(), QSize(236, 222));

        // Drawn the way the box draws, into a picture of the same kind.
        QPixmap reference(box.size());
        reference.fill(Qt::white);
        {
            QPainter painter(&reference);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer renderer(QStringLiteral(":/coil-spiral.svg"));
            renderer.render(&painter, QRectF(1, 1, 118, 108));
        }
        const QImage drawn = box.grab().toImage();
        const QImage expected = reference.toImage().convertToFormat(drawn.format());
        // The frame, drawn smoothed, reaches one pixel into the box.
        QCOMPARE(drawn.copy(2, 2, 116, 106), expected.copy(2, 2, 116, 106));
    }

    // The page drawings made when the program was built are, pixel for
    // pixel, what drawing from the source gives: white paper, the picture
    // stretched inside the border.
    void bakedDrawingsMatchTheirSources_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<int>("scale");
        for (const loopcalc::shell::PageDesign& page : loopcalc::shell::MainPages()) {
            for (const loopcalc::shell::ControlDesign& control : page.controls) {
                if (control.kind != loopcalc::shell::ControlKind::Drawing) {
                    continue;
                }
                const QString resource = QString::fromUtf8(control.text.data(), qsizetype(control.text.size()));
                for (const int scale : {1, 2}) {
                    QTest::addRow("%s at %dx", qPrintable(resource), scale)
                        << resource << loopcalc::shell::TwipsSize(control.width, control.height) << scale;
                }
            }
        }
    }

    void bakedDrawingsMatchTheirSources()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, box);
        QFETCH(int, scale);
        const QImage baked = loopcalc::shell::BakedPicture({resource, box, scale, {}, {}});
        QVERIFY(!baked.isNull());
        QCOMPARE(baked.size(), box * scale);
        QCOMPARE(baked.devicePixelRatio(), qreal(scale));

        QImage expected(box * scale, QImage::Format_RGB32);
        expected.setDevicePixelRatio(scale);
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer renderer(resource);
            renderer.render(&painter, QRectF(1, 1, box.width() - 2, box.height() - 2));
        }
        QCOMPARE(baked, expected);
        // None for a size, scale or picture it was not made for.
        QVERIFY(loopcalc::shell::BakedPicture({resource, box + QSize(1, 0), scale, {}, {}}).isNull());
        QVERIFY(loopcalc::shell::BakedPicture({resource, box, 3, {}, {}}).isNull());
        QVERIFY(loopcalc::shell::BakedPicture({QStringLiteral(":/header-logo.svg"), box, scale, {}, {}}).isNull());
    }

    // The logo below the pages lies on the frame beneath it. Its first paint
    // is the picture made when the program was built, which is what drawing
    // it from its source gives there when that is the first drawing of its
    // text in the process; every later paint draws from the source, whose
    // text depends on what was drawn before (picturebox.cpp).
    void logoFirstPaintIsItsFirstDrawing_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("later");  // a paint after the first, letters drawn off the grid in between
        QTest::newRow("first paint, 1x") << 1 << false;
        QTest::newRow("first paint, 2x") << 2 << false;
        QTest::newRow("later paint, 1x") << 1 << true;
        QTest::newRow("later paint, 2x") << 2 << true;
    }

    void logoFirstPaintIsItsFirstDrawing()
    {
        QFETCH(int, scale);
        QFETCH(bool, later);
        // Qt's offscreen screen says it cannot fix a window's size.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        const QTemporaryDir logFolder;
        loopcalc::shell::MainWindow window(nullptr, logFolder.path());
        auto* logo = window.findChild<loopcalc::shell::PictureBox*>(QStringLiteral("imgHeader"));
        QVERIFY(logo != nullptr);
        logo->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage backdrop = Shot(window, scale);
        const QRect place(logo->mapTo(&window, QPoint(0, 0)), logo->size());
        const QString resource = QStringLiteral(":/header-logo.svg");
        const QImage first = FirstDrawnOver(backdrop, resource, place);

        logo->show();
        // Drawn into the picture before the window's own next paint: the first.
        const QImage firstPaint = Shot(window, scale).copy(QRect(place.topLeft() * scale, place.size() * scale));
        const QImage baked = loopcalc::shell::BakedPicture(
            {resource, place.size(), scale, place.topLeft(), loopcalc::shell::Backdrop(*logo)});
        QVERIFY(!baked.isNull());
        QCOMPARE(baked.convertToFormat(first.format()), first);
        QCOMPARE(firstPaint, first);
        if (!later) {
            return;
        }
        // Once the logo's text has been laid out, its drawing follows the
        // letters drawn before it.
        (void)DrawnOver(backdrop, resource, place);
        DrawLettersOffTheGrid();
        const QImage laterPaint = Shot(window, scale).copy(QRect(place.topLeft() * scale, place.size() * scale));
        const QImage now = DrawnOver(backdrop, resource, place);
        if (now == first) {
            QSKIP("This Qt draws the logo the same whatever came before it");
        }
        QCOMPARE(laterPaint, now);
    }

    void pictureBoxWithoutAPictureDrawsItsFrameOnly()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!.*nothing\\.svg).*")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
        loopcalc::shell::PictureBox box(QStringLiteral(":/nothing.svg"), loopcalc::shell::PictureBox::Fit::Stretch);
        box.resize(20, 20);
        QVERIFY(!box.isValid());
        QCOMPARE(box.sizeHint(), QSize(1, 1));
        QVERIFY(!box.grab().isNull());
    }

    void iconReadableAtSixteenPixels()
    {
        QSvgRenderer renderer(QStringLiteral(":/icon.svg"));
        QVERIFY(renderer.isValid());
        const Footprint print = Render(renderer, QSize(16, 16));
        QVERIFY(print.marked > 16 * 16 / 2);
        QVERIFY(print.red > print.blue + 40);
    }

    void everyCompiledPicture_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList names = QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.svg")}, QDir::Files);
        // All seven pictures of the main window and the About box are among them.
        QVERIFY(names.size() >= 7);
        for (const QString& name : names) {
            QTest::newRow(qPrintable(name)) << QStringLiteral(":/") + name;
        }
    }

    void everyCompiledPicture()
    {
        QFETCH(QString, path);
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QVERIFY(!renderer.defaultSize().isEmpty());
        const Footprint print = Render(renderer, renderer.defaultSize());
        QVERIFY(print.marked > 0);
    }

    // A picture the start style puts in the pixmap cache, the copy made when
    // the program was built or the one the PNG reader alone reads, is the
    // one reading it by its name gives, and lies where that reading looks
    // first. The copy serves Qt's frame picture only.
    void quickPicturesAreTheOnesReadByName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("built");   // the copy made at build time, else the PNG reader
        QTest::addColumn<bool>("cached");  // whether that way puts a picture in the cache
        const QString frame = loopcalc::shell::FramePicture();
        const QString file = QStringLiteral("picture.png");
        QTest::newRow("the frame border, made at build time") << frame << true << true;
        QTest::newRow("the frame border, read") << frame << false << true;
        QTest::newRow("a file, half transparent, read") << file << false << true;
        QTest::newRow("a file, not the one made at build time") << file << true << false;
        QTest::newRow("a file that is not there") << QStringLiteral("missing.png") << false << false;
    }

    void quickPicturesAreTheOnesReadByName()
    {
        QFETCH(QString, path);
        QFETCH(bool, built);
        QFETCH(bool, cached);
        const QTemporaryDir folder;
        if (!path.startsWith(u':')) {
            path = folder.filePath(path);
        }
        if (path.endsWith(QStringLiteral("picture.png"))) {
            QImage image(7, 5, QImage::Format_ARGB32);
            image.fill(qRgba(200, 30, 60, 128));
            image.setPixel(3, 2, qRgba(0, 90, 255, 255));
            QVERIFY(image.save(path));
        }
        QPixmapCache::clear();
        if (built) {
            QCOMPARE(loopcalc::shell::CacheBakedPicture(path), cached);
        } else {
            QCOMPARE(!loopcalc::shell::CachePngPicture(path).isNull(), cached);
        }
        QPixmap found;
        QCOMPARE(QPixmapCache::find(loopcalc::shell::PixmapCacheKey(path), &found), cached);
        if (cached) {
            const QPixmap byName(path);
            QCOMPARE(byName.cacheKey(), found.cacheKey());
            QCOMPARE(found.toImage(), QPixmap::fromImage(QImageReader(path).read()).toImage());
        }
    }

    // The start style puts the frame picture in the cache as it is made.
    void startStyleCachesTheFramePicture()
    {
        QPixmapCache::clear();
        const loopcalc::shell::StartStyle style;
        QPixmap cached;
        QVERIFY(QPixmapCache::find(loopcalc::shell::PixmapCacheKey(loopcalc::shell::FramePicture()), &cached));
        QCOMPARE(cached.size(), QImage(loopcalc::shell::FramePicture()).size());
    }

    // The menu bar's overflow button, which gets its arrow when first drawn,
    // shows the arrow the style would have given it at once, at both scales.
    void overflowButtonShowsTheStylesArrow_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
    }

    void overflowButtonShowsTheStylesArrow()
    {
        QFETCH(int, scale);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
        const QImage plain = OverflowButtonPicture(scale);
        QApplication::setStyle(new loopcalc::shell::StartStyle);
        const QImage start = OverflowButtonPicture(scale);
        QVERIFY(!plain.isNull());
        QCOMPARE(start, plain);
        // The arrow is there: the button is not one colour.
        QVERIFY(Colours(plain) > 1);
    }

    // The start style draws the tall frames in bands of rows, to keep their
    // fills on one thread: the pixels are the style's own, at every scale,
    // within a clip the painter already has too.
    void framesInBandsAreTheStylesOwn_data()
    {
        QTest::addColumn<bool>("tab");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("clipped");
        QTest::newRow("tab frame, 1x") << true << QSize(560, 430) << 1.0 << false;
        QTest::newRow("tab frame, 2x") << true << QSize(560, 430) << 2.0 << false;
        QTest::newRow("tab frame, 1.5x, clipped") << true << QSize(300, 333) << 1.5 << true;
        QTest::newRow("framed box, 1x") << false << QSize(250, 300) << 1.0 << false;
        QTest::newRow("framed box, 2x, clipped") << false << QSize(250, 300) << 2.0 << true;
        QTest::newRow("framed box, 1.25x") << false << QSize(181, 197) << 1.25 << false;
        QTest::newRow("framed box lower than a band") << false << QSize(200, 60) << 1.0 << false;
    }

    void framesInBandsAreTheStylesOwn()
    {
        QFETCH(bool, tab);
        QFETCH(QSize, size);
        QFETCH(qreal, scale);
        QFETCH(bool, clipped);
        const loopcalc::shell::StartStyle start;
        const std::unique_ptr<QStyle> plain(QStyleFactory::create(start.baseStyle()->name()));
        QVERIFY(plain != nullptr);
        const QImage drawn = FrameDrawn(start, tab, size, scale, clipped);
        QCOMPARE(drawn, FrameDrawn(*plain, tab, size, scale, clipped));
        QVERIFY(Colours(drawn) > 2);
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
