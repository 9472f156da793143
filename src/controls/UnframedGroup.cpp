#include "controls/UnframedGroup.h"

UnframedGroup::UnframedGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void UnframedGroup::paintEvent(QPaintEvent*) {}
