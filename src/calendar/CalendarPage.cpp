#include "calendar/CalendarPage.h"

#include "calendar/MonthNames.h"
#include "core/modPaganFestivals.h"
#include "controls/AnnouncingLabel.h"
#include "controls/DevicePicture.h"
#include "controls/Look.h"
#include "controls/Twips.h"
#include "controls/UnframedGroup.h"
#include "platform/SystemServices.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

const char* const CalendarPage::MissingYearMessage = "Please Select A Year";
const char* const CalendarPage::ShowCaption = "Show Pagan &Calendar";

namespace {

struct YearOption
{
    const char* caption;
    int left;
};
constexpr YearOption YearOptions[] = {{"2006", 6720}, {"2007", 7740}, {"2008", 8760}};
// The month label's room, from the right edge of "<" to the left edge of ">".
constexpr int MonthRoomLeft = 7020 + 400;
constexpr int MonthRoomRight = 8790;
constexpr int YearTop = 2880;
constexpr int YearWidth = 800;
constexpr int YearHeight = 255;
// The group spans the row of options exactly.
constexpr int YearGroupLeft = YearOptions[0].left;
constexpr int YearGroupWidth = YearOptions[2].left + YearWidth - YearGroupLeft;

QPushButton* makeButton(const QString& caption, const char* name, const QRect& rect,
                        QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CalendarPage::CalendarPage(QWidget* pageFrame) : QWidget(pageFrame)
{
    setObjectName(QStringLiteral("CalendarPage"));
    setGeometry(pageFrame->rect());
    setFont(Look::verdana());
    Look::paint(this, Look::DarkTeal, Look::White);

    buildIntroduction();
    buildMonthAndYear();

    setTabOrder(cmdMonthBack, cmdMonthNext);
    setTabOrder(cmdMonthNext, optYear[0]);
    setTabOrder(optYear[0], optYear[1]);
    setTabOrder(optYear[1], optYear[2]);
    setTabOrder(optYear[2], cmdCalendar);
}

void CalendarPage::buildIntroduction()
{
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setTextFormat(Qt::PlainText);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::transparent(Label5, Look::White);
    Label5->setGeometry(Twips::rect(240, 480, 6015, 3375));
    // A missing text leaves the label empty rather than stopping the page.
    QFile intro(QStringLiteral(":/calendar/intro.txt"));
    if (intro.open(QIODevice::ReadOnly | QIODevice::Text))
        Label5->setText(QString::fromUtf8(intro.readAll()).trimmed());

    auto* picture = new DevicePicture(this);
    Picture1 = picture;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Pagan calendar picture"));
    Picture1->setGeometry(Twips::rect(7440, 600, 1350, 1350));
    picture->setRaster(QStringLiteral(":/calendar/picture.png"));
}

void CalendarPage::buildMonthAndYear()
{
    cmdMonthBack =
        makeButton(QStringLiteral("<"), "cmdMonthBack", Twips::rect(7020, 2280, 400, 400), this);
    cmdMonthBack->setAccessibleDescription(QStringLiteral("Previous month"));
    connect(cmdMonthBack, &QPushButton::clicked, this, &CalendarPage::cmdMonthBack_Click);

    // The step buttons keep the focus; the label itself tells a screen reader
    // the month they stepped to.
    lblMonth = new AnnouncingLabel(QStringLiteral("December"), this);
    lblMonth->setObjectName(QStringLiteral("lblMonth"));
    lblMonth->setFont(Look::verdana(8.25, true));
    lblMonth->setAlignment(Qt::AlignCenter);
    Look::transparent(lblMonth, Look::White);
    // Centred where it is described, with all the room between "<" and ">": some
    // languages' month names are far longer than the English ones.
    lblMonth->setGeometry(Twips::rect(MonthRoomLeft, 2280, MonthRoomRight - MonthRoomLeft, 400));

    cmdMonthNext =
        makeButton(QStringLiteral(">"), "cmdMonthNext", Twips::rect(8790, 2280, 400, 400), this);
    cmdMonthNext->setAccessibleDescription(QStringLiteral("Next month"));
    connect(cmdMonthNext, &QPushButton::clicked, this, &CalendarPage::cmdMonthNext_Click);

    // The options share one unseen group titled "Year", so that a screen
    // reader names the group and counts its members.
    yearGroup = new UnframedGroup(QStringLiteral("Year"), this);
    yearGroup->setObjectName(QStringLiteral("yearGroup"));
    yearGroup->setGeometry(Twips::rect(YearGroupLeft, YearTop, YearGroupWidth, YearHeight));

    // One group, none set: the page never guesses the year.
    years = new QButtonGroup(this);
    years->setExclusive(true);
    for (size_t index = 0; index < optYear.size(); ++index) {
        auto* option = new QRadioButton(QString::fromLatin1(YearOptions[index].caption), yearGroup);
        option->setObjectName(QStringLiteral("optYear(%1)").arg(index));
        option->setFont(Look::verdana(8.25, true));
        // White circle and dark dot, white caption on the teal page.
        QPalette colours = option->palette();
        colours.setColor(QPalette::Base, Look::White);
        colours.setColor(QPalette::Text, Qt::black);
        colours.setColor(QPalette::WindowText, Look::White);
        option->setPalette(colours);
        option->setGeometry(
            Twips::rect(YearOptions[index].left - YearGroupLeft, 0, YearWidth, YearHeight));
        option->installEventFilter(this);
        years->addButton(option, int(index));
        optYear[index] = option;
    }

    cmdCalendar = makeButton(QString::fromUtf8(ShowCaption), "cmdCalendar",
                             Twips::rect(6600, 3505, 3240, 350), this);
    cmdCalendar->setFont(Look::verdana(8.25, true));
    connect(cmdCalendar, &QPushButton::clicked, this, &CalendarPage::cmdCalendar_Click);
}

void CalendarPage::setMonthCaption(const QString& monthName)
{
    // A name too long even for that room is set a little smaller rather than cut.
    lblMonth->setFont(Look::fontFitting(Look::verdana(8.25, true), monthName, lblMonth->width()));
    lblMonth->announce(monthName);
}

QString CalendarPage::monthCaption() const
{
    return lblMonth->text();
}

void CalendarPage::cmdMonthBack_Click()
{
    stepMonth(-1);
}

void CalendarPage::cmdMonthNext_Click()
{
    stepMonth(+1);
}

void CalendarPage::stepMonth(int step)
{
    const int month = MonthNames::numberOf(lblMonth->text().trimmed());
    // An unknown text, or stepping past either end of the year, changes nothing.
    if (month == 0 || month + step < 1 || month + step > 12)
        return;
    setMonthCaption(FullMonthName(month + step));
}

bool CalendarPage::eventFilter(QObject* watched, QEvent* event)
{
    // The options stand in one row: Up and Down move among them as Left and Right do.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            QKeyEvent sideways(QEvent::KeyPress,
                               key->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                               key->modifiers());
            QApplication::sendEvent(watched, &sideways);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CalendarPage::ValidateYearChoice()
{
    if (years->checkedButton())
        return true;
    System().showMessage(window(), QMessageBox::Critical, QString::fromUtf8(MissingYearMessage),
                         QMessageBox::Ok, QMessageBox::Ok);
    return false;
}

void CalendarPage::cmdCalendar_Click()
{
    if (!ValidateYearChoice())
        return;
    modPaganFestivals::SelectedMonthName = lblMonth->text().trimmed();
    for (QRadioButton* option : optYear) {
        if (option->isChecked()) {
            modPaganFestivals::SelectedYear = option->text();
            break;
        }
    }
    // The hand-over closes the main window, which deletes this page later:
    // nothing may follow the signal here.
    Q_EMIT festivalsRequested();
}
