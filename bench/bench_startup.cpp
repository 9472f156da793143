// Measures, on the offscreen platform:
//  - the main window's construction and load, with everything on it;
//  - the reference pages alone, built into frames like the main window's;
//  - switching main tabs with a repaint, once the window is up;
// first in fresh processes (what a user's start-up pays: fonts, image
// decoder), then warm, repeated in one process. Medians in milliseconds.
#include "app/frmMain.h"
#include "controls/Look.h"
#include "controls/TabControl.h"
#include "controls/Twips.h"
#include "reference/ReferencePages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr int ColdRuns = 7;
constexpr int WarmRuns = 25;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values[values.size() / 2];
}

double timeOnce(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void buildMainWindow()
{
    auto* main = new frmMain;
    main->Form_Load();
    delete main;
}

// What every main window pays whether it has reference pages or not: the font
// database and the window font, so that the cold cost of the pages is their own.
void warmUpFonts()
{
    QLabel label(QStringLiteral("Pagan Calendar"));
    label.setFont(Look::verdana());
    label.sizeHint();
}

void buildReferencePages()
{
    // A stand-in for the main window's page frames, in its font.
    QWidget client;
    client.setFont(Look::verdana());
    QList<QFrame*> frames;
    for (int page = 0; page < 5; ++page) {
        auto* frame = new QFrame(&client);
        frame->setGeometry(Twips::rect(0, 360, 10200, 4600));
        frames.append(frame);
    }
    ReferencePages::build(frames[0], frames[1], frames[2], frames[3], frames[4]);
}

// Median and slowest switch; the slowest is a first visit, which decodes the
// pictures of the entries shown.
QPair<double, double> switchMainTabs()
{
    frmMain main;
    main.Form_Load();
    main.show();
    QApplication::processEvents();
    QList<double> switches;
    for (int round = 0; round < 4; ++round) {
        for (int tab : {1, 2, 3, 4, 5, 0}) {
            switches.append(timeOnce([&] {
                main.SSTMain()->setSelectedIndex(tab);
                main.repaint();
            }));
        }
    }
    return {median(switches), *std::max_element(switches.begin(), switches.end())};
}

// One measurement in a fresh process, for the cold numbers.
double coldRun(const QString& mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode});
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    if (mode == QLatin1String("--once-main")) {
        out << timeOnce(buildMainWindow) << Qt::endl;
        return 0;
    }
    if (mode == QLatin1String("--once-pages")) {
        warmUpFonts();
        out << timeOnce(buildReferencePages) << Qt::endl;
        return 0;
    }

    QList<double> coldMain, coldPages;
    for (int run = 0; run < ColdRuns; ++run) {
        coldMain.append(coldRun(QStringLiteral("--once-main")));
        coldPages.append(coldRun(QStringLiteral("--once-pages")));
    }

    QList<double> warmMain, warmPages;
    for (int run = 0; run < WarmRuns; ++run) {
        warmMain.append(timeOnce(buildMainWindow));
        warmPages.append(timeOnce(buildReferencePages));
    }

    out << Qt::fixed << qSetRealNumberPrecision(2);
    out << "main window, construction and load (median ms)\n";
    out << "  cold, with reference pages:    " << median(coldMain) << '\n';
    out << "  cold, reference pages alone:   " << median(coldPages) << '\n';
    out << "  cold, without reference pages: " << median(coldMain) - median(coldPages) << '\n';
    out << "  warm, with reference pages:    " << median(warmMain) << '\n';
    out << "  warm, reference pages alone:   " << median(warmPages) << '\n';
    out << "  warm, without reference pages: " << median(warmMain) - median(warmPages) << '\n';
    const auto [typical, slowest] = switchMainTabs();
    out << "main tab switch with repaint (ms): median " << typical << ", slowest " << slowest
        << Qt::endl;
    return 0;
}
