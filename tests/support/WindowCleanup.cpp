#include "WindowCleanup.h"

#include "FakeSystem.h"

#include "forms/EndProgram.h"
#include "forms/FormRegistry.h"

#include <QCoreApplication>
#include <QEvent>

void CloseAllWindows()
{
    // Whatever the test installed, the process must not end here.
    FakeSystem system;
    // A real end discards windows that unload handlers open on the way out (the
    // exit window, a main window brought back); here they are closed in more passes.
    for (int pass = 0; pass < 5 && !FormRegistry::loadedForms().isEmpty(); ++pass)
        EndProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
