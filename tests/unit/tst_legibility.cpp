#include "FakeSystem.h"
#include "FixedTexts.h"
#include "WindowCleanup.h"

#include "forms/FormHandle.h"
#include "app/frmMain.h"
#include "calendar/frmResultCalendar.h"
#include "core/modPaganFestivals.h"
#include "controls/FocusRing.h"
#include "controls/FocusStyle.h"
#include "controls/TabControl.h"
#include "web/frmAbout.h"
#include "web/frmExitScreen.h"

#include <QAbstractButton>
#include <QCommonStyle>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <memory>

// Colours read off what a window draws, as an eye would see them.
namespace {

double contrast(QRgb first, QRgb second)
{
    return FocusRing::contrast(QColor(first), QColor(second));
}

// The iterators compare by count and tell the colour.
QRgb mostCommon(const QHash<QRgb, int>& counts)
{
    return counts.isEmpty() ? 0 : std::max_element(counts.cbegin(), counts.cend()).key();
}

// An area of a control (by default all it shows) as its window draws it.
QImage grabOf(QWidget* control, QRect area = QRect())
{
    QWidget* window = control->window();
    area = (area.isNull() ? control->visibleRegion().boundingRect() : area)
               .translated(control->mapTo(window, QPoint(0, 0)));
    return window->grab(area & window->rect()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Inside a 2 px edge, the most common colour is the background and the ink is
// the colour farthest from it that covers a few pixels.
double textContrast(const QImage& whole)
{
    const QImage grab = whole.copy(whole.rect().adjusted(2, 2, -2, -2));
    QHash<QRgb, int> counts;
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x)
            ++counts[grab.pixel(x, y)];
    const QRgb background = mostCommon(counts);
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end(), [background](QRgb a, QRgb b) {
        return contrast(a, background) > contrast(b, background);
    });
    // Antialiased glyphs have few pixels of the pure ink: the farthest colours are
    // taken together until they cover 1 % of the text.
    int covered = 0;
    for (QRgb colour : colours)
        if ((covered += counts[colour]) >= std::max(4, (grab.width() * grab.height() - counts[background]) / 100))
            return contrast(colour, background);
    return 1.0;
}

// The pixels that change as the focus arrives against those they cover; 0 when
// the mark is thinner than 2 px.
double focusMarkContrast(const QImage& without, const QImage& with)
{
    QHash<QRgb, int> changed;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            changed[with.pixel(x, y)] += with.pixel(x, y) != without.pixel(x, y);
    const QRgb mark = mostCommon(changed);
    QHash<QRgb, int> covered;
    QRect box;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) == mark && without.pixel(x, y) != mark) {
                ++covered[without.pixel(x, y)];
                box |= QRect(x, y, 1, 1);
            }
    // As thick as its upper edge is at the middle.
    const bool thick = box.height() > 1 && with.pixel(box.center().x(), box.top() + 1) == mark;
    return thick ? contrast(mark, mostCommon(covered)) : 0.0;
}

// The palette keys push buttons are drawn in, by which Fusion keys the drawings it keeps.
class ButtonPaletteKeys : public QCommonStyle
{
public:
    mutable QSet<qint64> keys;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_PanelButtonCommand)
            keys.insert(option->palette.cacheKey());
        QCommonStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

// Every text of every window reads at 4.5:1 on its own background and every focus
// stop shows a mark of 3:1 and 2 px, in the default colours and under a dark
// desktop theme: read off the windows as drawn.
class LegibilityTest : public QObject
{
    Q_OBJECT

    static void checkText(QWidget* control, const QString& text, const QRect& area = QRect())
    {
        const double ratio = textContrast(grabOf(control, area));
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 \"%2\" at %3:1")
                                              .arg(control->objectName(), text.left(30)).arg(ratio)));
    }

    static void checkShownControls(QWidget* window)
    {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisible() || control->visibleRegion().isEmpty())
                continue;
            // Each control is read first without the focus, then with it.
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const auto* box = qobject_cast<QLineEdit*>(control);
            const QString text = label ? label->text() : button ? button->text() : box ? box->text() : QString();
            if (!text.isEmpty())
                checkText(control, text);
            if (auto* frame = qobject_cast<QGroupBox*>(control))
                checkText(control, frame->title(), QRect(0, 0, frame->width(), frame->fontMetrics().height()));
            auto* days = qobject_cast<QTableView*>(control->parentWidget());
            for (int cell = 0; days && control == days->viewport() && cell < 49; ++cell) {
                const QModelIndex day = days->model()->index(cell / 7, cell % 7); // weekdays, six weeks
                checkText(control, day.data().toString(), days->visualRect(day));
            }
            // Its pages' frames fill a tab control's page area, outline and all, in the page's teal.
            if (auto* pages = qobject_cast<TabControl*>(control))
                QCOMPARE(grabOf(pages, QRect(0, pages->height() - 1, 1, 1)).pixelColor(0, 0).name(), "#004040");
            if (QTest::currentTestFailed())
                return;
            if ((control->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !control->isEnabled())
                continue;
            const QRect around = control->rect().adjusted(-4, -4, 4, 4);
            const QImage without = grabOf(control, around);
            // Not by Tab: a text box would select its text, which is no focus mark.
            control->setFocus(Qt::OtherFocusReason);
            QVERIFY2(focusMarkContrast(without, grabOf(control, around)) >= 3.0,
                     qPrintable(control->objectName() + control->accessibleName() + " shows no focus"));
        }
    }

    // One of the program's windows, shown and active; the About window is the caller's.
    static QWidget* show(const QString& window, std::unique_ptr<frmAbout>& about)
    {
        modPaganFestivals::SelectedMonthName = FullMonthName(12);
        modPaganFestivals::SelectedYear = QStringLiteral("2007");
        about = std::make_unique<frmAbout>();
        QWidget* shown = window == "main"     ? static_cast<QWidget*>(&FormHandle<frmMain>::get())
                         : window == "result" ? static_cast<QWidget*>(&FormHandle<frmResultCalendar>::get())
                         : window == "exit"   ? static_cast<QWidget*>(&FormHandle<frmExitScreen>::get())
                                              : about.get();
        shown->show();
        shown->activateWindow();
        return QTest::qWaitForWindowActive(shown) ? shown : nullptr;
    }

private Q_SLOTS:
    void initTestCase() { FocusStyle::install(); }
    void cleanup() { CloseAllWindows(); }

    void everyTextAndFocusStop_data()
    {
        // qt6ct's "darker": window text, button, light, dark, mid, text, bright text, base, window.
        QPalette darker(Qt::white, QColor(0x424245), QColor(0x979797), QColor(0x302f2e), QColor(0x4a4947),
                        Qt::white, Qt::white, QColor(0x3d3d3d), QColor(0x222020));
        darker.setColor(QPalette::AlternateBase, QColor(0x5c5b5a));
        darker.setColor(QPalette::Highlight, QColor(0x12608a));
        // High contrast: white on black, a cyan selection.
        QPalette contrast(Qt::white, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, Qt::white,
                          Qt::black, Qt::black);
        contrast.setColor(QPalette::Highlight, Qt::cyan);
        contrast.setColor(QPalette::HighlightedText, Qt::black);
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPalette>("theme");
        for (const char* window : {"main", "result", "exit", "about"}) {
            QTest::addRow("%s, default", window) << window << QApplication::style()->standardPalette();
            QTest::addRow("%s, dark", window) << window << darker;
            QTest::addRow("%s, high contrast", window) << window << contrast;
        }
    }

    void everyTextAndFocusStop()
    {
        QFETCH(QString, window);
        QFETCH(QPalette, theme);
        QApplication::setPalette(theme);
        FakeSystem system;
        std::unique_ptr<frmAbout> about;
        QWidget* shown = show(window, about);
        QVERIFY(shown);
        // The main window is read on each of its pages.
        auto* tabs = shown->findChild<TabControl*>(QStringLiteral("SSTMain"));
        for (int tab = 0; tab < (tabs ? tabs->tabCount() : 1) && !QTest::currentTestFailed(); ++tab) {
            if (tabs)
                tabs->setSelectedIndex(tab);
            checkShownControls(shown);
        }
    }

    // Two About windows draw their OK buttons, each in a palette of its own, in one palette:
    // otherwise every window left a new drawing of its buttons in Qt's cache.
    void equalColoursDrawnInOnePalette()
    {
        FocusStyle style;
        auto* keys = new ButtonPaletteKeys;
        style.setBaseStyle(keys);
        QSet<qint64> own;
        for (int window = 0; window < 2; ++window) {
            frmAbout about(nullptr);
            auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
            own << ok->palette().cacheKey();
            ok->setStyle(&style);
            ok->grab();
        }
        QCOMPARE(own.size(), 2);
        QCOMPARE(keys->keys.size(), 1);
        // Nor a new icon for each month view's arrows, kept by the key of its own pictures.
        const qint64 arrow = style.standardIcon(QStyle::SP_ArrowLeft).cacheKey();
        QCOMPARE(style.standardIcon(QStyle::SP_ArrowLeft).cacheKey(), arrow);
    }

    // The ring as drawn into a 12 x 10 picture around (1, 1, 10, 8): two pixels on every edge,
    // black on a light background and yellow on a dark one, nothing inside or outside.
    void theFocusRingIsTwoPixelsOnEveryEdge()
    {
        const char* const expected[] = {"............", ".##########.", ".##########.", ".##......##.",
                                        ".##......##.", ".##......##.", ".##......##.", ".##########.",
                                        ".##########.", "............"};
        for (const auto& [background, ring] : {std::pair(QColor(Qt::white), QColor(Qt::black)),
                                               std::pair(QColor(0, 0, 128), QColor(Qt::yellow))}) {
            QImage image(12, 10, QImage::Format_RGB32);
            image.fill(background);
            QPainter painter(&image);
            FocusRing::paint(painter, QRect(1, 1, 10, 8), background);
            painter.end();
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 12; ++x)
                    QVERIFY2(image.pixelColor(x, y) == (expected[y][x] == '#' ? ring : background),
                             qPrintable(QStringLiteral("%1, %2 on %3").arg(x).arg(y).arg(background.name())));
        }
        // Around a push button, as near its right edge as its left.
        QStyleOptionButton button;
        button.rect = QRect(0, 0, 30, 20);
        button.state = QStyle::State_HasFocus | QStyle::State_Enabled;
        button.palette = QApplication::style()->standardPalette();
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        FocusStyle().drawControl(QStyle::CE_PushButton, &button, &painter);
        QString middle;
        for (int x = 0; x < 40; ++x)
            middle += image.pixelColor(x, 10) == Qt::black ? '#' : '.';
        QCOMPARE(middle, QStringLiteral(".##........................##..........."));
    }

    void everyTextWhole_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<double>("draw"); // picks the exit window's message
        QTest::newRow("main") << "main" << 0.0;
        QTest::newRow("result") << "result" << 0.0;
        for (int message = 0; message < 4; ++message)
            QTest::addRow("exit, message %d", message) << "exit" << message / 4.0;
        QTest::newRow("about") << "about" << 0.0;
    }

    // Every fixed-size text is whole in its box, in Verdana's metrics as Windows draws
    // it and in the font this machine draws in its place.
    void everyTextWhole()
    {
        QFETCH(QString, window);
        QFETCH(double, draw);
        FakeSystem system;
        system.draws = {draw};
        std::unique_ptr<frmAbout> about;
        QWidget* shown = show(window, about);
        QStringList cut;
        for (const FixedText& text : FixedTexts(shown))
            cut << whatIsCut(text);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(LegibilityTest)
#include "tst_legibility.moc"
