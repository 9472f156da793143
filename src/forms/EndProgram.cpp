#include "forms/EndProgram.h"

#include "forms/FormRegistry.h"
#include "platform/SystemServices.h"

void EndProgram()
{
    const QList<QPointer<QWidget>> forms = FormRegistry::loadedForms();
    for (const QPointer<QWidget>& form : forms) {
        // A window that fails to close keeps neither the others nor the end from happening.
        try {
            if (form && FormRegistry::isLoaded(form))
                form->close();
        } catch (...) {
        }
    }
    System().endProcess(0);
}
