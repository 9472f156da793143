#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The list of loaded windows, visible or hidden, that EndProgram works on.
// A window leaves the list the moment it unloads, although Qt deletes it later.
class FormRegistry
{
public:
    using ForgetHandle = void (*)();

    // Records a freshly loaded window; forget clears its program-wide handle.
    static void add(QWidget* form, ForgetHandle forget);
    // Called by a window that is unloading; harmless for a window not in the list.
    static void remove(QWidget* form);

    static QList<QPointer<QWidget>> loadedForms();
    static bool isLoaded(const QWidget* form);
};
