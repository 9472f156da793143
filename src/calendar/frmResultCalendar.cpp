#include "calendar/frmResultCalendar.h"

#include "base/AppInfo.h"
#include "forms/FormRegistry.h"
#include "calendar/MonthNames.h"
#include "calendar/MonthViewAccessible.h"
#include "core/modPaganFestivals.h"
#include "controls/AccessibilityFactory.h"
#include "controls/KeyboardScrollArea.h"
#include "controls/Look.h"
#include "controls/MenuBuilder.h"
#include "controls/Twips.h"
#include "controls/WindowPlacement.h"
#include "platform/SystemServices.h"
#include "web/ForumBanner.h"
#include "web/FullBrandFrame.h"
#include "web/frmAbout.h"
#include "web/WebMenus.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTextCharFormat>

#include <utility>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

const char* const frmResultCalendar::StartText = "Display Festivals";
const char* const frmResultCalendar::Explanation =
    "Velloran displays the festivals of the chosen month in the space below. Know the Pagan "
    "festivals for the current chosen month and make your plans.";
const QDate frmResultCalendar::StoredDate(2007, 3, 12);
const QDate frmResultCalendar::EarliestDate(2006, 1, 1);
const QDate frmResultCalendar::LatestDate(2008, 12, 31);

using MenuBuilder::addCommand;
using MenuBuilder::addSeparator;

frmResultCalendar::frmResultCalendar()
{
    setObjectName(QStringLiteral("frmResultCalendar"));
    setWindowTitle(QString::fromUtf8(AppInfo::WindowCaption));
    setWindowIcon(AppInfo::programIcon());
    // Fixed border with the close box alone: no minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    ReadAsDialog(this);
    // The month view's days read as dates only once their factory is known.
    InstallMonthViewAccessibility();
    buildMenus();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::size(7155, 5250));
    client->setFont(Look::verdana());
    Look::paint(client, Look::DarkTeal, Look::White);
    setCentralWidget(client);

    buildControls(client);
    WindowPlacement::fixClientSize(this);
}

void frmResultCalendar::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = MenuBuilder::addMenu(bar, "mnuFile", "&File");
    addCommand(file, "mnuBack", "&Back", [this] { mnuBack_Click(); });
    addSeparator(file, "mnuSep1");
    addCommand(file, "mnuExit", "E&xit", [this] { mnuExit_Click(); });

    WebMenus::add(bar, 2, [this] { mnuAbout_Click(); });
}

void frmResultCalendar::buildControls(QWidget* client)
{
    Label14 = new ForumBanner(client, Twips::rect(990, 60, 5190, 390));

    // A month block taller than its box in some font scrolls, and only then, rather
    // than losing its last festivals below the edge. Only then is it a stop of the keyboard,
    // which a screen reader names as the festivals of the month shown.
    festivalArea = new KeyboardScrollArea(client);
    festivalArea->setObjectName(QStringLiteral("festivalArea"));
    festivalArea->setAccessibleName(QStringLiteral("Festivals"));
    Look::paint(festivalArea, Look::DarkTeal, Look::Yellow);
    Look::paint(festivalArea->viewport(), Look::DarkTeal, Look::Yellow);
    festivalArea->setGeometry(Twips::rect(150, 720, 3855, 3615));

    lblDisp = new QLabel(QString::fromUtf8(StartText));
    lblDisp->setObjectName(QStringLiteral("lblDisp"));
    lblDisp->setTextFormat(Qt::PlainText);
    lblDisp->setWordWrap(true);
    lblDisp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::paint(lblDisp, Look::DarkTeal, Look::Yellow);
    festivalArea->setWidget(lblDisp);

    Label1 = new QLabel(QString::fromUtf8(Explanation), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(Look::verdana(8.25, true));
    Look::transparent(Label1, Look::White);
    // Down to the month view rather than the described 1215 twips: the sixth line of
    // a font that sets its lines a little further apart still finds room.
    Label1->setGeometry(Twips::rect(4125, 720, 2880, 2025 - 720 - 15));

    MV = new QCalendarWidget(client);
    MV->setObjectName(QStringLiteral("MV"));
    MV->setAccessibleName(QStringLiteral("Month of the festivals"));
    // The stored date first, so that the range below never has to move it.
    MV->setSelectedDate(StoredDate);
    MV->setDateRange(EarliestDate, LatestDate);
    // Week numbers would crowd the narrow space the month has.
    MV->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MV->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    // No typed dates: the month view only follows the choice. Qt's box for a typed
    // date also loses its date reader when the window closes while the box is up.
    MV->setDateEditEnabled(false);
    MV->setGeometry(Twips::rect(4125, 2025, 2880, 2310));
    // The month steps of its bar are arrows without a text: a screen reader needs their names.
    for (const auto& [step, name] : {std::pair{"qt_calendar_prevmonth", "Previous month"},
                                     std::pair{"qt_calendar_nextmonth", "Next month"}}) {
        if (auto* button = MV->findChild<QWidget*>(QLatin1String(step)))
            button->setAccessibleName(QLatin1String(name));
    }
    shareMonthViewEvenly();
    paintMonthView();

    fraFullBrand = new FullBrandFrame(client, Twips::rect(-15, 4400, 7185, 855),
                                      Twips::rect(120, 160, 6945, 615));

    // Kept from the old layout below the client area, never seen nor reached.
    cmdBack = new QPushButton(QStringLiteral("&Back"), client);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setGeometry(Twips::rect(120, 6480, 2880, 375));
    cmdBack->hide();
    connect(cmdBack, &QPushButton::clicked, this, &frmResultCalendar::cmdBack_Click);

    // The month view is the first stop of the keyboard, then the festivals beside it where
    // they scroll, then the links. Qt orders only what takes the focus at the time.
    const Qt::FocusPolicy scrolls = festivalArea->focusPolicy();
    festivalArea->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(MV, festivalArea);
    setTabOrder(festivalArea, Label14);
    festivalArea->setFocusPolicy(scrolls);
    setTabOrder(Label14, fraFullBrand->lblCobrand());
    setTabOrder(fraFullBrand->lblCobrand(), fraFullBrand->lblFullBrand());
    MV->setFocus();
}

void frmResultCalendar::shareMonthViewEvenly()
{
    // The seven days and seven rows share the month view's frame evenly. Qt keeps a column
    // at least as wide as the font's widest glyph, far wider than a day's number needs: in a
    // font with one very wide glyph the last days of the week fell outside the frame.
    if (auto* days = MV->findChild<QTableView*>()) {
        days->horizontalHeader()->setMinimumSectionSize(1);
        days->verticalHeader()->setMinimumSectionSize(1);
    }
}

void frmResultCalendar::paintMonthView()
{
    // Dark days on white, not the window's white text, which would vanish in
    // the header. Every colour the month view draws with is set here, so that
    // no theme puts the dark days on its own dark rows.
    Look::paint(MV, Look::White, Qt::black);
    QPalette colours = MV->palette();
    colours.setColor(QPalette::AlternateBase, QColor(247, 247, 247)); // the row of weekdays
    // The month's header and the selected day: white on a blue deep enough to read.
    colours.setColor(QPalette::Highlight, QColor(26, 92, 150));
    colours.setColor(QPalette::HighlightedText, Look::White);
    MV->setPalette(colours);
    // The weekend's red, a shade darker than pure red, reads on white and on the weekday row.
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        QTextCharFormat format = MV->weekdayTextFormat(Qt::DayOfWeek(day));
        if (format.hasProperty(QTextFormat::ForegroundBrush)) {
            format.setForeground(QColor(192, 0, 0));
            MV->setWeekdayTextFormat(Qt::DayOfWeek(day), format);
        }
    }
}

void frmResultCalendar::Form_Load()
{
    showChosenMonth();
    modPaganFestivals::BuildFestivalTable();
    showFestivals();
    WindowPlacement::centreOnScreen(this);
}

void frmResultCalendar::showChosenMonth()
{
    int month = MV->monthShown();
    int year = MV->yearShown();
    // A month name that matches nothing leaves the month where it is.
    if (const int chosen = MonthNames::numberOf(modPaganFestivals::SelectedMonthName))
        month = chosen;
    // So does a year that is no number, or one outside the month view's range.
    bool isNumber = false;
    const short chosenYear = modPaganFestivals::SelectedYear.toShort(&isNumber);
    if (isNumber && chosenYear >= EarliestDate.year() && chosenYear <= LatestDate.year())
        year = chosenYear;
    MV->setCurrentPage(year, month);
}

void frmResultCalendar::showFestivals()
{
    bool isNumber = false;
    const int year = modPaganFestivals::SelectedYear.toInt(&isNumber);
    if (!isNumber || year < modPaganFestivals::FirstYear || year > modPaganFestivals::LastYear)
        return;
    const int month = MonthNames::numberOf(modPaganFestivals::SelectedMonthName);
    if (month == 0)
        return;
    if (const std::optional<QString> block =
            modPaganFestivals::FestivalMonth(modPaganFestivals::MonthIndex(year, month)))
        lblDisp->setText(*block);
    markFestivalDays(year, month);
    describeMonthView(year, month);
}

void frmResultCalendar::describeMonthView(int year, int month)
{
    // The table of days is what takes the focus when the window opens: it
    // carries the month and its festivals, which a screen reader speaks then.
    auto* days = MV->findChild<QTableView*>();
    if (!days)
        return;
    const QString shown = FullMonthName(month) + u' ' + QString::number(year);
    days->setAccessibleName(MV->accessibleName() + QStringLiteral(", ") + shown);
    // One entry a sentence: "December 21, 2007: Yule."
    QString festivals = lblDisp->text().trimmed();
    festivals.replace(QStringLiteral("\r\n\r\n"), QStringLiteral(". "));
    festivals.replace(QStringLiteral("\r\n"), QStringLiteral(": "));
    days->setAccessibleDescription(festivals);
    festivalArea->setAccessibleName(QStringLiteral("Festivals of ") + shown);
    festivalArea->setAccessibleDescription(festivals);
}

void frmResultCalendar::markFestivalDays(int year, int month)
{
    // The festival days stand out in the month view in the colours of the list
    // beside it, and the first of them is selected, so the keyboard starts there.
    QTextCharFormat festivalDay;
    festivalDay.setFontWeight(QFont::Bold);
    festivalDay.setForeground(Look::Yellow);
    festivalDay.setBackground(Look::DarkTeal);
    const QList<int> days = modPaganFestivals::FestivalDays(month);
    for (int day : days)
        MV->setDateTextFormat(QDate(year, month, day), festivalDay);
    if (!days.isEmpty())
        MV->setSelectedDate(QDate(year, month, days.first()));
}

void frmResultCalendar::mnuBack_Click()
{
    close();
}

void frmResultCalendar::mnuExit_Click()
{
    // Leads back to the main window; the program ends only from there.
    close();
}

void frmResultCalendar::cmdBack_Click()
{
    close();
}

void frmResultCalendar::mnuAbout_Click()
{
    frmAbout::showModal(this);
}

void frmResultCalendar::Form_Unload()
{
    BackSequence();
}

void frmResultCalendar::BackSequence()
{
    // Every road back ends in closing this window; the way back is taken once.
    if (backSequenceRun)
        return;
    backSequenceRun = true;
    Q_EMIT backRequested();
}

void frmResultCalendar::closeEvent(QCloseEvent* event)
{
    FormRegistry::remove(this);
    Form_Unload();
    event->accept();
}
