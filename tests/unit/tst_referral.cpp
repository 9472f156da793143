#include "FakeSystem.h"

#include "web/modHelp.h"
#include "web/modTellAFriend.h"

#include <QtTest>

// The referral address: whatever the user typed, the server decodes exactly
// that, and no value can add, cut or change a parameter. (The checks before it
// are driven through the exit window's form.)
class ReferralTest : public QObject
{
    Q_OBJECT

    // Splits a query as a web server does: on "&", then on the first "=", each
    // part percent-decoded as UTF-8. Independent of QUrl on purpose.
    static QList<QPair<QString, QString>> serverDecode(const QString& address)
    {
        QList<QPair<QString, QString>> items;
        const QString query = address.section(QLatin1Char('?'), 1);
        for (const QString& item : query.split(QLatin1Char('&'))) {
            const qsizetype equals = item.indexOf(QLatin1Char('='));
            auto decode = [](const QString& part) {
                return QString::fromUtf8(QByteArray::fromPercentEncoding(part.toLatin1()));
            };
            items.append({decode(item.left(equals)), decode(item.mid(equals + 1))});
        }
        return items;
    }

    static void store(const QString& name, const QString& email, const QString& message,
                      const QString& friendName, const QString& friendEmail)
    {
        modTellAFriend::ReferrerName = name;
        modTellAFriend::ReferrerEmail = email;
        modTellAFriend::ReferralMessage = message;
        modTellAFriend::FriendName = friendName;
        modTellAFriend::FriendEmail = friendEmail;
    }

private Q_SLOTS:
    void everyValueReachesTheServerAsTyped_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("a parameter smuggled in") << "x&taf5=someone@else.example";
        QTest::newRow("fragment mark") << "Ann #1";
        QTest::newRow("percent signs") << "100% sure %41 %zz %";
        QTest::newRow("plus and question") << "a+b?c/d";
        QTest::newRow("line breaks") << "line one\r\nline two\r\n";
        QTest::newRow("letters beyond ASCII") << "Åsa Þórsdóttir, Straße, 日本";
        QTest::newRow("unreserved only") << "Ann-Lee_2.0~x";
    }

    void everyValueReachesTheServerAsTyped()
    {
        QFETCH(QString, value);
        FakeSystem system;
        // The same tricky value in every field at once: none may leak into another.
        store(value, value, value, value, value);

        modTellAFriend::SendReferral();

        QCOMPARE(system.openedAddresses.size(), 1);
        const QString opened = system.openedAddresses[0];
        // Handed over unchanged: no layer between re-encodes or decodes anything.
        QCOMPARE(opened, modTellAFriend::ReferralAddress);
        QVERIFY(!opened.contains(QLatin1Char('#')));
        QVERIFY(!opened.contains(QLatin1Char(' ')));

        const QString product = modHelp::ProductFolderAddress();
        const QList<QPair<QString, QString>> expected = {
            {"page", "kzlt-refer-a-friend"}, {"taf1", value}, {"taf2", value}, {"taf3", value},
            {"taf4", value}, {"taf5", value}, {"taf6", product},
        };
        QCOMPARE(serverDecode(opened), expected);
        QVERIFY(opened.startsWith(product + QStringLiteral("ssd.php?page=kzlt-refer-a-friend&taf1=")));
        QVERIFY(opened.endsWith(QStringLiteral("&taf6=") + product));
    }
};

QTEST_MAIN(ReferralTest)
#include "tst_referral.moc"
