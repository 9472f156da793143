#include "FakeSystem.h"
#include "WindowCleanup.h"
#include "WindowQueries.h"

#include "forms/FormHandle.h"
#include "app/frmMain.h"
#include "controls/AccessibilityFactory.h"
#include "controls/Drawings.h"
#include "controls/TabButton.h"
#include "controls/TabControl.h"
#include "controls/Twips.h"
#include "reference/EntryGroupPage.h"
#include "reference/EntryPicture.h"
#include "reference/ReferenceContent.h"

#include <QAccessible>
#include <QDirIterator>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QSet>
#include <QtTest>

namespace {

const QStringList GroupNames{"SSTFestiveSeasons", "SSTElements", "SSTGods", "SSTGoddesses"};
const char* const GroupResources[] = {"festive-seasons", "elements", "gods", "goddesses"};

TabControl* group(const frmMain& main, const QString& name)
{
    return main.SSTMain()->findChild<TabControl*>(name);
}

QLabel* label(const frmMain& main, const QString& name)
{
    return main.findChild<QLabel*>(name);
}

void verifyText(const QLabel* label, const QString& opening, int length)
{
    const QString text = label->text();
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size() + 20)));
    // As long as described, or somewhat shorter where Verdana needs the room.
    QVERIFY2(text.size() <= length * 105 / 100 && text.size() >= length * 7 / 10,
             qPrintable(QStringLiteral("%1 characters, %2 wanted").arg(text.size()).arg(length)));
    QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
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
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("title");
        // The inside of the picture's frame, in logical pixels; none: the group has no pictures.
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("opening");

        const auto entry = [](const char* control, int pos, const char* title, QSize size,
                              int length, const char* opening) {
            QTest::addRow("%s %d %s", control, pos, title)
                << control << pos << title << size << length << opening;
        };
        const char* season = "SSTFestiveSeasons";
        entry(season, 0, "Yule", {}, 379,
              "This is generally celebrated during the winter time i.e. from December 23-25.");
        entry(season, 1, "Candlemas", {}, 311,
              "This day is observed on 2nd February as the birthday of Brigid");
        entry(season, 2, "Eostar", {}, 282,
              "Observed within March 20-23, this day is the start of the Pagan year of springs.");
        entry(season, 3, "Samhain", {}, 370,
              "Also known as the Halloween, this day is celebrated on October 31st.");
        entry(season, 4, "Mabon", {}, 171,
              "Though the period from September 20-23 is observed as a holiday");
        entry(season, 5, "Litha", {}, 393,
              "Observed during the summer time i.e. from June 20-23, this festival is held on "
              "the longest day.");
        entry(season, 6, "Beltan", {}, 497,
              "The most important festive for the Pagans after Samhain.");
        entry(season, 7, "Lughnasad", {}, 199, "1st August is the day of Lughnasad.");

        const char* element = "SSTElements";
        entry(element, 0, "Earth", {78, 88}, 778,
              "This is the element which is associated with the North direction.");
        entry(element, 1, "Air", {78, 88}, 604,
              "This is the element which is associated with the East direction.");
        entry(element, 2, "Fire", {78, 88}, 779,
              "Fire is the element of Energy; it also represents action and activeness.");
        entry(element, 3, "Water", {78, 88}, 765,
              "This is the element which is associated with the West direction.");
        entry(element, 4, "Spirit", {78, 88}, 485,
              "This is the element which is associated with the center");

        const char* god = "SSTGods";
        entry(god, 0, "Angus of the Brugh", {95, 131}, 370, "Angus is the son of Dagda.");
        entry(god, 1, "Cernunnos", {95, 131}, 407,
              "The god of virility flanked by the ram-headed serpent and a stag.");
        entry(god, 2, "Dagda", {95, 131}, 599, "\"The Good God' is the father of Angus.");
        entry(god, 3, "Dian Cecht", {95, 131}, 460, "The healer god.");
        entry(god, 4, "Dis Pater", {95, 131}, 172,
              "Originally a god of death and the underworld, later the chief god of the Gauls.");
        entry(god, 5, "Donn", {95, 131}, 132, "The god of storms and thunders.");
        entry(god, 6, "Esus", {95, 131}, 190,
              "The god of Gauls who is very often portrayed as woodcutter.");
        entry(god, 7, "Govannon", {95, 131}, 409, "The god of weapons and armors- the smith god.");
        entry(god, 8, "Lug or Lugh", {95, 131}, 409, "The sun god.");
        entry(god, 9, "Nuadhu or Nud/ Nodens/ Lud", {95, 131}, 358,
              "He is the god of healing and water.");
        entry(god, 10, "Ogmios", {95, 131}, 218, "The god of language, eloquence and genius.");
        entry(god, 11, "Sucellus", {95, 131}, 182, "He is the god of forest and agriculture.");

        const char* goddess = "SSTGoddesses";
        entry(goddess, 0, "Arianrhod", {95, 131}, 297,
              "Arianrhod means Silver Circle; she is the Goddess of Virgin.");
        entry(goddess, 1, "Badb", {95, 131}, 431,
              "The Goddess of war who is known to use her magic to decide war.");
        entry(goddess, 2, "Brighit or Brigit", {95, 131}, 506,
              "Brigit is the goddess of craftsmanship, healing and metalwork.");
        entry(goddess, 3, "Caridwen or Hen Wen", {95, 131}, 337, "The goddess of grains and corns.");
        entry(goddess, 4, "Danu", {95, 131}, 290, "Danu is the Mother goddess.");
        entry(goddess, 5, "Epona", {95, 131}, 413, "The goddess of horse.");
    }

    void everyEntryAsDescribed()
    {
        QFETCH(QString, control);
        QFETCH(int, position);
        QFETCH(QString, title);
        QFETCH(QSize, pictureSize);
        QFETCH(int, length);
        QFETCH(QString, opening);

        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.SSTMain()->setSelectedIndex(GroupNames.indexOf(control) + 2);
        TabControl* tabs = group(main, control);
        tabs->setSelectedIndex(position);
        QCOMPARE(tabs->tabCaption(position), title);
        QCOMPARE(tabs->tabButton(position)->accessibleName(), title);

        const auto* page = qobject_cast<EntryGroupPage*>(tabs->parentWidget());
        QFrame* entryFrame = page->entryFrame(position);
        QCOMPARE(tabs->page(position), entryFrame);
        QLabel* text = page->entryLabel(position);
        QCOMPARE(text->parentWidget(), entryFrame);
        verifyText(text, opening, length);
        // Nothing of the text may fall outside the frame that shows it.
        QVERIFY(entryFrame->rect().contains(text->geometry()));

        EntryPicture* image = page->entryPicture(position);
        if (pictureSize.isEmpty()) {
            QVERIFY(!image && entryFrame->findChildren<QLabel*>().size() == 1);
            // Without a picture the text spans the width of the frame.
            QVERIFY(text->width() >= entryFrame->width() * 9 / 10);
            return;
        }
        QVERIFY(image->isVisible());
        QCOMPARE(image->accessibleName(), title);
        QVERIFY(!text->geometry().intersects(image->geometry()));
        // Drawn at the device pixels of the frame it fills, from a file in its shape.
        const QPixmap shown = image->pixmap();
        QCOMPARE(image->contentsRect().size(), pictureSize);
        QCOMPARE(shown.size(), DevicePixels(pictureSize));
        QCOMPARE(shown.deviceIndependentSize().toSize(), pictureSize);
        const char* resource = GroupResources[GroupNames.indexOf(control)];
        QCOMPARE(QImageReader(ReferenceContent::picturePath(resource, position)).size(),
                 pictureSize);
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
        QCOMPARE(label3->text(), label1->text());

        QCOMPARE(label4->text(), QStringLiteral("The following is the list of Pagan Festivals:"));
        QCOMPARE(label4->height(), label4->sizeHint().height()); // one line
        QVERIFY(label4->width() >= label4->fontMetrics().horizontalAdvance(label4->text()));

        // Introduction, heading line, entry tabs: top to bottom, none over another.
        TabControl* seasons = group(main, "SSTFestiveSeasons");
        QCOMPARE(label3->parentWidget()->parentWidget(), main.SSTMain()->page(2));
        QVERIFY(label3->geometry().bottom() < label4->geometry().top());
        QVERIFY(label4->geometry().bottom() < seasons->geometry().top());
    }

    void textsShowTheirAmpersands()
    {
        FakeSystem system;
        frmMain& main = FormHandle<frmMain>::get();
        QLabel* danu = label(main, "lblGoddesses(4)");
        QVERIFY(danu->text().contains(QStringLiteral("prosperity & plenty")));
        QAccessibleInterface* readOut = QAccessible::queryAccessibleInterface(danu);
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
        QCOMPARE(tabs->rowCount(), rows);
        QCOMPARE(tabs->tabCaption(tabs->selectedIndex()), selectedAtLoad);

        for (int index = 0; index < tabs->tabCount(); ++index) {
            TabButton* tab = tabs->tabButton(index);
            // Position order, left to right, row by row.
            QCOMPARE(tab->y(), (index / tabs->tabsInRow()) * tabs->tabHeight());
            if (index % tabs->tabsInRow() > 0)
                QVERIFY(tab->x() > tabs->tabButton(index - 1)->x());
            QVERIFY(tab->geometry().right() < tabs->width());
            QVERIFY(tab->height() > tab->fontMetrics().height());
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
        QWidget* pageFrame = main.SSTMain()->page(mainTab);
        QVERIFY(pageFrame->isAncestorOf(tabs));
        QVERIFY(pageFrame->rect().contains(tabs->geometry()));
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

            // Away to a page that resets nothing, and back: the gods page is
            // shown again, which resets its right-hand neighbour only.
            main.SSTMain()->setSelectedIndex(5);
            QTest::mouseClick(main.SSTMain()->tabButton(4), Qt::LeftButton);
            QCOMPARE(main.SSTMain()->selectedIndex(), 4);
            QCOMPARE(gods->selectedIndex(), 9);
            QVERIFY(gods->page(9)->isVisible());
            // Another group's selection is its own.
            QCOMPARE(group(main, "SSTElements")->selectedIndex(), 4);
        }
        CloseAllWindows();

        // A new load starts again on the entries selected at load.
        frmMain& again = FormHandle<frmMain>::get();
        QCOMPARE(again.SSTMain()->selectedIndex(), 0);
        QCOMPARE(group(again, "SSTGods")->selectedIndex(), 11);
    }

    void missingContentLeavesControlsEmpty()
    {
        QCOMPARE(ReferenceContent::text("no-such-group", 0), QString());

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
            const bool sucellus = picture->accessibleName() == QLatin1String("Sucellus");
            QCOMPARE(picture->isLoaded(), sucellus);
            QCOMPARE(picture->pixmap().isNull(), !sucellus);
        }
    }

    void everyRasterDrawnForEachCommonScale()
    {
        // Each picture, cursor and window icon has a drawing for each common scale, at its device
        // pixels, and a screen at that scale shows it. Skipped: the drawings themselves, the icon
        // theme's sizes (velloran-16) and Qt's own pictures (qt-project.org).
        const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
        int rasters = 0;
        for (QDirIterator found(QStringLiteral(":/"),
                                {QStringLiteral("*.png"), QStringLiteral("*.jpg")}, QDir::Files,
                                QDirIterator::Subdirectories);
             found.hasNext();) {
            const QString path = found.next();
            if (path.contains(u'@') || path.contains(u'-') || path.startsWith(QLatin1String(":/test/")))
                continue;
            ++rasters;
            const QSize logical = QImageReader(path).size();
            for (qreal scale : {1.25, 1.5, 1.75, 2.0, 3.0}) {
                const QString name =
                    QString(path).insert(path.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(scale));
                QImage drawn = QImage(name).convertToFormat(premultiplied);
                drawn.setDevicePixelRatio(scale);
                QVERIFY2(drawn.size() == (QSizeF(logical) * scale).toSize(), qPrintable(name));
                QCOMPARE(
                    Drawings::at(path, logical, scale).toImage().convertToFormat(premultiplied),
                    drawn);
            }
        }
        QCOMPARE(rasters, 27); // 23 reference pictures, the wheel, the window icon, two cursors
        // At 126 % the hand's 40 device pixels come from the drawing for 150 %, not from the one
        // for 125 % that was kept for the same 40 pixels; at 100 % the kept drawing is shown again.
        QImage larger = QImage(QStringLiteral(":/cursors/hand@1.5x.png"))
                            .scaled(40, 40, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(premultiplied);
        larger.setDevicePixelRatio(1.26);
        const QString hand = QStringLiteral(":/cursors/hand.png");
        Drawings::at(hand, QSize(32, 32), 1.25);
        QCOMPARE(Drawings::at(hand, QSize(32, 32), 1.26).toImage().convertToFormat(premultiplied), larger);
        QCOMPARE(Drawings::at(hand, QSize(32, 32), 1).cacheKey(), Drawings::at(hand, QSize(32, 32), 1).cacheKey());
    }
};

QTEST_MAIN(ReferenceTest)
#include "tst_reference.moc"
