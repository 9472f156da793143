#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidgetList>

#include <functional>

class QAction;

// Runs open, which shows a modal window and returns once it closes, and act on
// that window once it is up; closes it if act left it open. False if none came.
bool WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& act);
// The top-level windows that are on screen now.
QWidgetList VisibleWindows();

// Asks a shown window to maximize as a title-bar button does (Qt's own title
// bar on Wayland asks its native window directly); true when it stays as it was.
bool StaysFixedWhenMaximized(QWidget* window);

// The device pixels that a picture of the given logical size must have on the test's
// screen, whose scale QT_SCALE_FACTOR sets: CTest runs the picture checks at 100, 125, 175 and 200 %.
QSize DevicePixels(const QSize& logical);

// True when the widget's cursor is our own hand drawn at the screen's device pixels,
// pointing with the tip of its finger.
bool PointsWithOurHand(const QWidget* widget);

// Menu captions in order, "-" for a separator.
QStringList MenuCaptions(const QList<QAction*>& actions);

// The address a web-page command must open for a page key, written out in full.
QString ExpectedPageAddress(const QString& pageKey);
