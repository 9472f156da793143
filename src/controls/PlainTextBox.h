#pragma once

#include <QPlainTextEdit>

// A multi-line box that takes pasted and dropped text as plain text only, and
// nothing from a clipboard, selection or drag that holds no text. Qt 6.4's own
// box crashes on an empty clipboard, by every road of pasting: keys, the
// context menu and the middle mouse button all end here.
class PlainTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit PlainTextBox(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
