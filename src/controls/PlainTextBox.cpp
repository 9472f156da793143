#include "controls/PlainTextBox.h"

#include <QMimeData>

PlainTextBox::PlainTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

bool PlainTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return source && source->hasText();
}

void PlainTextBox::insertFromMimeData(const QMimeData* source)
{
    if (!canInsertFromMimeData(source) || isReadOnly())
        return;
    insertPlainText(source->text());
    ensureCursorVisible();
}
