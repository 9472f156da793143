#include "core/SettingsCodec.h"

#include <QSet>
#include <QTest>

// Codes in Windows-1252, written out here independently of the codec.
static QString Ansi(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text.append(QChar(unit));
    return text;
}

class tst_SettingsCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void everyCodeRoundTrips();
};

void tst_SettingsCodec::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("abc is 182 183 184") << "abc" << Ansi({0xB6, 0xB7, 0xB8});
    QTest::newRow("the key") << "Duration"
                             << Ansi({0x2122, 0xCA, 0xC7, 0xB6, 0xC9, 0xBE, 0xC4, 0xC3});
    // 0x84, 0x85 and 0x82 are the page's low quote, ellipsis and low single quote.
    QTest::newRow("date separators") << "/0-" << Ansi({0x201E, 0x2026, 0x201A});
    // 8, colon and H land on codes the page leaves unassigned; Windows keeps them as C1 controls.
    QTest::newRow("unassigned codes kept") << "8:H" << Ansi({0x8D, 0x8F, 0x9D});
    QTest::newRow("euro has a code") << QString(QChar(0x20AC)) << Ansi({0xD5});
    QTest::newRow("highest code that fits") << QString(QChar(0xAA)) << Ansi({0xFF});
    QTest::newRow("shifted past 255 left out") << QString("a") + QChar(0xAB) + QChar(0xFF) + "b"
                                               << Ansi({0xB6, 0xB7});
    QTest::newRow("no code in the page left out")
        << QString("a") + QChar(0x0101) + QChar(0x0080) + QChar(0x3042) + "b"
        << Ansi({0xB6, 0xB7});
    QTest::newRow("surrogate pair left out") << QString("a") + QString::fromUtf8("\U0001F600") + "b"
                                             << Ansi({0xB6, 0xB7});
}

void tst_SettingsCodec::encode()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(EncodeSetting(text), encoded);
}

void tst_SettingsCodec::decode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decoded");

    QTest::newRow("code 85 becomes 0") << "U" << QString(QChar(0));
    QTest::newRow("below 85 left out") << "T!a" << QString(QChar(0x0C));
    QTest::newRow("euro is 128, so plus") << QString(QChar(0x20AC)) << "+";
    QTest::newRow("C1 control 0x9D is H") << Ansi({0x9D}) << "H";
    QTest::newRow("C1 control without a code left out") << Ansi({0x80, 0xB6}) << "a";
}

void tst_SettingsCodec::decode()
{
    QFETCH(QString, text);
    QFETCH(QString, decoded);
    QCOMPARE(DecodeSetting(text), decoded);
}

void tst_SettingsCodec::everyCodeRoundTrips()
{
    // Over all of UTF-16: exactly the characters with codes 0..170 can be encoded,
    // exactly those with codes 85..255 decoded, and each comes back as it was. A
    // wrong, doubled or missing entry in the page's table breaks one of these.
    int encodable = 0;
    int decodable = 0;
    QSet<QString> encodings;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const QString character{QChar(char16_t(unit))};
        const QString encoded = EncodeSetting(character);
        if (!encoded.isEmpty()) {
            ++encodable;
            encodings.insert(encoded);
            QCOMPARE(DecodeSetting(encoded), character);
        }
        const QString decoded = DecodeSetting(character);
        if (!decoded.isEmpty()) {
            ++decodable;
            QCOMPARE(EncodeSetting(decoded), character);
        }
    }
    QCOMPARE(encodable, 171);
    QCOMPARE(decodable, 171);
    QCOMPARE(encodings.size(), 171);
}

QTEST_APPLESS_MAIN(tst_SettingsCodec)
#include "tst_settingscodec.moc"
