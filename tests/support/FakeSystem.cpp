#include "FakeSystem.h"

#include "SettingsSandbox.h"

// A fake system is a fresh user account too: its settings store starts empty.
FakeSystem::FakeSystem() : previous(InstallSystemServices(this))
{
    UseFreshSettingsStore();
}

FakeSystem::~FakeSystem()
{
    InstallSystemServices(previous);
}

QMessageBox::StandardButton FakeSystem::showMessage(QWidget*, QMessageBox::Icon icon,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    const Message message{icon, text, buttons, defaultButton};
    messages.append(message);
    events.append(QStringLiteral("message:") + text);
    if (onMessage)
        onMessage(message);
    return answer;
}

void FakeSystem::openUrl(const QUrl& address)
{
    const QString text = address.toString(QUrl::FullyEncoded);
    openedAddresses.append(text);
    events.append(QStringLiteral("open:") + text);
}

void FakeSystem::seedRandomFromClock()
{
    ++seeds;
    events.append(QStringLiteral("seed"));
}

double FakeSystem::randomDraw()
{
    return draws.isEmpty() ? 0.0 : draws.takeFirst();
}

void FakeSystem::endProcess(int exitCode)
{
    ++endCalls;
    events.append(exitCode == 0 ? QStringLiteral("end") : QStringLiteral("end %1").arg(exitCode));
}
