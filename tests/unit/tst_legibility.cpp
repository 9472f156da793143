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

// Where each window's layout puts its controls, in twips (15 to the pixel), read from the window
// down through the named controls. No height: the control sizes itself to its text and only its top
// left (and a width, if given) is checked. A window or its client area has its size given.
struct Placement
{
    const char* window;
    const char* path;
    QRect twips;
};

const Placement Placements[] = {
    {"about", "", {0, 0, 7050, 3165}},
    {"about", "cmdOK", {5745, 2760, 1260, 345}},
    {"about", "picIcon", {120, 45, 480, 480}},
    {"about", "Label2", {840, 45, 0, 0}},
    {"about", "Label1", {840, 390, 6165, 975}},
    {"about", "lblHomePage", {2955, 1365, 0, 0}},
    {"about", "Label3", {120, 1800, 6885, 435}},
    {"about", "lblCoBrand", {4710, 2235, 0, 0}},
    {"about", "Line1", {-15, 2640, 7095, 30}},
    {"exit", "", {0, 0, 11115, 4725}},
    {"exit", "picExitScreenIcon", {360, 120, 540, 540}},
    {"exit", "lblExitScreenCaption", {1080, 240, 0, 0}},
    {"exit", "Label2", {120, 840, 6975, 1095}},
    {"exit", "Check1", {30, 2040, 7185, 555}},
    {"exit", "cmdClose", {6000, 2760, 1245, 375}},
    {"exit", "Frame2", {120, 3240, 7065, 1455}},
    {"exit", "Frame2/txtName", {85, 360, 3375, 285}},
    {"exit", "Frame2/txtEmail", {3600, 360, 3375, 285}},
    {"exit", "Frame2/txtFriendName", {85, 720, 3375, 285}},
    {"exit", "Frame2/txtFriendEmail", {3600, 720, 3375, 285}},
    {"exit", "Frame2/cmdSubmit", {1920, 1080, 3375, 285}},
    {"exit", "Frame2/txtMessage", {4800, 3600, 1815, 495}},
    {"exit", "Frame6", {7320, 120, 3735, 4575}},
    {"exit", "Frame6/Label3", {120, 360, 3495, 3855}},
    {"exit", "Frame6/lblGoToHome", {75, 4250, 0, 0}},
    {"main", "client", {0, 0, 10110, 6060}},
    {"main", "SSTMain", {0, 375, 10245, 4935}},
    {"main", "fraContainer(0)", {0, 360, 10200, 4600}},
    {"main", "lblYear", {7200, 7200, 1000, 195}},
    {"main", "fraFullBrand", {23, 5400, 10065, 650}},
    {"main", "fraFullBrand/lblFullBrand", {120, 165, 9825, 450}},
    {"main", "CalendarPage/Label5", {240, 480, 6015, 3375}},
    {"main", "CalendarPage/Picture1", {7440, 600, 1350, 1350}},
    {"main", "CalendarPage/cmdMonthBack", {7020, 2280, 400, 400}},
    {"main", "CalendarPage/lblMonth", {7420, 2280, 1370, 400}},
    {"main", "CalendarPage/cmdMonthNext", {8790, 2280, 400, 400}},
    {"main", "CalendarPage/yearGroup", {6720, 2880, 2840, 255}},
    {"main", "yearGroup/optYear(0)", {0, 0, 800, 255}},
    {"main", "yearGroup/optYear(1)", {1020, 0, 800, 255}},
    {"main", "yearGroup/optYear(2)", {2040, 0, 800, 255}},
    {"main", "CalendarPage/cmdCalendar", {6600, 3505, 3240, 350}},
    {"main", "InformationPage", {0, 0, 10200, 4600}},
    {"main", "InformationPage/Label1", {360, 600, 9405, 615}},
    {"main", "InformationPage/Label2", {360, 1395, 9405, 1575}},
    {"main", "FestiveSeasonsPage/Label3", {120, 240, 9800, 615}},
    {"main", "FestiveSeasonsPage/Label4", {120, 967, 0, 0}},
    {"main", "SSTFestiveSeasons", {120, 1275, 9900, 2950}},
    {"main", "SSTElements", {120, 240, 9900, 3800}},
    {"main", "SSTGods", {120, 240, 9900, 4005}},
    {"main", "SSTGoddesses", {120, 240, 9900, 4005}},
    {"main", "fraContainer(3)", {0, 300, 10100, 2700}},
    {"main", "fraContainer(12)", {0, 300, 10100, 3500}},
    {"main", "fraContainer(18)", {0, 600, 10100, 3400}},
    {"main", "fraContainer(31)", {0, 300, 10100, 3700}},
    {"main", "imgPictures(0)", {8600, 120, 1200, 1350}},
    {"main", "imgPictures(5)", {8400, 120, 1455, 1995}},
    {"main", "imgPictures(17)", {8400, 120, 1455, 1995}},
    {"main", "lblFestiveSeasons(0)", {120, 120, 9700, 975}},
    {"main", "lblElements(4)", {120, 120, 7995, 1335}},
    {"main", "lblGods(9)", {120, 120, 7995, 1335}},
    {"main", "lblGoddesses(5)", {120, 120, 7995, 1575}},
    {"result", "client", {0, 0, 7155, 5250}},
    {"result", "Label14", {990, 60, 5190, 0}},
    {"result", "festivalArea", {150, 720, 3855, 3615}},
    {"result", "Label1", {4125, 720, 2880, 1290}},
    {"result", "MV", {4125, 2025, 2880, 2310}},
    {"result", "fraFullBrand", {-15, 4400, 7185, 855}},
    {"result", "fraFullBrand/lblCobrand", {120, 160, 6945, 660}},
    {"result", "cmdBack", {120, 6480, 2880, 375}},
};

// The colours the layout gives its windows and controls, by palette role (a page's fill: checkShownControls).
struct Shade
{
    const char* window;
    const char* path;
    QPalette::ColorRole role;
    const char* colour;
};

const Shade Shades[] = {
    {"about", "", QPalette::Window, "#004040"},
    {"about", "", QPalette::WindowText, "#ffffff"},
    {"about", "Label1", QPalette::WindowText, "#00ff00"},
    {"about", "Label3", QPalette::WindowText, "#00ff00"},
    {"about", "lblHomePage", QPalette::WindowText, "#ffffff"},
    {"about", "Line1", QPalette::Window, "#ffffff"},
    {"exit", "", QPalette::Window, "#ffffff"},
    {"exit", "", QPalette::WindowText, "#000000"},
    {"exit", "Frame2", QPalette::Window, "#000080"},
    {"exit", "Frame2", QPalette::WindowText, "#ffffff"},
    {"exit", "Frame2/txtName", QPalette::Base, "#800080"}, // the theme's, as a text box takes it
    {"exit", "Frame6", QPalette::Window, "#000080"},
    {"exit", "Check1", QPalette::Button, "#efefef"},
    {"exit", "Check1", QPalette::ButtonText, "#0000c0"},
    {"exit", "Frame6/Label3", QPalette::WindowText, "#ffffff"},
    {"exit", "Frame6/lblGoToHome", QPalette::WindowText, "#ffff00"},
    {"main", "client", QPalette::Window, "#004040"},
    {"main", "CalendarPage/Label5", QPalette::WindowText, "#ffffff"},
    {"main", "yearGroup/optYear(0)", QPalette::Base, "#ffffff"},
    {"main", "yearGroup/optYear(0)", QPalette::Text, "#000000"},
    {"main", "yearGroup/optYear(0)", QPalette::WindowText, "#ffffff"},
    {"main", "SSTMain", QPalette::Mid, "#6ea0a0"},
    {"main", "lblGods(9)", QPalette::WindowText, "#ffffff"},
    {"result", "client", QPalette::Window, "#004040"},
    {"result", "lblDisp", QPalette::WindowText, "#ffff00"},
    {"result", "Label1", QPalette::WindowText, "#ffffff"},
    {"result", "MV", QPalette::Window, "#ffffff"},
    {"result", "MV", QPalette::AlternateBase, "#f7f7f7"},
    {"result", "MV", QPalette::Highlight, "#1a5c96"},
};

// Each text's lettering: Verdana in points (or less to fit, down to fewestPixels), "b"old, "u"nderlined; alignment.
struct Lettering
{
    const char* window;
    const char* path;
    qreal points;
    const char* style;
    int alignment; // 0: not a label, or not checked
    bool wraps;
    int fewestPixels = 0;
};
constexpr int TopLeft = Qt::AlignLeft | Qt::AlignTop, TopMiddle = Qt::AlignHCenter | Qt::AlignTop;

const Lettering Letterings[] = {
    {"about", "picIcon", 8.25, "", TopLeft, false},
    {"about", "Label2", 14.25, "b", 0, false},
    {"about", "Label1", 8.25, "", TopLeft, true, 9},
    {"about", "Label3", 8.25, "b", TopLeft, true, 10},
    {"about", "lblHomePage", 8.25, "u", 0, false, 10},
    {"exit", "picExitScreenIcon", 8.25, "", TopLeft, false},
    {"exit", "Label2", 9.75, "b", TopLeft, true},
    {"exit", "Check1", 14.25, "", 0, false},
    {"exit", "Frame2", 9.75, "b", 0, false},
    {"exit", "Frame2/cmdSubmit", 8.25, "b", 0, false},
    {"exit", "Frame2/txtMessage", 8.25, "", 0, false},
    {"exit", "Frame6/Label3", 9, "", TopLeft, true},
    {"exit", "Frame6/lblGoToHome", 9, "bu", 0, false, 9},
    {"main", "Label14", 8.25, "bu", TopMiddle, false, 10},
    {"main", "CalendarPage/Label5", 8.25, "", TopLeft, true},
    {"main", "CalendarPage/lblMonth", 8.25, "b", Qt::AlignCenter, false, 10},
    {"main", "yearGroup/optYear(0)", 8.25, "b", 0, false},
    {"main", "CalendarPage/cmdCalendar", 8.25, "b", 0, false},
    {"main", "InformationPage/Label2", 8.25, "", TopLeft, true},
    {"main", "lblGods(9)", 9, "", TopLeft, true},
    {"main", "fraFullBrand/lblFullBrand", 8.25, "bu", Qt::AlignCenter, true, 10},
    {"result", "Label14", 8.25, "bu", TopMiddle, true, 10},
    {"result", "lblDisp", 8.25, "", TopLeft, true},
    {"result", "Label1", 8.25, "b", TopLeft, true},
    {"result", "fraFullBrand/lblCobrand", 8.25, "bu", Qt::AlignCenter, true, 10},
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

    // Every control of every window where the layout puts it and in its colours.
    void everyControlWhereItIsDescribed()
    {
        FakeSystem system;
        // A theme of none of the layout's colours: a colour read is one the program set.
        QPalette theme;
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            theme.setColor(QPalette::ColorRole(role), QColor(0x80, 0x00, 0x80));
        QApplication::setPalette(theme);
        QStringList wrong;
        for (const char* window : {"main", "result", "exit", "about"}) {
            std::unique_ptr<frmAbout> about;
            QWidget* shown = show(window, about);
            QVERIFY(shown);
            const auto find = [shown](const char* path) {
                QWidget* control = shown;
                for (const QString& name : QString::fromLatin1(path).split(u'/', Qt::SkipEmptyParts))
                    control = control ? control->findChild<QWidget*>(name) : nullptr;
                return control;
            };
            for (const Shade& shade : Shades) {
                if (qstrcmp(shade.window, window) != 0)
                    continue;
                const QWidget* control = find(shade.path);
                if (!control || control->palette().color(shade.role) != QColor(QLatin1String(shade.colour)))
                    wrong << QStringLiteral("%1 %2 colour %3").arg(window, shade.path).arg(shade.role);
            }
            for (const Lettering& lettering : Letterings) {
                if (qstrcmp(lettering.window, window) != 0)
                    continue;
                const QWidget* control = find(lettering.path);
                const auto* label = qobject_cast<const QLabel*>(control);
                const QFont font = control ? control->font() : QFont();
                const QString style = QString::fromLatin1(lettering.style);
                const bool sized = lettering.fewestPixels ? font.pointSizeF() <= lettering.points
                                             && QFontInfo(font).pixelSize() >= lettering.fewestPixels
                                                          : qFuzzyCompare(font.pointSizeF(), lettering.points);
                if (!control || font.family() != QLatin1String("Verdana") || !sized ||
                    font.bold() != style.contains(u'b') || font.underline() != style.contains(u'u') ||
                    (lettering.alignment && (!label || int(label->alignment()) != lettering.alignment ||
                                             label->wordWrap() != lettering.wraps)))
                    wrong << QStringLiteral("%1 %2 lettering").arg(window, lettering.path);
            }
            for (const Placement& placement : Placements) {
                if (qstrcmp(placement.window, window) != 0)
                    continue;
                QWidget* control = find(placement.path);
                const QRect& twips = placement.twips;
                const auto px = [](int value) { return qRound(value / 15.0); }; // halves up
                const QRect expected(px(twips.x()), px(twips.y()), px(twips.width()),
                                     px(twips.height()));
                const QRect actual = !control ? QRect()
                                     : control == shown || control->objectName() == "client"
                                         ? QRect(expected.topLeft(), control->size())
                                     : twips.height() ? control->geometry()
                                     : QRect(control->pos(), QSize(twips.width() ? control->width() : 0, 0));
                if (actual != expected)
                    wrong << QStringLiteral("%1 %2 at %3, %4 %5 x %6")
                                 .arg(window, placement.path)
                                 .arg(actual.x())
                                 .arg(actual.y())
                                 .arg(actual.width())
                                 .arg(actual.height());
            }
            CloseAllWindows();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
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
