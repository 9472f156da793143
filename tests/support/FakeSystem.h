#pragma once

#include "platform/SystemServices.h"

#include <QList>
#include <QStringList>

#include <functional>

// Records what the program asks of the system and answers as the test says.
class FakeSystem : public SystemServices
{
public:
    struct Message
    {
        QMessageBox::Icon icon;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    FakeSystem();
    ~FakeSystem() override;

    QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) override;
    void openUrl(const QUrl& address) override;
    QDate today() const override { return date; }
    QLocale locale() const override { return userLocale; }
    void seedRandomFromClock() override;
    double randomDraw() override;
    bool anotherInstanceRunning() override { return otherInstance; }
    void endProcess(int exitCode) override;

    // Answers and settings the test controls.
    QDate date{2026, 12, 7};
    QLocale userLocale{QLocale::English, QLocale::UnitedStates};
    bool otherInstance = false;
    QList<double> draws;                 // consumed in order; 0 when empty
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::function<void(const Message&)> onMessage;   // runs while the "box" is up

    // What was asked.
    QList<Message> messages;
    QStringList openedAddresses;
    QStringList events; // "message:<text>", "open:<url>", "end" ("end <status>" if not 0), "seed"
    int seeds = 0;
    int endCalls = 0;

private:
    SystemServices* previous;
};
