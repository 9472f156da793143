#include "platform/QtSystemServices.h"

#include "base/AppInfo.h"
#include "platform/FixedWindow.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QPointer>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

#ifdef VELLORAN_LEAK_CHECK_AT_END
#include <sanitizer/lsan_interface.h>
#endif

QMessageBox::StandardButton QtSystemServices::showMessage(QWidget* parent, QMessageBox::Icon icon,
                                                          const QString& text,
                                                          QMessageBox::StandardButtons buttons,
                                                          QMessageBox::StandardButton defaultButton)
{
    // On the heap and watched: an owner closed while the box is up (an
    // accessibility tool can do that) deletes the box with it, and nothing is
    // deleted twice. No button was chosen then.
    QPointer<QMessageBox> box =
        new QMessageBox(icon, QString::fromUtf8(AppInfo::Title), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    box->setWindowIcon(AppInfo::programIcon());
    FixedWindow::keep(box);
    const int answer = box->exec();
    if (!box)
        return QMessageBox::NoButton;
    delete box.data();
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
#ifdef VELLORAN_LEAK_CHECK_AT_END
    // _Exit skips the sanitizer's own leak check at the end of the process, so
    // it runs here; a leak ends the process with LeakSanitizer's status.
    constexpr int leakStatus = 23;
    if (__lsan_do_recoverable_leak_check() != 0)
        exitCode = leakStatus;
    std::fflush(nullptr);
#endif
    std::_Exit(exitCode);
}
