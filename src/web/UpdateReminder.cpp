#include "web/UpdateReminder.h"

#include "platform/SystemServices.h"
#include "core/ReminderDate.h"
#include "core/SettingsStore.h"
#include "web/modHelp.h"

void ShowUpdateReminder()
{
    using namespace UpdateReminder;

    SettingsStore store;
    const QString key = QString::fromLatin1(DateKey);
    const std::optional<QString> stored = store.read(key);
    if (!stored)
        return;

    SystemServices& system = System();
    const QDate today = system.today();
    const QLocale locale = system.locale();
    const QString todayText = ReminderDate::toText(today, locale);

    // The first start only records the day.
    if (stored->isEmpty()) {
        store.write(key, todayText);
        return;
    }

    // A text that is no date (the regional format changed, or the file was
    // edited) is left as it is, and nothing is asked.
    const QDate last = ReminderDate::fromText(*stored, locale, today);
    if (!last.isValid())
        return;
    const qint64 days = today.daysTo(last);
    if (days >= -QuietDays && days <= QuietDays)
        return;

    const QMessageBox::StandardButton answer =
        system.showMessage(nullptr, QMessageBox::Information, QString::fromLatin1(Question),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    // Written whatever the answer, so the next reminder is a fortnight away. A
    // store that cannot take it does not cancel the user's Yes.
    store.write(key, todayText);
    if (answer == QMessageBox::Yes)
        modHelp::OpenDownloadPage();
}
