#include "platform/DesktopStart.h"

#include "base/AppInfo.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace DesktopStart {

namespace {

struct HeldMessage
{
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category; // the categories' names live as long as the program
    QString text;
};

QtMessageHandler previous = nullptr;
std::mutex heldLock;
std::vector<HeldMessage> held;
// Set under heldLock as the handler is handed back: a message that reaches Pass after that
// goes straight on rather than into a list already passed on.
bool handedBack = false;
// Whether Qt may end the program at a warning (QT_FATAL_WARNINGS) or at a critical
// message (QT_FATAL_CRITICALS; QT_FATAL_WARNINGS too in some versions of Qt).
bool fatalWarnings = false;
bool fatalCriticals = false;

// As Qt reads these variables: unset, empty or 0 leaves them off.
bool MakesMessagesFatal(const char* name)
{
    bool isNumber = false;
    const int count = qEnvironmentVariableIntValue(name, &isNumber);
    return !qEnvironmentVariableIsEmpty(name) && !(isNumber && count == 0);
}

QString Quoted(const QString& name)
{
    return u'"' + name + u'"';
}

// What is missing and what to do, in one line, from the platform Qt tried last
// as its own messages name it, and whether it was found at all.
QString MissingDesktopLine()
{
    const QString platformNamed = QStringLiteral("platform plugin \"");
    QString platform;
    bool found = true;
    for (const HeldMessage& message : held) {
        const qsizetype start = message.text.indexOf(platformNamed);
        if (start < 0)
            continue;
        const qsizetype from = start + platformNamed.size();
        platform = message.text.mid(from, message.text.indexOf(u'"', from) - from);
        found = message.text.contains(QStringLiteral("even though it was found"));
    }
    const QString needs =
        QString::fromUtf8(AppInfo::Title) + QStringLiteral(" needs a graphical desktop");
    const QString fromSession = QStringLiteral("start it from a desktop session");
    if (platform.isEmpty())
        return needs + QStringLiteral(" and could not start one here: ") + fromSession + u'.';
    if (!found)
        return needs
               + QStringLiteral(", and Qt's platform %1 is not installed: unset QT_QPA_PLATFORM or "
                                "name an installed one.")
                     .arg(Quoted(platform));
    if (platform == u"xcb") {
        const QString display = qEnvironmentVariable("DISPLAY");
        if (display.isEmpty())
            return needs + QStringLiteral(", and no display is set (DISPLAY is empty): ")
                   + fromSession + u'.';
        return needs + QStringLiteral(" and could not reach the display %1: ").arg(Quoted(display))
               + fromSession + QStringLiteral(", or set DISPLAY to a display that runs.");
    }
    if (platform.startsWith(u"wayland")) {
        const QString compositor =
            qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        return needs
               + QStringLiteral(" and could not reach the Wayland compositor %1: ")
                     .arg(Quoted(compositor))
               + fromSession + u'.';
    }
    return needs
           + QStringLiteral(" and could not start Qt's platform %1: unset QT_QPA_PLATFORM to use "
                            "the desktop's own.")
                 .arg(Quoted(platform));
}

// Passes on what was held back; the caller holds heldLock.
void PassHeld()
{
    for (const HeldMessage& message : held)
        previous(message.type,
                 QMessageLogContext(message.file, message.line, message.function, message.category),
                 message.text);
    held.clear();
}

void Pass(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard guard(heldLock);
    // Qt ends the program right after a message it makes fatal, before any could be passed
    // on: such a message goes at once, with what led up to it.
    const bool mayBeFatal =
        (type == QtWarningMsg && fatalWarnings) || (type == QtCriticalMsg && fatalCriticals);
    if (handedBack || mayBeFatal) {
        PassHeld();
        previous(type, context, text);
        return;
    }
    if (type != QtFatalMsg) {
        held.push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    // Qt's abort for want of a platform: our line instead, and a plain end.
    if (text.contains(QStringLiteral("Qt platform plugin"))) {
        std::fputs(qPrintable(MissingDesktopLine() + u'\n'), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Any other abort goes as before, after what led up to it.
    PassHeld();
    previous(type, context, text);
}

} // namespace

void watch()
{
    fatalWarnings = MakesMessagesFatal("QT_FATAL_WARNINGS");
    fatalCriticals = fatalWarnings || MakesMessagesFatal("QT_FATAL_CRITICALS");
    handedBack = false;
    previous = qInstallMessageHandler(Pass);
}

void done()
{
    {
        const std::lock_guard guard(heldLock);
        PassHeld();
        handedBack = true;
    }
    qInstallMessageHandler(previous);
}

} // namespace DesktopStart
