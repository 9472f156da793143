#include "WindowCleanup.h"

#include "app/EndProgram.h"
#include "app/FormRegistry.h"

#include <QCoreApplication>
#include <QEvent>

void CloseAllWindows()
{
    if (!FormRegistry::loadedForms().isEmpty())
        EndProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
