#pragma once

#include <QList>
#include <QIcon>
#include <QWidget>

// The first window the program loads and the last it closes. It is never shown:
// its load handler is the start-up sequence, and it holds the program icon.
class frmStartup : public QWidget
{
    Q_OBJECT

public:
    frmStartup();

    void Form_Load();
    // Decides which of the main window's two outreach labels is in front.
    void CoBrand_Randomize();

    // The image list whose first picture is the program icon.
    const QList<QIcon>& IMGIcon() const { return images; }

    static const char* const AlreadyRunningMessage;

protected:
    void closeEvent(QCloseEvent* event) override;
    void setVisible(bool visible) override;

private:
    void RunStartup();
    void Form_Unload();

    QList<QIcon> images;
};
