// The yardstick for start-up: a bare Qt window with a menu and a tab widget,
// built and started the same way as the program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &application, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto* tabs = new QTabWidget(&window);
    for (int index = 0; index < 6; ++index)
        tabs->addTab(new QLabel(QStringLiteral("Page %1").arg(index)),
                     QStringLiteral("Tab %1").arg(index));
    window.setCentralWidget(tabs);
    window.resize(674, 428);
    window.show();
    return QApplication::exec();
}
