#include "WindowPortrait.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMetaEnum>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QVersionNumber>

#include <functional>

namespace {

QString colourName(const QColor& colour)
{
    return colour.alpha() == 255 ? colour.name() : colour.name(QColor::HexArgb);
}

// A control's class, without Qt's own namespace, which 6.8 gave its private classes.
QString typeOf(const QObject* object)
{
    return QString::fromLatin1(object->metaObject()->className()).section(QStringLiteral("::"), -1);
}

// A control's name among its siblings: its object name, else "~" and its class, numbered where
// the same name comes again. Qt's own names ("qt_...") are left out: Qt names more of its parts
// from one version to the next (6.11 its table views' corner button).
QString nameOf(const QWidget* control)
{
    const auto own = [](const QObject* object) {
        return object->objectName().isEmpty()
                       || object->objectName().startsWith(QLatin1String("qt_"))
                   ? u'~' + typeOf(object)
                   : object->objectName();
    };
    const QString name = own(control);
    if (!control->parentWidget() || control->isWindow())
        return name;
    int before = 0, all = 0;
    for (const QObject* sibling : control->parentWidget()->children()) {
        if (!sibling->isWidgetType() || own(sibling) != name)
            continue;
        before += sibling == control ? 0 : all == before;
        ++all;
    }
    return all > 1 ? QStringLiteral("%1[%2]").arg(name).arg(before) : name;
}

} // namespace

QString PathIn(const QWidget* window, const QWidget* control)
{
    if (!control)
        return QStringLiteral("(none)");
    if (control->window() != window)
        return control->isWindow()
                   ? nameOf(control)
                   : QStringLiteral("%1 in %2")
                         .arg(PathIn(control->window(), control), nameOf(control->window()));
    QStringList names;
    for (const QWidget* at = control; at && at != window; at = at->parentWidget())
        names.prepend(nameOf(at));
    return names.isEmpty() ? QStringLiteral("(window)") : names.join(u'/');
}

namespace {

QString shortText(QString text)
{
    text.replace(u'\n', QStringLiteral("\\n"));
    return text.size() > 48 ? QStringLiteral("\"%1...\" (%2)").arg(text.left(48)).arg(text.size())
                            : u'"' + text + u'"';
}

QString describe(const QWidget* control, const QPalette& theme)
{
    QStringList parts{nameOf(control), typeOf(control)};
    const QRect place = control->geometry();
    parts << QStringLiteral("%1,%2 %3x%4")
                 .arg(place.x())
                 .arg(place.y())
                 .arg(place.width())
                 .arg(place.height());
    if (!control->isVisible())
        parts << QStringLiteral("hidden");
    if (!control->isEnabled())
        parts << QStringLiteral("disabled");
    if (control->minimumSize() == control->maximumSize())
        parts << QStringLiteral("fixed");
    else if (control->minimumSize() != QSize(0, 0)
             || control->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
        parts << QStringLiteral("sizes %1x%2..%3x%4")
                     .arg(control->minimumWidth())
                     .arg(control->minimumHeight())
                     .arg(control->maximumWidth())
                     .arg(control->maximumHeight());
    if (control->focusPolicy() != Qt::NoFocus)
        parts << QStringLiteral("focus %1").arg(int(control->focusPolicy()));
    if (control->hasFocus())
        parts << QStringLiteral("FOCUSED");
    if (control->autoFillBackground())
        parts << QStringLiteral("fills");
    if (control->testAttribute(Qt::WA_SetCursor))
        parts << QStringLiteral("cursor %1").arg(int(control->cursor().shape()));
    const QFont font = control->font();
    parts << QStringLiteral("%1 %2%3 w%4%5%6%7")
                 .arg(font.family())
                 .arg(font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF())
                 .arg(font.pixelSize() > 0 ? "px" : "pt")
                 .arg(font.weight())
                 .arg(font.italic() ? " italic" : "", font.underline() ? " underlined" : "",
                      font.styleHint() != QFont::AnyStyle
                          ? QStringLiteral(" hint %1").arg(font.styleHint())
                          : QString());
    // The colours of the month view's parts are Qt's to choose from the month view's own (6.11 no
    // longer gives its month and year buttons the text colour of its header).
    bool qtsOwn = false;
    for (const QWidget* above = control->parentWidget(); above; above = above->parentWidget())
        qtsOwn = qtsOwn || qobject_cast<const QCalendarWidget*>(above);
    QStringList colours;
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QColor colour = control->palette().color(QPalette::Active, QPalette::ColorRole(role));
        if (role != QPalette::NoRole && !qtsOwn
            && colour != theme.color(QPalette::Active, QPalette::ColorRole(role)))
            colours << QStringLiteral("%1 %2").arg(QLatin1String(roles.valueToKey(role)),
                                                   colourName(colour));
    }
    if (!colours.isEmpty())
        parts << QStringLiteral("colours {%1}").arg(colours.join(QStringLiteral(", ")));
    if (const auto* label = qobject_cast<const QLabel*>(control))
        parts << QStringLiteral("align %1%2 %3%4")
                     .arg(int(label->alignment()))
                     .arg(label->wordWrap() ? " wraps" : "", shortText(label->text()),
                          label->pixmap().isNull() ? QString() : QStringLiteral(" picture"));
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        parts << QStringLiteral("%1%2%3").arg(shortText(button->text()),
                                              button->isCheckable() ? " checkable" : "",
                                              button->isChecked() ? " checked" : "");
    if (const auto* push = qobject_cast<const QPushButton*>(control))
        parts
            << QStringLiteral("default %1 auto %2").arg(push->isDefault()).arg(push->autoDefault());
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        parts << QStringLiteral("%1%2 max %3")
                     .arg(shortText(box->text()), box->isReadOnly() ? " read-only" : "")
                     .arg(box->maxLength());
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        parts << QStringLiteral("title %1%2")
                     .arg(shortText(frame->title()), frame->isFlat() ? " flat" : "");
    else if (const auto* frame = qobject_cast<const QFrame*>(control))
        parts << QStringLiteral("frame %1/%2").arg(frame->frameShape()).arg(frame->frameShadow());
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(control))
        parts << QStringLiteral("bars %1/%2")
                     .arg(area->horizontalScrollBarPolicy())
                     .arg(area->verticalScrollBarPolicy());
    if (const auto* month = qobject_cast<const QCalendarWidget*>(control))
        parts << QStringLiteral("showing %1 %2 at %5, %3 to %4")
                     .arg(month->monthShown())
                     .arg(month->yearShown())
                     .arg(month->minimumDate().toString(Qt::ISODate),
                          month->maximumDate().toString(Qt::ISODate),
                          month->selectedDate().toString(Qt::ISODate));
    if (const auto* menu = qobject_cast<const QMenu*>(control)) {
        QStringList items;
        for (const QAction* action : menu->actions())
            items << (action->isSeparator() ? QStringLiteral("-")
                                            : action->text() + ' ' + action->shortcut().toString());
        parts << QStringLiteral("items {%1}").arg(items.join(QStringLiteral(", ")));
    }
    // A closed window has no name for a screen reader from 6.11 on, and reads as nothing.
    QAccessibleInterface* reader =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
    if (reader && (control->isVisible() || !control->isWindow()))
        parts << QStringLiteral("reads %1 %2 %3")
                         .arg(reader->role())
                         .arg(shortText(reader->text(QAccessible::Name)),
                              shortText(reader->text(QAccessible::Description)))
                     + (reader->tableInterface() ? QStringLiteral(" table %1x%2")
                                                       .arg(reader->tableInterface()->rowCount())
                                                       .arg(reader->tableInterface()->columnCount())
                                                 : QString());
    return parts.join(u' ');
}

QImage grabbed(QWidget* window, const QRect& area = QRect())
{
    return window->grab(area.isNull() ? window->rect() : area)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QString referenceFolder()
{
    return qEnvironmentVariable("VELLORAN_WRITE_PORTRAITS");
}

} // namespace

// Each control that Tab (or Shift+Tab) reaches from the focus now, until it comes back.
QWidgetList TabStops(QWidget* window, Qt::KeyboardModifiers modifiers)
{
    QWidgetList reached;
    QWidget* start = QApplication::focusWidget();
    for (int press = 0; press < 60; ++press) {
        QWidget* at = QApplication::focusWidget();
        QTest::keyClick(at ? at : window, Qt::Key_Tab, modifiers);
        reached << QApplication::focusWidget();
        if (reached.last() == start)
            break;
    }
    return reached;
}

QStringList Controls(const QWidget* window)
{
    QStringList lines;
    const QPalette theme = QApplication::palette();
    const std::function<void(const QWidget*, int)> walk = [&](const QWidget* control, int depth) {
        lines << QString(depth * 2, u' ') + describe(control, theme);
        for (const QObject* child : control->children())
            if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isWindow())
                walk(static_cast<const QWidget*>(child), depth + 1);
    };
    walk(window, 0);
    return lines;
}

QStringList Portrait(QWidget* window)
{
    QStringList lines{QStringLiteral("window %1 flags %2 modality %3")
                          .arg(shortText(window->windowTitle()))
                          .arg(int(window->windowFlags()), 0, 16)
                          .arg(window->windowModality())};
    lines << Controls(window);
    for (const auto& [key, modifiers] :
         {std::pair("tab", Qt::NoModifier), std::pair("back", Qt::ShiftModifier)}) {
        QStringList reached;
        for (const QWidget* stop : TabStops(window, modifiers))
            reached << PathIn(window, stop);
        lines << QStringLiteral("%1: %2").arg(QLatin1String(key),
                                              reached.join(QStringLiteral(" > ")));
    }
    return lines;
}

QImage PictureWithoutLetters(QWidget* window)
{
    QList<QImage> pictures{grabbed(window)};
    for (QWidget* stop : TabStops(window))
        if (stop)
            pictures << grabbed(
                window, QRect(stop->mapTo(window, QPoint(-4, -4)), stop->size() + QSize(8, 8)));
    int width = 0, height = 0;
    for (const QImage& picture : pictures) {
        width = qMax(width, picture.width());
        height += picture.height() + 2;
    }
    QImage whole(width, height, QImage::Format_RGB32);
    whole.fill(Qt::black);
    QPainter painter(&whole);
    int top = 0;
    for (const QImage& picture : pictures) {
        painter.drawImage(0, top, picture);
        top += picture.height() + 2;
    }
    return whole;
}

QString DiffersFromReference(const QString& name, const QStringList& lines, const QImage& picture)
{
    // The references are written on Debian 12's Qt 6.4. Where another platform draws a window
    // otherwise, it keeps that text or picture in a folder of its own: Windows, whose font engine
    // sets each letter at whole pixels, so texts sized to their letters come out a few pixels
    // apart, and whose dialogs have no window menu; Qt 6.8 and 6.11, whose Fusion draws scroll
    // bars, a group box's title line and a push button's frame their own way.
#ifdef Q_OS_WIN
    const QString platform = QStringLiteral("windows");
#else
    const QVersionNumber qt = QLibraryInfo::version();
    const QString platform =
        qt.majorVersion() == 6 && qt.minorVersion() == 4
            ? QString()
            : QStringLiteral("qt%1.%2").arg(qt.majorVersion()).arg(qt.minorVersion());
#endif
    const QString text = (lines.join(u'\n') + u'\n');
    const auto reference = [&](const QString& ending) {
        const QString own = QStringLiteral(":/test/portraits/%1/%2%3").arg(platform, name, ending);
        return !platform.isEmpty() && QFile::exists(own)
                   ? own
                   : QStringLiteral(":/test/portraits/%1%2").arg(name, ending);
    };
    const auto textOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    if (!referenceFolder().isEmpty()) {
        // Each written where the platform's own differs from the common one, and only there.
        const QDir folder(QDir(referenceFolder()).filePath(platform));
        const QString common = QStringLiteral(":/test/portraits/") + name;
        const bool ownText = platform.isEmpty() || text != textOf(common + ".txt");
        const bool ownPicture =
            !picture.isNull()
            && (platform.isEmpty()
                || picture != QImage(common + ".png").convertToFormat(picture.format()));
        QFile::remove(folder.filePath(name + ".txt"));
        QFile::remove(folder.filePath(name + ".png"));
        QFile file(folder.filePath(name + ".txt"));
        if (((ownText || ownPicture) && !folder.mkpath(QStringLiteral(".")))
            || (ownText && (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0))
            || (ownPicture && !picture.save(folder.filePath(name + ".png"))))
            return QStringLiteral("cannot write the references of ") + name;
        return QString();
    }
    QStringList differences;
    const QStringList expected = textOf(reference(".txt")).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype line = 0; line < qMax(lines.size(), expected.size()); ++line)
        if (lines.value(line) != expected.value(line))
            differences << QStringLiteral("line %1 of %2 is\n  %3\nnot\n  %4")
                               .arg(line + 1)
                               .arg(reference(".txt"), lines.value(line), expected.value(line));
    if (picture.isNull())
        return differences.mid(0, 6).join(u'\n');
    const QImage drawing(reference(".png"));
    QRect changed;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!drawing.valid(x, y) || drawing.pixel(x, y) != picture.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
                ++count;
            }
    if (count || drawing.size() != picture.size()) {
        const QString drawn = QDir::current().absoluteFilePath(name + ".drawn.png");
        picture.save(drawn);
        differences
            << QStringLiteral(
                   "%1 pixels differ within %2,%3 %4x%5 (%6x%7 drawn, %8x%9 in %10): see %11")
                   .arg(count)
                   .arg(changed.x())
                   .arg(changed.y())
                   .arg(changed.width())
                   .arg(changed.height())
                   .arg(picture.width())
                   .arg(picture.height())
                   .arg(drawing.width())
                   .arg(drawing.height())
                   .arg(reference(".png"), drawn);
    }
    return differences.mid(0, 6).join(u'\n');
}
