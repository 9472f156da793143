#pragma once

#include <QWidget>

// The window that stands between closing the main window and the end of the program.
class frmExitScreen : public QWidget
{
    Q_OBJECT

public:
    frmExitScreen();
    void Form_Load();

protected:
    void closeEvent(QCloseEvent* event) override;
};
