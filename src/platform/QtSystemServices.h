#pragma once

#include "platform/SingleInstanceLock.h"
#include "platform/SystemServices.h"

#include <random>

class QtSystemServices final : public SystemServices
{
public:
    QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) override;
    void openUrl(const QUrl& address) override;
    QDate today() const override;
    QLocale locale() const override;
    void seedRandomFromClock() override;
    double randomDraw() override;
    bool anotherInstanceRunning() override;
    [[noreturn]] void endProcess(int exitCode) override;

private:
    std::mt19937_64 generator{std::random_device{}()};
    SingleInstanceLock instanceLock;
};
