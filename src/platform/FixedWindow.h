#pragma once

#include <QLayout>
#include <QObject>
#include <QSize>

class QWidget;

// Keeps a fixed-size top-level window at its size on every desktop. Window
// managers honour a minimum equal to the maximum size, but Qt's own title bar
// on Wayland offers maximize on every window, and a compositor that grants it
// ends a client whose surface keeps its size (weston) or moves the window
// (mutter). Such a window is handed back its normal state and size at once.
class FixedWindow : public QObject
{
    Q_OBJECT

public:
    // Call before the window is first shown, once its fixed size is set.
    static void keep(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FixedWindow(QWidget* window);
    void refuseMaximized(Qt::WindowState state);
    void askNormalState();
    void restoreFixedSize();

    enum class Step { Fixed, AwaitingMaximizedSize, AwaitingMaximizedFrame, AwaitingNormalSize };

    QWidget* window;
    Step step = Step::Fixed;
    QSize fixedSize;
    QLayout::SizeConstraint fixedConstraint = QLayout::SetDefaultConstraint;
};
