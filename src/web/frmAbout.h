#pragma once

#include <QDialog>

// The About window, shown modally over the window that opens it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout();
    void Form_Load() {}

    // Loads the window afresh, shows it modally over owner and unloads it on close.
    static void showModal(QWidget* owner);
};
