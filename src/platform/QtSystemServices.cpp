#include "platform/QtSystemServices.h"

#include "app/AppInfo.h"
#include "controls/FixedWindow.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

QMessageBox::StandardButton QtSystemServices::showMessage(QWidget* parent, QMessageBox::Icon icon,
                                                          const QString& text,
                                                          QMessageBox::StandardButtons buttons,
                                                          QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, QString::fromUtf8(AppInfo::Title), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    box.setWindowIcon(AppInfo::programIcon());
    FixedWindow::keep(&box);
    const int answer = box.exec();
    return static_cast<QMessageBox::StandardButton>(answer);
}

void QtSystemServices::openUrl(const QUrl& address)
{
    // The result is deliberately ignored: a missing browser is not the user's problem here.
    (void)QDesktopServices::openUrl(address);
}

QDate QtSystemServices::today() const
{
    return QDate::currentDate();
}

QLocale QtSystemServices::locale() const
{
    return QLocale::system();
}

void QtSystemServices::seedRandomFromClock()
{
    generator.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
}

double QtSystemServices::randomDraw()
{
    // 53 random bits scaled by 2^-53: always strictly below 1.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

bool QtSystemServices::anotherInstanceRunning()
{
    return !instanceLock.acquire();
}

void QtSystemServices::endProcess(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
