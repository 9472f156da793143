#include "calendar/modPaganFestivals.h"

#include <QtTest>

using namespace modPaganFestivals;

class FestivalTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { BuildFestivalTable(); }

    void blocks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("January 2006 is index 0")
            << 0 << QStringLiteral("January 23, 2006\r\nDay of Braciaca(2 DAYS)23rd Onward");
        QTest::newRow("October 2006, one entry")
            << 9 << QStringLiteral("October 23, 2006\r\nSAMHAIN");
        QTest::newRow("February 2007, three entries")
            << 13
            << QStringLiteral("February 2, 2007\r\nIMBOLC\r\n\r\n"
                              "February 13, 2007\r\nFestival of Love : Danu and cernunnos(9 DAYS) "
                              "13th Feb Onward\r\n\r\nFebruary 28, 2007\r\nDay of Merriddyn");
        QTest::newRow("September 2008 keeps its odd spacing")
            << 32
            << QStringLiteral("September 7, 2008\r\nBirth of the Mother\r\n\r\n"
                              "September 21, 2008\r\nAUTUMN EQUINOX\r\n\r\n"
                              "September 24, 2008\r\nGreater Mysteries of llyr (5 DAYS) 24 th Sept "
                              "Onward\r\n\r\nSeptember 25, 2008\r\nBirth of Taliesin");
    }

    void blocks()
    {
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(FestivalMonth(index).value_or(QStringLiteral("<refused>")), expected);
    }

    void decemberEndsDifferentlyIn2008()
    {
        const QString dec = QStringLiteral("\r\nFestival of Wine and pleasure (4 DAYS) 28th Dec Onward");
        QVERIFY(FestivalMonth(11)->endsWith(dec));
        QVERIFY(FestivalMonth(23)->endsWith(dec));
        QVERIFY(FestivalMonth(35)->endsWith(QStringLiteral(
            "\r\nFestival of Wine and pleasure (4 DAYS) 28th December Onward")));
        QCOMPARE(FestivalMonth(35)->count(QStringLiteral(", 2008\r\n")), 6);
    }

    void everyBlockIsWellFormed()
    {
        const int entriesPerMonth[12] = {1, 3, 3, 1, 1, 5, 2, 5, 4, 1, 2, 6};
        const QStringList englishMonths = {
            "January", "February", "March",     "April",   "May",      "June",
            "July",    "August",   "September", "October", "November", "December"};
        for (int year = 2006; year <= 2008; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const QString block = *FestivalMonth(MonthIndex(year, month));
                const QString where = QStringLiteral("%1-%2").arg(year).arg(month);
                QVERIFY2(!block.startsWith(QLatin1Char('\r')) && !block.endsWith(QLatin1Char('\n')),
                         qPrintable(where));
                const QStringList entries = block.split(QStringLiteral("\r\n\r\n"));
                QCOMPARE(entries.size(), entriesPerMonth[month - 1]);
                int previousDay = 0;
                for (const QString& entry : entries) {
                    const QStringList lines = entry.split(QStringLiteral("\r\n"));
                    QCOMPARE(lines.size(), 2);
                    // "Month D, YYYY" in English, days ascending, no stray LF or CR.
                    const QRegularExpression dateLine(QStringLiteral("^(\\w+) ([1-9]\\d?), (\\d{4})$"));
                    const auto match = dateLine.match(lines[0]);
                    QVERIFY2(match.hasMatch(), qPrintable(lines[0]));
                    QCOMPARE(match.captured(1), englishMonths[month - 1]);
                    QCOMPARE(match.captured(3).toInt(), year);
                    QVERIFY(match.captured(2).toInt() > previousDay);
                    previousDay = match.captured(2).toInt();
                    QVERIFY(!lines[1].isEmpty() && !lines[1].contains(QLatin1Char('\n')));
                }
            }
        }
    }

    void readsOutsideTheTableAreRefused()
    {
        const auto before = FestivalMonths;
        QVERIFY(!FestivalMonth(-1).has_value());
        QVERIFY(!FestivalMonth(36).has_value());
        QVERIFY(FestivalMonths == before);
        QCOMPARE(MonthIndex(2006, 1), 0);
        QCOMPARE(MonthIndex(2007, 6), 17);
        QCOMPARE(MonthIndex(2008, 12), 35);
    }

    void rebuildingGivesTheSameTable()
    {
        const auto once = FestivalMonths;
        FestivalMonths.fill(QStringLiteral("stale"));
        BuildFestivalTable();
        BuildFestivalTable();
        QVERIFY(FestivalMonths == once);
    }
};

QTEST_GUILESS_MAIN(FestivalTableTest)
#include "tst_festivaltable.moc"
