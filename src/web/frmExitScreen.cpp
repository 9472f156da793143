#include "web/frmExitScreen.h"

#include "base/AppInfo.h"
#include "forms/EndProgram.h"
#include "forms/FormRegistry.h"
#include "platform/FixedWindow.h"
#include "controls/AccessibilityFactory.h"
#include "controls/DevicePicture.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/PlaceholderBoxes.h"
#include "controls/PlainTextBox.h"
#include "controls/Twips.h"
#include "controls/WindowPlacement.h"
#include "platform/SystemServices.h"
#include "web/modHelp.h"
#include "web/modTellAFriend.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

const char* const frmExitScreen::Messages[4] = {
    "Quillmere Softwares, such as this can be created and maintained only with your support. "
    "The best way to support Tarrowmoor is to visit Tarrowmoor regularly and take part in the "
    "discussions and other activities on the board.",
    "Visit Tarrowmoor regularly. Support Tarrowmoor by taking part in the discussions and other "
    "activities. These softwares cannot be supported and maintained, without you regularly "
    "visiting Tarrowmoor",
    "Tarrowmoor is a FREE online discussion forum for all things quillmere. To help Tarrowmoor "
    "develop and maintain this software visit Tarrowmoor regularly.",
    "Tarrowmoor needs your help. All you need to do is visit Tarrowmoor regularly and take part "
    "in the various discussions and activites to help us maintain and develop more Quillmere "
    "Softwares.",
};

namespace {

const QColor CheckBlue(0, 0, 192);

// A navy frame with its caption in white bold; the controls inside set their own fonts.
QGroupBox* makeNavyFrame(const char* name, const char* caption, const QRect& rect, QWidget* parent)
{
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(Look::verdana(9.75, true));
    QPalette colours = frame->palette();
    colours.setColor(QPalette::Window, Look::Navy);
    colours.setColor(QPalette::WindowText, Look::White);
    frame->setPalette(colours);
    frame->setAutoFillBackground(true);
    frame->setGeometry(rect);
    return frame;
}

QLineEdit* makeReferralBox(const char* name, const char* placeholder, const QRect& rect,
                           QWidget* parent)
{
    auto* box = new QLineEdit(QString::fromUtf8(placeholder), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromUtf8(placeholder));
    box->setFont(Look::verdana());
    Look::followTheme(box);
    box->setGeometry(rect);
    return box;
}

} // namespace

QString frmExitScreen::softwaresText()
{
    return QStringLiteral(
               "If you have enjoyed this software you will surely be interested in our other "
               "Quillmere Softwares. From a single software, we have now grown to become the "
               "world\u2019s largest resource of quillmere softwares. Be it astrology, psychic, "
               "tarot, numerology or occult, we have programs in all fields thus giving our users "
               "a wide choice depending on their interests.")
           + QString(61, QLatin1Char(' '))
           + QStringLiteral(
               "All the programs in the Quillmere Softwares suite are simple and easy to use. "
               "They are not only fun to use but also very informative. Try them out today and "
               "share your experience with your friends and family. ");
}

frmExitScreen::frmExitScreen()
{
    setObjectName(QStringLiteral("frmExitScreen"));
    // Close box only; topmost, and shown without taking the focus from the user.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    ReadAsDialog(this);
    setFont(Look::verdana());
    Look::paint(this, Look::White, Qt::black);
    setFixedSize(Twips::size(11115, 4725));
    FixedWindow::keep(this);

    picExitScreenIcon = new DevicePicture(this);
    picExitScreenIcon->setObjectName(QStringLiteral("picExitScreenIcon"));
    picExitScreenIcon->setAccessibleName(QString::fromUtf8(AppInfo::Title));
    picExitScreenIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // In the tab order as laid out; a frame shows where the focus is.
    picExitScreenIcon->setFocusPolicy(Qt::TabFocus);
    picExitScreenIcon->setLineWidth(2);
    picExitScreenIcon->setGeometry(Twips::rect(360, 120, 540, 540));
    picExitScreenIcon->installEventFilter(this);

    lblExitScreenCaption = new QLabel(this);
    lblExitScreenCaption->setObjectName(QStringLiteral("lblExitScreenCaption"));
    QFont captionFont(QStringLiteral("MS Sans Serif"));
    captionFont.setStyleHint(QFont::SansSerif);
    captionFont.setPointSizeF(18);
    lblExitScreenCaption->setFont(captionFont);
    lblExitScreenCaption->move(Twips::toPixels(1080), Twips::toPixels(240));

    Label2 = new QLabel(QString::fromUtf8(Messages[1]), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(Look::verdana(9.75, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(Twips::rect(120, 840, 6975, 1095));

    // A check box drawn as a push button: a checkable button.
    Check1 = new QPushButton(QStringLiteral("Click Here To Visit Tarrowmoor Now"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setCheckable(true);
    Check1->setAutoDefault(false);
    Check1->setFont(Look::verdana(14.25));
    // Its blue is fixed, so its face is too: on a dark theme's face the blue would vanish.
    QPalette checkColours = Check1->palette();
    checkColours.setColor(QPalette::Button, Look::ButtonFace);
    checkColours.setColor(QPalette::ButtonText, CheckBlue);
    Check1->setPalette(checkColours);
    LinkCursor::set(Check1, LinkCursor::Kind::Hand);
    Check1->setGeometry(Twips::rect(30, 2040, 7185, 555));
    // toggled, not clicked: a tick set by any road (mouse, key, screen reader) opens the page.
    connect(Check1, &QPushButton::toggled, this, &frmExitScreen::Check1_Click);

    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);
    cmdClose->setGeometry(Twips::rect(6000, 2760, 1245, 375));
    connect(cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);

    buildReferralFrame();
    buildSoftwaresFrame();
    setTabOrderChain();
    cmdClose->setFocus();
}

void frmExitScreen::buildReferralFrame()
{
    using namespace modTellAFriend;
    referralBoxes = new PlaceholderBoxes(this);
    Frame2 = makeNavyFrame("Frame2", "Refer A Friend", Twips::rect(120, 3240, 7065, 1455), this);
    txtName =
        makeReferralBox("txtName", YourNamePlaceholder, Twips::rect(85, 360, 3375, 285), Frame2);
    txtEmail = makeReferralBox("txtEmail", YourEmailPlaceholder, Twips::rect(3600, 360, 3375, 285),
                               Frame2);
    txtFriendName = makeReferralBox("txtFriendName", FriendNamePlaceholder,
                                    Twips::rect(85, 720, 3375, 285), Frame2);
    txtFriendEmail = makeReferralBox("txtFriendEmail", FriendEmailPlaceholder,
                                     Twips::rect(3600, 720, 3375, 285), Frame2);

    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setAutoDefault(false);
    cmdSubmit->setFont(Look::verdana(8.25, true));
    cmdSubmit->setGeometry(Twips::rect(1920, 1080, 3375, 285));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);

    // Lies below the frame's edge, so it is never seen, yet Tab still reaches it.
    txtMessage = new PlainTextBox(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAccessibleName(QString::fromUtf8(YourMessagePlaceholder));
    txtMessage->setFont(Look::verdana());
    Look::followTheme(txtMessage);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setGeometry(Twips::rect(4800, 3600, 1815, 495));
    PlaceholderBoxes::setText(txtMessage,
                              QString::fromUtf8(YourMessagePlaceholder) + QStringLiteral("\r\n"));

    // The e-mail boxes' own key check comes after the placeholder step: a box
    // just reached is emptied before a refused space is reported.
    txtEmail->installEventFilter(this);
    txtFriendEmail->installEventFilter(this);
    const std::pair<QWidget*, const char*> boxes[] = {
        {txtName, YourNamePlaceholder},         {txtEmail, YourEmailPlaceholder},
        {txtFriendName, FriendNamePlaceholder}, {txtFriendEmail, FriendEmailPlaceholder},
        {txtMessage, YourMessagePlaceholder},
    };
    for (const auto& [box, placeholder] : boxes)
        referralBoxes->add(box, QString::fromUtf8(placeholder));
}

void frmExitScreen::buildSoftwaresFrame()
{
    Frame6 = makeNavyFrame("Frame6", "Download Quillmere Softwares",
                           Twips::rect(7320, 120, 3735, 4575), this);

    Label3 = new QLabel(softwaresText(), Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFont(Look::verdana(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::transparent(Label3, Look::White);
    Label3->setGeometry(Twips::rect(120, 360, 3495, 3855));

    lblGoToHome = new LinkLabel(QStringLiteral("Click Here To Visit Quillmere Softwares"), Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setFont(Look::verdana(9, true, true));
    Look::transparent(lblGoToHome, Look::Yellow);
    lblGoToHome->move(Twips::toPixels(75), Twips::toPixels(4250));
    // The caption is wider than the frame at 9 pt in common fonts; it shrinks a
    // little rather than being cut off at the frame's edge.
    lblGoToHome->sizeToTextWithin(Frame6->width() - lblGoToHome->x() - 4);
    connect(lblGoToHome, &LinkLabel::clicked, this, [] { modHelp::OpenSoftwaresPage(); });
}

void frmExitScreen::setTabOrderChain()
{
    const QList<QWidget*> chain = {cmdClose,   Check1,     picExitScreenIcon, txtName,
                                   cmdSubmit,  txtEmail,   txtFriendEmail,    txtFriendName,
                                   txtMessage, lblGoToHome};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

int frmExitScreen::messageIndexFor(double r)
{
    return std::clamp(static_cast<int>(r * 4), 0, 3);
}

void frmExitScreen::Form_Load()
{
    const QString caption = QString::fromUtf8(AppInfo::WindowCaption);
    setWindowTitle(caption);
    lblExitScreenCaption->setText(caption);
    lblExitScreenCaption->adjustSize();

    // The icon the start-up window keeps as the first of its icon list.
    setWindowIcon(AppInfo::programIcon());
    picExitScreenIcon->setRaster(QString::fromLatin1(AppInfo::IconPicture),
                                 AppInfo::IconPictureSize);

    SystemServices& system = System();
    system.seedRandomFromClock();
    Label2->setText(QString::fromUtf8(Messages[messageIndexFor(system.randomDraw())]));

    WindowPlacement::centreOnScreen(this);
    show();
}

QString frmExitScreen::messageText() const
{
    return PlaceholderBoxes::text(txtMessage);
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == picExitScreenIcon) {
        if (type == QEvent::FocusIn || type == QEvent::FocusOut)
            picExitScreenIcon->setFrameStyle(type == QEvent::FocusIn ? QFrame::Box | QFrame::Plain
                                                                     : QFrame::NoFrame);
        return false;
    }
    if (type == QEvent::KeyPress && (watched == txtEmail || watched == txtFriendEmail)
        && static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
        modTellAFriend::ShowReferralMessage(this, modTellAFriend::EmailSpaceMessage);
        static_cast<QWidget*>(watched)->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void frmExitScreen::cmdSubmit_Click()
{
    using namespace modTellAFriend;
    ReferrerName = TrimSpaces(txtName->text());
    ReferrerEmail = TrimSpaces(txtEmail->text());
    ReferralMessage = TrimSpaces(messageText());
    FriendName = TrimSpaces(txtFriendName->text());
    FriendEmail = TrimSpaces(txtFriendEmail->text());
    SubmitReferral(this);
}

void frmExitScreen::Check1_Click(bool ticked)
{
    // Clearing the tick toggles the box once more; that round finds it clear.
    if (!ticked)
        return;
    Check1->setChecked(false);
    modHelp::OpenHomePage();
}

void frmExitScreen::cmdClose_Click()
{
    EndProgram();
}

void frmExitScreen::Form_Unload()
{
    EndProgram();
}

void frmExitScreen::closeEvent(QCloseEvent* event)
{
    FormRegistry::remove(this);
    Form_Unload();
    event->accept();
}
