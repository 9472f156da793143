#include "FakeSystem.h"
#include "WindowCleanup.h"

#include "forms/FormHandle.h"
#include "app/frmMain.h"
#include "controls/AccessibilityFactory.h"
#include "controls/TabButton.h"
#include "controls/TabControl.h"
#include "controls/Twips.h"
#include "reference/EntryGroupPage.h"
#include "reference/EntryPicture.h"
#include "reference/ReferenceContent.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QSet>
#include <QtTest>

namespace {

const QStringList GroupNames{"SSTFestiveSeasons", "SSTElements", "SSTGods", "SSTGoddesses"};

TabControl* group(const frmMain& main, const QString& name)
{
    return main.SSTMain()->findChild<TabControl*>(name);
}

QLabel* label(const frmMain& main, const QString& name)
{
    return main.findChild<QLabel*>(name);
}

// The height the label needs for its text, wrapped at the label's width.
QRect wrappedTextRect(const QLabel* label)
{
    return QFontMetrics(label->font())
        .boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text());
}

void verifyText(const QLabel* label, const QString& opening, int length)
{
    QVERIFY(label);
    const QString text = label->text();
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size() + 20)));
    QVERIFY2(qAbs(text.size() - length) <= length * 5 / 100,
             qPrintable(QStringLiteral("%1 characters, %2 wanted").arg(text.size()).arg(length)));
    QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
    const QRect needed = wrappedTextRect(label);
    QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
             qPrintable(QStringLiteral("needs %1 x %2, has %3 x %4")
                            .arg(needed.width()).arg(needed.height())
                            .arg(label->width()).arg(label->height())));
}

// Number of distinct colours, counted on a coarse grid: a drawn picture has
// many, a blank or failed one a single one.
int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y) & 0xF0F0F0);
    return int(colours.size());
}

} // namespace

class ReferenceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InstallAccessibilityFactory(); }
    void cleanup() { CloseAllWindows(); }

    void everyEntryAsDescribed_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("labelArray");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<int>("labelHeight");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("opening");

        const auto season = [](int pos, const char* title, int height, int length,
                               const char* opening) {
            QTest::addRow("festive season %d %s", pos, title)
                << "SSTFestiveSeasons" << "lblFestiveSeasons" << pos << title << 3 + pos << -1
                << QSize() << height << length << opening;
        };
        season(0, "Yule", 975, 379,
               "This is generally celebrated during the winter time i.e. from December 23-25.");
        season(1, "Candlemas", 1095, 311,
               "This day is observed on 2nd February as the birthday of Brigid");
        season(2, "Eostar", 855, 282,
               "Observed within March 20-23, this day is the start of the Pagan year of springs.");
        season(3, "Samhain", 1455, 370,
               "Also known as the Halloween, this day is celebrated on October 31st.");
        season(4, "Mabon", 975, 171,
               "Though the period from September 20-23 is observed as a holiday");
        season(5, "Litha", 1215, 393,
               "Observed during the summer time i.e. from June 20-23, this festival is held on "
               "the longest day.");
        season(6, "Beltan", 1335, 497,
               "The most important festive for the Pagans after Samhain.");
        season(7, "Lughnasad", 495, 199, "1st August is the day of Lughnasad.");

        const auto element = [](int pos, const char* title, int height, int length,
                                const char* opening) {
            QTest::addRow("element %d %s", pos, title)
                << "SSTElements" << "lblElements" << pos << title << 12 + pos << pos
                << QSize(78, 88) << height << length << opening;
        };
        element(0, "Earth", 2175, 778,
                "This is the element which is associated with the North direction.");
        element(1, "Air", 1695, 604,
                "This is the element which is associated with the East direction.");
        element(2, "Fire", 2175, 779,
                "Fire is the element of Energy; it also represents action and activeness.");
        element(3, "Water", 2175, 765,
                "This is the element which is associated with the West direction.");
        element(4, "Spirit", 1335, 485, "This is the element which is associated with the center");

        const auto god = [](int pos, const char* title, QSize size, int height, int length,
                            const char* opening) {
            QTest::addRow("god %d %s", pos, title)
                << "SSTGods" << "lblGods" << pos << title << 18 + pos << 5 + pos << size
                << height << length << opening;
        };
        god(0, "Angus of the Brugh", {92, 122}, 1215, 370, "Angus is the son of Dagda.");
        god(1, "Cernunnos", {116, 116}, 1455, 407,
            "The god of virility flanked by the ram-headed serpent and a stag.");
        god(2, "Dagda", {94, 150}, 1815, 599, "\"The Good God' is the father of Angus.");
        god(3, "Dian Cecht", {105, 110}, 1455, 460, "The healer god.");
        god(4, "Dis Pater", {65, 119}, 615, 172,
            "Originally a god of death and the underworld, later the chief god of the Gauls.");
        god(5, "Donn", {94, 132}, 495, 132, "The god of storms and thunders.");
        god(6, "Esus", {62, 124}, 615, 190,
            "The god of Gauls who is very often portrayed as woodcutter.");
        god(7, "Govannon", {107, 124}, 1455, 409, "The god of weapons and armors- the smith god.");
        god(8, "Lug or Lugh", {78, 105}, 1215, 409, "The sun god.");
        god(9, "Nuadhu or Nud/ Nodens/ Lud", {78, 117}, 1335, 358,
            "He is the god of healing and water.");
        god(10, "Ogmios", {79, 126}, 855, 218, "The god of language, eloquence and genius.");
        god(11, "Sucellus", {83, 150}, 855, 182, "He is the god of forest and agriculture.");

        const auto goddess = [](int pos, const char* title, QSize size, int height, int length,
                                const char* opening) {
            QTest::addRow("goddess %d %s", pos, title)
                << "SSTGoddesses" << "lblGoddesses" << pos << title << 31 + pos << 17 + pos
                << size << height << length << opening;
        };
        goddess(0, "Arianrhod", {96, 133}, 1095, 297,
                "Arianrhod means Silver Circle; she is the Goddess of Virgin.");
        goddess(1, "Badb", {97, 133}, 1455, 431,
                "The Goddess of war who is known to use her magic to decide war.");
        goddess(2, "Brighit or Brigit", {93, 124}, 1575, 506,
                "Brigit is the goddess of craftsmanship, healing and metalwork.");
        goddess(3, "Caridwen or Hen Wen", {76, 129}, 1335, 337, "The goddess of grains and corns.");
        goddess(4, "Danu", {87, 111}, 1095, 290, "Danu is the Mother goddess.");
        goddess(5, "Epona", {84, 124}, 1575, 413, "The goddess of horse.");
    }

    void everyEntryAsDescribed()
    {
        QFETCH(QString, control);
        QFETCH(QString, labelArray);
        QFETCH(int, position);
        QFETCH(QString, title);
        QFETCH(int, frame);
        QFETCH(int, picture);
        QFETCH(QSize, pictureSize);
        QFETCH(int, labelHeight);
        QFETCH(int, length);
        QFETCH(QString, opening);

        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.SSTMain()->setSelectedIndex(GroupNames.indexOf(control) + 2);
        TabControl* tabs = group(main, control);
        QVERIFY(tabs);
        tabs->setSelectedIndex(position);
        QCOMPARE(tabs->tabCaption(position), title);
        QCOMPARE(tabs->tabButton(position)->accessibleName(), title);

        auto* entryFrame = main.findChild<QFrame*>(QStringLiteral("fraContainer(%1)").arg(frame));
        QVERIFY(entryFrame);
        QCOMPARE(tabs->page(position), entryFrame);

        QLabel* text = entryFrame->findChild<QLabel*>(
            QStringLiteral("%1(%2)").arg(labelArray).arg(position));
        QVERIFY(text);
        QCOMPARE(text->height(), Twips::toPixels(labelHeight));
        QCOMPARE(text->font().pointSizeF(), 9.0);
        verifyText(text, opening, length);
        // Nothing of the text may fall outside the frame that shows it.
        QVERIFY(entryFrame->rect().contains(text->geometry()));

        auto* image = entryFrame->findChild<EntryPicture*>(
            QStringLiteral("imgPictures(%1)").arg(picture));
        if (picture < 0) {
            QVERIFY(entryFrame->findChildren<QLabel*>().size() == 1);
            // Without a picture the text spans the width of the frame.
            QVERIFY(text->width() >= Twips::toPixels(9700));
            return;
        }
        QVERIFY(image);
        QVERIFY(image->isVisible());
        QCOMPARE(image->accessibleName(), title);
        QVERIFY(!text->geometry().intersects(image->geometry()));
        const QPixmap shown = image->pixmap();
        QCOMPARE(shown.size(), pictureSize);
        QVERIFY2(colourCount(shown.toImage()) >= 6, "a drawn picture, not a blank");
    }

    void introductionTexts()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        QLabel* label1 = label(main, "Label1");
        QLabel* label2 = label(main, "Label2");
        QLabel* label3 = label(main, "Label3");
        QLabel* label4 = label(main, "Label4");
        verifyText(label1, "The term Pagan is taken from the Latin word 'Paganus'", 260);
        verifyText(label2, "The oldest known religion to humanity is Paganism.", 722);
        verifyText(label3, label1->text(), 260);
        QCOMPARE(label3->text(), label1->text());
        // The window's own font, smaller than that of the entry texts.
        QCOMPARE(label1->font(), main.centralWidget()->font());

        QVERIFY(label4);
        QCOMPARE(label4->text(), QStringLiteral("The following is the list of Pagan Festivals:"));
        QCOMPARE(label4->height(), label4->sizeHint().height()); // one line
        QVERIFY(label4->width() >= label4->fontMetrics().horizontalAdvance(label4->text()));

        // Introduction, heading line, entry tabs: top to bottom, none over another.
        TabControl* seasons = group(main, "SSTFestiveSeasons");
        QCOMPARE(label3->parentWidget()->parentWidget(), main.fraContainer(2));
        QVERIFY(label3->geometry().bottom() < label4->geometry().top());
        QVERIFY(label4->geometry().bottom() < seasons->geometry().top());
    }

    void textsShowTheirAmpersands()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        QLabel* danu = label(main, "lblGoddesses(4)");
        QVERIFY(danu);
        QVERIFY(danu->text().contains(QStringLiteral("prosperity & plenty")));
        QAccessibleInterface* readOut = QAccessible::queryAccessibleInterface(danu);
        QVERIFY(readOut);
        QVERIFY(readOut->text(QAccessible::Name).contains(QStringLiteral("prosperity & plenty")));
    }

    void groupsInTheirRows_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("mainTab");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("selectedAtLoad");
        QTest::newRow("festive seasons") << "SSTFestiveSeasons" << 2 << 1 << "Yule";
        QTest::newRow("elements") << "SSTElements" << 3 << 1 << "Spirit";
        QTest::newRow("gods") << "SSTGods" << 4 << 2 << "Sucellus";
        QTest::newRow("goddesses") << "SSTGoddesses" << 5 << 1 << "Arianrhod";
    }

    void groupsInTheirRows()
    {
        QFETCH(QString, control);
        QFETCH(int, mainTab);
        QFETCH(int, rows);
        QFETCH(QString, selectedAtLoad);

        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.SSTMain()->setSelectedIndex(mainTab);
        TabControl* tabs = group(main, control);
        QVERIFY(tabs);
        QVERIFY(tabs->isVisible());
        QCOMPARE(tabs->rowCount(), rows);
        QCOMPARE(tabs->tabHeight(), Twips::toPixels(295));
        QCOMPARE(tabs->tabCaption(tabs->selectedIndex()), selectedAtLoad);

        for (int index = 0; index < tabs->tabCount(); ++index) {
            TabButton* tab = tabs->tabButton(index);
            // Position order, left to right, row by row.
            QCOMPARE(tab->y(), (index / tabs->tabsInRow()) * tabs->tabHeight());
            if (index % tabs->tabsInRow() > 0)
                QVERIFY(tab->x() > tabs->tabButton(index - 1)->x());
            QVERIFY(tab->geometry().right() < tabs->width());
            // Every title readable in full on one line, also in the bold of the selected tab.
            QFont bold = tab->font();
            bold.setBold(true);
            QVERIFY2(QFontMetrics(bold).horizontalAdvance(tab->text()) <= tab->width() - 6,
                     qPrintable(tab->text()));
            // Only the selected entry is shown, and below every row of tabs.
            QWidget* entry = tabs->page(index);
            QCOMPARE(entry->isVisible(), index == tabs->selectedIndex());
            QVERIFY(entry->y() >= rows * tabs->tabHeight());
        }
        // The group lies on its own main page, inside the page frame.
        QFrame* pageFrame = main.fraContainer(QList<int>{0, 1, 2, 11, 17, 30}[mainTab]);
        QVERIFY(pageFrame->isAncestorOf(tabs));
        QVERIFY(pageFrame->rect().contains(tabs->geometry()));
    }

    void tabWidthsFollowCaptionsOnlyWhereTheyFit_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<bool>("equal");
        QTest::newRow("one long caption among short ones")
            << QStringList{"Esus", "Nuadhu or Nud/ Nodens/ Lud", "Donn"} << false;
        QTest::newRow("more than the row can hold")
            << QStringList{QString(60, QLatin1Char('W')), "Donn", "Esus"} << true;
    }

    void tabWidthsFollowCaptionsOnlyWhereTheyFit()
    {
        QFETCH(QStringList, captions);
        QFETCH(bool, equal);
        QWidget window;
        // Two rows, to see that each row is laid out on its own.
        TabControl tabs(6, 3, 20, &window);
        tabs.setTabWidthsFollowCaptions(true);
        tabs.setGeometry(0, 0, 330, 200);
        for (int index = 0; index < 6; ++index)
            tabs.setTabCaption(index, index < 3 ? captions[index] : QStringLiteral("Ogmios"));
        window.show();
        for (int row = 0; row < 2; ++row) {
            // Edge to edge across the whole row.
            QCOMPARE(tabs.tabButton(row * 3)->x(), 0);
            QCOMPARE(tabs.tabButton(row * 3 + 2)->geometry().right(), tabs.width() - 1);
            for (int column = 1; column < 3; ++column)
                QCOMPARE(tabs.tabButton(row * 3 + column)->x(),
                         tabs.tabButton(row * 3 + column - 1)->geometry().right() + 1);
        }
        // Equal captions share equally.
        QVERIFY(qAbs(tabs.tabButton(3)->width() - tabs.tabButton(5)->width()) <= 2);
        if (equal)
            QVERIFY(qAbs(tabs.tabButton(0)->width() - tabs.tabButton(1)->width()) <= 2);
        else
            QVERIFY(tabs.tabButton(1)->width() > 2 * tabs.tabButton(0)->width());
    }

    void tabChangeReturnsOneGroupToItsFirstEntry_data()
    {
        QTest::addColumn<int>("mainTab");
        QTest::addColumn<QString>("reset");
        QTest::newRow("calendar") << 0 << "";
        QTest::newRow("information") << 1 << "SSTFestiveSeasons";
        QTest::newRow("festive seasons") << 2 << "SSTElements";
        QTest::newRow("elements") << 3 << "SSTGods";
        QTest::newRow("gods") << 4 << "SSTGoddesses";
        QTest::newRow("goddesses") << 5 << "";
    }

    void tabChangeReturnsOneGroupToItsFirstEntry()
    {
        QFETCH(int, mainTab);
        QFETCH(QString, reset);

        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        // Start from a tab that resets nothing, so only the change under test counts.
        main.SSTMain()->setSelectedIndex(mainTab == 5 ? 0 : 5);
        for (const QString& name : GroupNames)
            group(main, name)->setSelectedIndex(2);
        main.SSTMain()->setSelectedIndex(mainTab);
        for (const QString& name : GroupNames)
            QCOMPARE(group(main, name)->selectedIndex(), name == reset ? 0 : 2);
    }

    void selectionLastsWhileTheWindowIsLoaded()
    {
        FakeSystem system;
        {
            frmMain& main = FormHandle<frmMain>::get();
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            main.SSTMain()->setSelectedIndex(4);
            TabControl* gods = group(main, "SSTGods");
            QTest::mouseClick(gods->tabButton(9), Qt::LeftButton);
            QCOMPARE(gods->selectedIndex(), 9);
            QVERIFY(gods->page(9)->isVisible());
            // The keyboard moves along the tabs too.
            gods->tabButton(9)->setFocus();
            QTest::keyClick(gods->tabButton(9), Qt::Key_Right);
            QCOMPARE(gods->selectedIndex(), 10);

            // Away to a page that resets nothing, and back: the gods page is
            // shown again, which resets its right-hand neighbour only.
            main.SSTMain()->setSelectedIndex(5);
            QTest::mouseClick(main.SSTMain()->tabButton(4), Qt::LeftButton);
            QCOMPARE(main.SSTMain()->selectedIndex(), 4);
            QCOMPARE(gods->selectedIndex(), 10);
            QVERIFY(gods->page(10)->isVisible());
            // Another group's selection is its own.
            QCOMPARE(group(main, "SSTElements")->selectedIndex(), 4);
        }
        CloseAllWindows();

        // A new load starts again on the entries selected at load.
        frmMain& again = FormHandle<frmMain>::get();
        QCOMPARE(again.SSTMain()->selectedIndex(), 0);
        QCOMPARE(group(again, "SSTGods")->selectedIndex(), 11);
        QCOMPARE(group(again, "SSTElements")->selectedIndex(), 4);
        QCOMPARE(group(again, "SSTFestiveSeasons")->selectedIndex(), 0);
        QCOMPARE(group(again, "SSTGoddesses")->selectedIndex(), 0);
    }

    void missingContentLeavesControlsEmpty()
    {
        QCOMPARE(ReferenceContent::text("no-such-group", 0), QString());
        QVERIFY(ReferenceContent::picture("gods", 99).isNull());

        ReferenceContent::Group missing = ReferenceContent::Gods;
        missing.resourceName = "no-such-group";
        QWidget pageFrame;
        pageFrame.resize(Twips::size(10200, 4600));
        EntryGroupPage page(&pageFrame, missing);
        pageFrame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pageFrame));
        for (int position = 0; position < missing.entryCount(); ++position) {
            // The entry itself is still there to be chosen, only empty.
            page.tabControl()->setSelectedIndex(position);
            QVERIFY(page.entryFrame(position)->isVisible());
            QCOMPARE(page.tabControl()->tabCaption(position),
                     QString::fromUtf8(missing.entries[position].title));
            QCOMPARE(page.entryLabel(position)->text(), QString());
            QVERIFY(page.entryPicture(position)->isLoaded());
            QVERIFY(page.entryPicture(position)->pixmap().isNull());
        }
    }

    void picturesAreDecodedOnlyWhenShown()
    {
        // The window opens on the calendar page; its start must not pay for
        // twenty-three pictures nobody sees yet.
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QList<EntryPicture*> pictures = main.findChildren<EntryPicture*>();
        QCOMPARE(pictures.size(), 23);
        for (EntryPicture* picture : pictures)
            QVERIFY2(!picture->isLoaded(), qPrintable(picture->objectName()));

        main.SSTMain()->setSelectedIndex(4);
        for (EntryPicture* picture : pictures) {
            const bool sucellus = picture->objectName() == QLatin1String("imgPictures(16)");
            QCOMPARE(picture->isLoaded(), sucellus);
            QCOMPARE(picture->pixmap().isNull(), !sucellus);
        }
    }
};

QTEST_MAIN(ReferenceTest)
#include "tst_reference.moc"
