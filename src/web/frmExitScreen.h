#pragma once

#include <QWidget>

class DevicePicture;
class LinkLabel;
class PlaceholderBoxes;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window that stands between closing the main window and the end of the
// program: a forum message, two links and the "Refer A Friend" form. Closing it
// in any way ends the program.
class frmExitScreen : public QWidget
{
    Q_OBJECT

public:
    static const char* const Messages[4];
    // The text of the softwares frame, its paragraphs parted by a run of spaces.
    static QString softwaresText();

    frmExitScreen();
    void Form_Load();

    // The message drawn for r in [0, 1): the integer part of r * 4.
    static int messageIndexFor(double r);

    // The hidden message box's text with its line breaks as CR LF.
    QString messageText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildReferralFrame();
    void buildSoftwaresFrame();
    void setTabOrderChain();

    void cmdClose_Click();
    void Check1_Click(bool ticked);
    void cmdSubmit_Click();
    void Form_Unload();

    DevicePicture* picExitScreenIcon = nullptr;
    QLabel* lblExitScreenCaption = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;
    PlaceholderBoxes* referralBoxes = nullptr;
};
