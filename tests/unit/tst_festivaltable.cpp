#include "core/modPaganFestivals.h"

#include <QtTest>

using namespace modPaganFestivals;

namespace {

// The festivals as the table is written out, month name, day and festival line,
// in the order they stand in each year. December 2008 differs in its last line.
const char* const Rows = R"(January|23|Day of Braciaca(2 DAYS)23rd Onward
February|2|IMBOLC
February|13|Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward
February|28|Day of Merriddyn
March|1|Feast of Merlin
March|3|Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward
March|21|SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 DAYS)
April|30|BELTANE- and day of cernunnos
May|23|Day of Dark Goddess
June|5|Rites of Harvest (10 DAYS) 5th June Onward
June|12|Feast of Epona
June|17|Festival of the Birds (6 DAYS) 17 June Onwards
June|21|MIDSUMMER-(Litha)
June|23|Well Blessing Rites to the Water Goddess
July|13|Feast of cerridwen
July|19|Festival of the Forest Spirits (3 DAYS) 19th July Onward
August|1|LUGHNASADH
August|5|Day of Lugh
August|14|Day of the Queen of Heaven
August|19|Feast of the Late Wine
August|22|Festival of the Heroes (4 DAYS) 22nd August Onward
September|7|Birth of the Mother
September|21|AUTUMN EQUINOX
September|24|Greater Mysteries of llyr (5 DAYS) 24 th Sept Onward
September|25|Birth of Taliesin
October|23|SAMHAIN
November|1|Feast of Ancestors
November|9|Feast of Gods of Harvest and hunt(3 DAYS)
December|2|Feast of Rhiannon
December|12|day of Bellisama
December|13|Festival of Lights
December|21|YULE
December|23|Yuletide Tree and Elder Festival
December|28|Festival of Wine and pleasure (4 DAYS) 28th Dec Onward)";

const QStringList Months = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};

} // namespace

class FestivalTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { BuildFestivalTable(); }

    void everyBlockMatchesTheWrittenTable()
    {
        const QStringList rows = QString::fromUtf8(Rows).split(QLatin1Char('\n'));
        QCOMPARE(rows.size(), 34);
        for (int year = 2006; year <= 2008; ++year) {
            for (int month = 1; month <= 12; ++month) {
                QStringList entries;
                QList<int> days;
                for (const QString& row : rows) {
                    const QStringList cells = row.split(QLatin1Char('|'));
                    if (cells[0] != Months[month - 1])
                        continue;
                    QString line = cells[2];
                    if (year == 2008 && line.endsWith(QStringLiteral("28th Dec Onward")))
                        line.replace(QStringLiteral("28th Dec"), QStringLiteral("28th December"));
                    entries << QStringLiteral("%1 %2, %3\r\n%4").arg(cells[0], cells[1]).arg(year).arg(line);
                    days << cells[1].toInt();
                }
                const QString where = QStringLiteral("%1 %2").arg(Months[month - 1]).arg(year);
                QVERIFY2(FestivalMonth(MonthIndex(year, month)) == entries.join(QStringLiteral("\r\n\r\n")),
                         qPrintable(where));
                QCOMPARE(FestivalDays(month), days);
            }
        }
    }

    void blocksWrittenOutWhole_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("January 2006 is index 0")
            << 0 << QStringLiteral("January 23, 2006\r\nDay of Braciaca(2 DAYS)23rd Onward");
        QTest::newRow("December 2008 ends in its own words")
            << 35
            << QStringLiteral("December 2, 2008\r\nFeast of Rhiannon\r\n\r\n"
                              "December 12, 2008\r\nday of Bellisama\r\n\r\n"
                              "December 13, 2008\r\nFestival of Lights\r\n\r\n"
                              "December 21, 2008\r\nYULE\r\n\r\n"
                              "December 23, 2008\r\nYuletide Tree and Elder Festival\r\n\r\n"
                              "December 28, 2008\r\nFestival of Wine and pleasure (4 DAYS) 28th "
                              "December Onward");
        QTest::newRow("index -1 is refused") << -1 << QStringLiteral("<refused>");
        QTest::newRow("index 36 is refused") << 36 << QStringLiteral("<refused>");
    }

    void blocksWrittenOutWhole()
    {
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(FestivalMonth(index).value_or(QStringLiteral("<refused>")), expected);
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
