// Loaded into a Qt program with LD_PRELOAD, ends it as soon as its first window has been
// exposed and painted, so that a count of instructions (callgrind) runs from launch to the
// first frame and no further. The same stop for the program and the bare window, and
// nothing of it in either.
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <unistd.h>

namespace {

class FirstFrameStop : public QObject
{
public:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || !target->isWindowType()
            || !static_cast<QWindow*>(target)->isExposed())
            return false;
        // Qt paints a widget window and hands the picture to the window system while it
        // handles the expose: once that is done, the first frame is there.
        target->event(event);
        _exit(0);
    }
};

void installStop()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrameStop);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installStop)
