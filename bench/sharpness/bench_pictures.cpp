// How sharp the program's pictures are on a screen at any scale: run by
// bench/sharpness/run.sh, which sets the scale.
//
//   bench_pictures --grab DIR     shows the windows on the platform under test (X11, or
//                                 Windows under Wine), and keeps what the window system
//                                 shows of each picture, with a little of its surroundings,
//                                 and a shot of each window; DIR/pictures.txt lists each
//                                 picture's SVG, background and size in device pixels.
//   bench_pictures --compare DIR  sets each grab beside DIR/NAME.ref.png, the same art
//                                 rendered straight at those pixels, and prints the
//                                 variance of the Laplacian of the one over the other's.
#include "app/frmMain.h"
#include "controls/LinkCursor.h"
#include "controls/TabControl.h"
#include "forms/FormHandle.h"
#include "reference/EntryGroupPage.h"
#include "reference/EntryPicture.h"
#include "web/frmAbout.h"
#include "web/frmExitScreen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTextStream>
#include <QWindow>

#include <algorithm>

namespace {

// Grabs reach this far past a picture on every side, so that the comparison can
// find the picture wherever the window system rounded its position to.
constexpr int Margin = 2;

void settle(QWidget* window)
{
    QElapsedTimer timer;
    timer.start();
    while ((!window->windowHandle() || !window->windowHandle()->isExposed())
           && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    // Time for the window system to show what was painted.
    timer.restart();
    while (timer.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

class Grabber
{
public:
    explicit Grabber(const QString& folder)
        : dir(folder), list(dir.filePath(QStringLiteral("pictures.txt")))
    {
        opened = list.open(QIODevice::WriteOnly | QIODevice::Text);
    }

    // Without the list, --compare would find nothing to set the grabs beside.
    bool canList() const { return opened; }

    // What the screen shows of the widget's rectangle (logical pixels, widget coordinates).
    void picture(QWidget* widget, const QRect& area, const char* name, const QString& svg,
                 const char* background)
    {
        QWidget* window = widget->window();
        const qreal ratio = window->devicePixelRatioF();
        const QPoint origin = widget->mapTo(window, area.topLeft());
        const QRect around = QRect(origin, area.size()).adjusted(-Margin, -Margin, Margin, Margin);
        const QPixmap shot = window->screen()->grabWindow(window->winId(), around.x(), around.y(),
                                                          around.width(), around.height());
        shot.save(dir.filePath(QLatin1String(name) + QStringLiteral(".png")));
        const QSize device = area.size() * ratio;
        QTextStream(&list) << name << ' ' << svg << ' ' << background << ' ' << device.width()
                           << ' ' << device.height() << '\n';
    }

    void picture(QLabel* label, const char* name, const QString& svg, const char* background)
    {
        picture(label, label->contentsRect(), name, svg, background);
    }

    void window(QWidget* window, const char* name)
    {
        window->screen()
            ->grabWindow(window->winId())
            .save(dir.filePath(QStringLiteral("window-%1.png").arg(QLatin1String(name))));
    }

    // A cursor is handed to the window system as it is made.
    void cursor(LinkCursor::Kind kind, qreal ratio, const char* name, const QString& svg)
    {
        const QPixmap drawn = LinkCursor::make(kind, ratio).pixmap();
        QImage flat(drawn.size() + QSize(2 * Margin, 2 * Margin), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QImage pixels = drawn.toImage();
        pixels.setDevicePixelRatio(1); // every pixel as the window system gets it
        QPainter(&flat).drawImage(Margin, Margin, pixels);
        flat.save(dir.filePath(QLatin1String(name) + QStringLiteral(".png")));
        QTextStream(&list) << name << ' ' << svg << " #ffffff " << drawn.width() << ' '
                           << drawn.height() << '\n';
    }

private:
    QDir dir;
    QFile list;
    bool opened = false;
};

int grabAll(const QString& folder)
{
    QDir().mkpath(folder);
    Grabber grab(folder);
    if (!grab.canList()) {
        QTextStream(stderr) << "bench_pictures: cannot write the list of pictures in " << folder
                            << '\n';
        return 1;
    }

    frmMain& main = FormHandle<frmMain>::get();
    main.show();
    settle(&main);
    grab.picture(main.findChild<QLabel*>(QStringLiteral("Picture1")), "calendar",
                 QStringLiteral("calendar/wheel.svg"), "#004040");
    grab.window(&main, "calendar");

    const struct
    {
        int mainTab;
        const char* tabControl;
        const char* group;
    } groups[] = {
        {3, "SSTElements", "elements"}, {4, "SSTGods", "gods"}, {5, "SSTGoddesses", "goddesses"}};
    for (const auto& group : groups) {
        main.SSTMain()->setSelectedIndex(group.mainTab);
        auto* tabs = main.findChild<TabControl*>(QLatin1String(group.tabControl));
        auto* page = qobject_cast<EntryGroupPage*>(tabs->parentWidget());
        const int shownAtLoad = tabs->selectedIndex();
        for (int position = 0; position < tabs->tabCount(); ++position) {
            tabs->setSelectedIndex(position);
            settle(&main);
            const QByteArray name = QByteArray(group.group) + '-' + QByteArray::number(position);
            grab.picture(page->entryPicture(position), name.constData(),
                         QStringLiteral("%1/%2.svg").arg(QLatin1String(group.group)).arg(position),
                         "#004040");
            if (position == shownAtLoad)
                grab.window(&main, group.group);
        }
    }

    const QString icon = QStringLiteral("icon/velloran.svg");
    frmAbout about;
    about.show();
    settle(&about);
    auto* picIcon = about.findChild<QLabel*>(QStringLiteral("picIcon"));
    grab.picture(picIcon, QRect(QPoint(0, 0), QSize(32, 32)), "about-icon", icon, "#004040");
    grab.window(&about, "about");
    about.hide();

    frmExitScreen& exitWindow = FormHandle<frmExitScreen>::get();
    settle(&exitWindow);
    auto* exitIcon = exitWindow.findChild<QLabel*>(QStringLiteral("picExitScreenIcon"));
    grab.picture(exitIcon, QRect(exitIcon->contentsRect().topLeft(), QSize(32, 32)), "exit-icon",
                 icon, "#ffffff");
    grab.window(&exitWindow, "exit");

    const qreal ratio = main.devicePixelRatioF();
    grab.cursor(LinkCursor::Kind::Hand, ratio, "cursor-hand", QStringLiteral("cursors/hand.svg"));
    grab.cursor(LinkCursor::Kind::CoBrand, ratio, "cursor-cobrand",
                QStringLiteral("cursors/cobrand.svg"));
    return 0;
}

// Variance of the 4-neighbour Laplacian of the grey levels.
double laplacianVariance(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0, squares = 0;
    int count = 0;
    for (int y = 1; y + 1 < grey.height(); ++y) {
        const uchar* above = grey.constScanLine(y - 1);
        const uchar* row = grey.constScanLine(y);
        const uchar* below = grey.constScanLine(y + 1);
        for (int x = 1; x + 1 < grey.width(); ++x) {
            const double value = above[x] + below[x] + row[x - 1] + row[x + 1] - 4.0 * row[x];
            sum += value;
            squares += value * value;
            ++count;
        }
    }
    if (count == 0)
        return 0;
    const double mean = sum / count;
    return squares / count - mean * mean;
}

// The part of the grab, the size of the reference, that is most like it.
QImage bestCrop(const QImage& grab, const QImage& reference)
{
    const QImage drawn = grab.convertToFormat(QImage::Format_RGB32);
    const QImage wanted = reference.convertToFormat(QImage::Format_RGB32);
    QImage best;
    double bestDifference = 1e300;
    for (int dy = 0; dy + wanted.height() <= drawn.height(); ++dy) {
        for (int dx = 0; dx + wanted.width() <= drawn.width(); ++dx) {
            double difference = 0;
            for (int y = 0; y < wanted.height(); ++y)
                for (int x = 0; x < wanted.width(); ++x) {
                    const QRgb a = drawn.pixel(dx + x, dy + y), b = wanted.pixel(x, y);
                    difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                                  + std::abs(qBlue(a) - qBlue(b));
                }
            if (difference < bestDifference) {
                bestDifference = difference;
                best = drawn.copy(dx, dy, wanted.width(), wanted.height());
            }
        }
    }
    return best;
}

int compareAll(const QString& folder)
{
    const QDir dir(folder);
    QFile list(dir.filePath(QStringLiteral("pictures.txt")));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return 1;
    QTextStream out(stdout);
    out << Qt::fixed << qSetRealNumberPrecision(2);
    QList<double> pictureRatios;
    while (!list.atEnd()) {
        const QStringList fields = QString::fromUtf8(list.readLine()).simplified().split(u' ');
        if (fields.size() < 5)
            continue;
        const QString& name = fields[0];
        const QImage grab(dir.filePath(name + QStringLiteral(".png")));
        const QImage reference(dir.filePath(name + QStringLiteral(".ref.png")));
        const QImage drawn = bestCrop(grab, reference);
        const double ratio = laplacianVariance(drawn) / laplacianVariance(reference);
        drawn.save(dir.filePath(name + QStringLiteral(".drawn.png")));
        out << qSetFieldWidth(16) << Qt::left << name << qSetFieldWidth(0) << fields[3] << 'x'
            << fields[4] << "  " << ratio << '\n';
        if (name.contains(u'-') && !name.startsWith(QLatin1String("cursor"))
            && !name.endsWith(QLatin1String("icon")))
            pictureRatios.append(ratio);
    }
    if (!pictureRatios.isEmpty()) {
        std::sort(pictureRatios.begin(), pictureRatios.end());
        out << "reference pictures: " << pictureRatios.size() << ", lowest "
            << pictureRatios.first() << ", median " << pictureRatios[pictureRatios.size() / 2]
            << ", highest " << pictureRatios.last() << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--grab")) {
        return grabAll(arguments[2]);
    }
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--compare"))
        return compareAll(arguments[2]);
    QTextStream(stderr) << "usage: bench_pictures --grab DIR | --compare DIR\n";
    return 2;
}
