#pragma once

#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QString>
#include <QUrl>

class QWidget;

// Everything the program asks of the system that a test must control: message
// boxes, the browser, the clock and locale, random draws, the previous-instance
// query and the end of the process. The program installs the Qt implementation;
// tests install a fake that records and answers.
class SystemServices
{
public:
    virtual ~SystemServices();

    // Shows a modal message box captioned with the application title and
    // returns the button the user chose.
    virtual QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton) = 0;

    // Hands an address to the default browser; the outcome is never reported.
    virtual void openUrl(const QUrl& address) = 0;

    virtual QDate today() const = 0;
    virtual QLocale locale() const = 0;

    virtual void seedRandomFromClock() = 0;
    // A draw r with 0 <= r < 1.
    virtual double randomDraw() = 0;

    // True when another copy of the program already runs for this user.
    virtual bool anotherInstanceRunning() = 0;

    // Ends the process at once; the real implementation never returns.
    virtual void endProcess(int exitCode) = 0;
};

// The services in use. Before anything is installed this is the Qt implementation.
SystemServices& System();
// Installs other services (a fake in tests); nullptr puts the Qt implementation back.
// The caller keeps ownership. Returns what was installed before.
SystemServices* InstallSystemServices(SystemServices* services);

// The full name of month 1..12 in the user's locale, as every window shows it.
QString FullMonthName(int month);
