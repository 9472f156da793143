#include "controls/AnnouncingLabel.h"

AnnouncingLabel::AnnouncingLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAccessibleName(text);
}

void AnnouncingLabel::announce(const QString& text)
{
    setText(text);
    setAccessibleName(text);
    // Hidden and shown in one go, so nothing flickers: a screen reader speaks
    // a notification when it appears.
    if (isVisible()) {
        hide();
        show();
    }
}
