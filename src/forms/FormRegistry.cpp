#include "forms/FormRegistry.h"

#include <QObject>

namespace {

struct Entry
{
    QPointer<QWidget> form;
    const QWidget* identity;
    FormRegistry::ForgetHandle forget;
};

QList<Entry>& entries()
{
    static QList<Entry> list;
    return list;
}

} // namespace

void FormRegistry::add(QWidget* form, ForgetHandle forget)
{
    entries().append(Entry{form, form, forget});
    // A window destroyed without closing (by its parent, or a test) is forgotten too.
    QObject::connect(form, &QObject::destroyed, [form] { remove(form); });
}

void FormRegistry::remove(QWidget* form)
{
    QList<Entry>& list = entries();
    for (qsizetype index = 0; index < list.size(); ++index) {
        if (list[index].identity == form) {
            const ForgetHandle forget = list[index].forget;
            list.removeAt(index);
            if (forget)
                forget();
            return;
        }
    }
}

QList<QPointer<QWidget>> FormRegistry::loadedForms()
{
    QList<QPointer<QWidget>> forms;
    for (const Entry& entry : std::as_const(entries()))
        forms.append(entry.form);
    return forms;
}

bool FormRegistry::isLoaded(const QWidget* form)
{
    for (const Entry& entry : std::as_const(entries())) {
        if (entry.identity == form)
            return true;
    }
    return false;
}
