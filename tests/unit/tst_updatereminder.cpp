#include "FakeSystem.h"
#include "SettingsSandbox.h"
#include "WindowCleanup.h"

#include "forms/FormHandle.h"
#include "app/frmMain.h"
#include "app/frmStartup.h"
#include "core/ReminderDate.h"
#include "core/SettingsCodec.h"
#include "core/SettingsStore.h"
#include "web/UpdateReminder.h"
#include "web/modHelp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace {

const QString Question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
// "Duration" encoded, as the INI file writes it: the raw key of the reminder date.
const QByteArray EscapedKey = "%U2122%CA%C7%B6%C9%BE%C4%C3";
const QString StoredKey = QStringLiteral("Settings/")
    + QString::fromUtf16(u"\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QDate Today(2026, 12, 7);

// The INI file of the platforms that keep the store in a file.
QString StoreFile()
{
    const QString name = SettingsStore::applicationName();
    return SettingsStoreFolder() + u'/' + name + QStringLiteral(".conf");
}

// The stored text, read past the program's own store.
QString StoredText()
{
    return DecodeSetting(OpenStoreDirectly().value(StoredKey).toString());
}

void Plant(const QVariant& value)
{
    QSettings store = OpenStoreDirectly();
    store.setValue(StoredKey, value.typeId() == QMetaType::QString ? EncodeSetting(value.toString()) : value);
    store.sync();
    QCOMPARE(store.status(), QSettings::NoError);
}

// All the store holds: the file's bytes, or on Windows every value under the key with its type.
QByteArray StoreContent()
{
#ifdef Q_OS_WIN
    QString values;
    QSettings store = OpenStoreDirectly();
    for (const QString& key : store.allKeys())
        values += key + u'=' + store.value(key).typeName() + u':' + store.value(key).toString() + u'\n';
    return values.toUtf8();
#else
    QFile file(StoreFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
#endif
}

QString UsDate(const QDate& date)
{
    return QLocale::c().toString(date, u"M/d/yyyy");
}

// Notes what the store holds at the moment the browser is asked to open a page.
class OrderRecordingSystem : public FakeSystem
{
public:
    void openUrl(const QUrl& address) override
    {
        storedWhenOpened.append(StoredText());
        FakeSystem::openUrl(address);
    }
    QStringList storedWhenOpened;
};

enum class BadStore { StoreIsFolder, ConfigFolderIsFile, BinaryGarbage, OpenQuote, ListValue, BytesValue, NumberValue };

} // namespace

Q_DECLARE_METATYPE(BadStore)

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void firstStartRecordsTodayWithoutAsking();
    void asksOnlyBeyondAFortnight_data();
    void asksOnlyBeyondAFortnight();

    void dateReadsBackInEveryLocale_data();
    void dateReadsBackInEveryLocale();
    void textReadsAsTheDateWritten_data();
    void textReadsAsTheDateWritten();
    void yearWidenedOutsideQuotesOnly_data();
    void yearWidenedOutsideQuotesOnly();

    void badStoreIsPassedOverQuietly_data();
    void badStoreIsPassedOverQuietly();
    void lockThatCannotBeTakenDoesNotHang();

    void questionComesBeforeTheMainWindow();
    void brokenStoreStillShowsTheMainWindow();
};

void tst_UpdateReminder::cleanup()
{
    // A test that put a file in place of the store's folder takes it away again.
    if (QFileInfo(SettingsStoreFolder()).isFile())
        QFile::remove(SettingsStoreFolder());
    CloseAllWindows();
}

void tst_UpdateReminder::firstStartRecordsTodayWithoutAsking()
{
    FakeSystem system;
    QVERIFY(StoreContent().isEmpty());

    ShowUpdateReminder();

    QVERIFY(system.messages.isEmpty());
    QVERIFY(system.openedAddresses.isEmpty());
    QCOMPARE(StoredText(), QStringLiteral("12/7/2026"));
    QCOMPARE(OpenStoreDirectly().allKeys(), QStringList{StoredKey});
}

void tst_UpdateReminder::asksOnlyBeyondAFortnight_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: not asked

    const auto no = QMessageBox::No, none = QMessageBox::NoButton;
    QTest::newRow("same day") << Today << UsDate(Today) << none;
    QTest::newRow("14 days back") << Today << UsDate(Today.addDays(-14)) << none;
    QTest::newRow("15 days back") << Today << UsDate(Today.addDays(-15)) << no;
    QTest::newRow("14 days ahead") << Today << UsDate(Today.addDays(14)) << none;
    QTest::newRow("15 days ahead") << Today << UsDate(Today.addDays(15)) << no;
    QTest::newRow("years back") << Today << "1/1/2006" << no;
    QTest::newRow("30 days back, Yes") << Today << UsDate(Today.addDays(-30)) << QMessageBox::Yes;
    QTest::newRow("15 days across new year") << QDate(2027, 1, 5) << "12/21/2026" << no;
    QTest::newRow("14 days across February") << QDate(2028, 3, 13) << "2/28/2028" << none;
    // An old two-digit year is the nearest one, so it does not ask at every start.
    QTest::newRow("two-digit year") << QDate(2026, 12, 10) << "12/7/26" << none;
    // Text that is no date is left alone.
    QTest::newRow("a word") << Today << "soon" << none;
    QTest::newRow("no such day") << Today << "2/30/2026" << none;
    QTest::newRow("another locale's form") << Today << "07.12.2026" << none;
    QTest::newRow("trailing text") << Today << "11/7/2026 12:00" << none;
    QTest::newRow("month name") << Today << "Nov 7 2026" << none;
}

void tst_UpdateReminder::asksOnlyBeyondAFortnight()
{
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(QMessageBox::StandardButton, answer);
    OrderRecordingSystem system;
    system.date = today;
    system.answer = answer;
    Plant(stored);
    const QByteArray before = StoreContent();

    ShowUpdateReminder();

    if (answer == QMessageBox::NoButton) {
        // Not even rewritten: daily starts never push the reminder back.
        QVERIFY(system.messages.isEmpty());
        QVERIFY(system.openedAddresses.isEmpty());
        QCOMPARE(StoreContent(), before);
        return;
    }
    QCOMPARE(system.messages.size(), 1);
    const FakeSystem::Message& message = system.messages.first();
    QCOMPARE(message.text, Question);
    QCOMPARE(message.icon, QMessageBox::Information);
    QCOMPARE(message.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(message.defaultButton, QMessageBox::Yes);
    QCOMPARE(StoredText(), UsDate(today));
    if (answer == QMessageBox::Yes) {
        QCOMPARE(system.openedAddresses,
                 QStringList{modHelp::PageAddress(QStringLiteral("download-web-page"))});
        QVERIFY(system.openedAddresses.first().endsWith(u"/velloran/ssd.php?page=download-web-page"));
        // The date was already written when the page was opened.
        QCOMPARE(system.storedWhenOpened, QStringList{UsDate(today)});
    } else {
        QVERIFY(system.openedAddresses.isEmpty());
    }
}

void tst_UpdateReminder::dateReadsBackInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("written");

    // Qt 6.4 and 6.8 give C the short date "d MMM yy", Qt 6.11 "d MM yy".
    QTest::newRow("C") << "C" << (QT_VERSION >= QT_VERSION_CHECK(6, 11, 0) ? "7 12 2026" : "7 Dec 2026");
    QTest::newRow("en_US") << "en_US" << "12/7/2026";
    QTest::newRow("en_GB") << "en_GB" << "07/12/2026";
    QTest::newRow("de_DE") << "de_DE" << "07.12.2026";
    QTest::newRow("ru_RU") << "ru_RU" << "07.12.2026";
    QTest::newRow("ja_JP") << "ja_JP" << "2026/12/07";
    QTest::newRow("ko_KR") << "ko_KR" << "2026. 12. 7.";
    // Native digits and Cyrillic letters have no code in the ANSI page and would be
    // lost on encoding: such locales keep the date in ISO form.
    QTest::newRow("ar_EG") << "ar_EG" << "2026-12-07";
    QTest::newRow("bg_BG") << "bg_BG" << "2026-12-07";
}

void tst_UpdateReminder::dateReadsBackInEveryLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, written);
    FakeSystem system;
    system.userLocale = QLocale(locale);
    system.date = Today;

    ShowUpdateReminder();
    QCOMPARE(StoredText(), written);
    QCOMPARE(ReminderDate::fromText(written, system.userLocale, Today), Today);

    system.date = Today.addDays(14);
    ShowUpdateReminder();
    QVERIFY(system.messages.isEmpty());
    system.date = Today.addDays(15);
    ShowUpdateReminder();
    QCOMPARE(system.messages.size(), 1);
}

void tst_UpdateReminder::textReadsAsTheDateWritten_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");

    QTest::newRow("en_US this year") << "en_US" << "12/7/26" << QDate(2026, 12, 7);
    QTest::newRow("de_DE this year") << "de_DE" << "07.12.26" << QDate(2026, 12, 7);
    QTest::newRow("ko_KR this year") << "ko_KR" << "26. 12. 7." << QDate(2026, 12, 7);
    QTest::newRow("late last century") << "en_US" << "1/5/99" << QDate(1999, 1, 5);
    QTest::newRow("some years ahead") << "en_US" << "1/5/30" << QDate(2030, 1, 5);
    QTest::newRow("four digits still read") << "de_DE" << "07.12.2026" << QDate(2026, 12, 7);
    // Written in an earlier start under another locale, read under this one.
    QTest::newRow("C's under en_US") << "en_US" << "9 Dec 2026" << QDate(2026, 12, 9);
    QTest::newRow("en_US's under C") << "C" << "12/9/2026" << QDate(2026, 12, 9);
    QTest::newRow("en_GB's under C, not en_US's") << "C" << "09/12/2026" << QDate(2026, 12, 9);
    QTest::newRow("de_DE's under en_US") << "en_US" << "09.12.2026" << QDate(2026, 12, 9);
    QTest::newRow("ko_KR's under de_DE") << "de_DE" << "2026. 12. 9." << QDate(2026, 12, 9);
    QTest::newRow("ja_JP's under en_GB") << "en_GB" << "2026/12/09" << QDate(2026, 12, 9);
    QTest::newRow("ISO under C") << "C" << "2026-12-09" << QDate(2026, 12, 9);
    // What a build on another Qt wrote under C, read by this one, whichever it is.
    QTest::newRow("C's of Qt 6.4 and 6.8") << "C" << "9 Dec 2026" << QDate(2026, 12, 9);
    QTest::newRow("C's of Qt 6.11") << "C" << "9 01 2026" << QDate(2026, 1, 9);
    QTest::newRow("C's of Qt 6.11 under de_DE") << "de_DE" << "9 12 2026" << QDate(2026, 12, 9);
    // What the locale itself reads stays as it was; what no locale writes is no date.
    QTest::newRow("en_US reads its own way") << "en_US" << "09/12/2026" << QDate(2026, 9, 12);
    QTest::newRow("no locale's") << "C" << "12/9/2026 12:00" << QDate();
}

void tst_UpdateReminder::textReadsAsTheDateWritten()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ReminderDate::fromText(text, QLocale(locale), Today), date);
}

void tst_UpdateReminder::yearWidenedOutsideQuotesOnly_data()
{
    // Windows short date formats as a user may write them.
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("widened");
    QTest::newRow("two digits; four, three or one stay") << "M/d/yy yyyy yyy y" << "M/d/yyyy yyyy yyy y";
    QTest::newRow("a literal at the end") << "yy 'yy'" << "yyyy 'yy'";
    QTest::newRow("a quote inside a literal") << "'it''s yy' yy" << "'it''s yy' yyyy";
    QTest::newRow("a lone quote character") << "yy''yy" << "yyyy''yyyy";
    QTest::newRow("a literal never closed") << "dd/yy 'yy" << "dd/yyyy 'yy";
}

void tst_UpdateReminder::yearWidenedOutsideQuotesOnly()
{
    QFETCH(QString, format);
    QFETCH(QString, widened);
    QCOMPARE(ReminderDate::withFullYear(format), widened);
}

void tst_UpdateReminder::badStoreIsPassedOverQuietly_data()
{
    QTest::addColumn<BadStore>("kind");
    // Whether the store must stay as it was; garbage without the key may read as a
    // store that has no date yet, and then today's date may be added to it.
    QTest::addColumn<bool>("untouched");

#ifndef Q_OS_WIN // a file to break
    QTest::newRow("a folder where the file goes") << BadStore::StoreIsFolder << true;
    QTest::newRow("a file where the config folder goes") << BadStore::ConfigFolderIsFile << true;
    QTest::newRow("binary garbage") << BadStore::BinaryGarbage << false;
    QTest::newRow("unterminated quote") << BadStore::OpenQuote << true;
#endif
    QTest::newRow("a list under the key") << BadStore::ListValue << true;
    QTest::newRow("bytes under the key") << BadStore::BytesValue << true;
    QTest::newRow("a number under the key") << BadStore::NumberValue << true;
}

void tst_UpdateReminder::badStoreIsPassedOverQuietly()
{
    QFETCH(BadStore, kind);
    QFETCH(bool, untouched);
    FakeSystem system;
    QByteArray content;
    switch (kind) {
    case BadStore::StoreIsFolder:
        QVERIFY(QDir().mkpath(StoreFile()));
        break;
    case BadStore::ConfigFolderIsFile: {
        QVERIFY(QDir(SettingsStoreFolder()).removeRecursively());
        QFile file(SettingsStoreFolder());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
        break;
    }
    case BadStore::BinaryGarbage:
        content = QByteArray("\x00\xff\xfe[[[==\n\x01\x02", 11);
        break;
    case BadStore::OpenQuote:
        content = "[Settings\n" + EscapedKey + "=\"12/7/2026\n";
        break;
    case BadStore::ListValue:
        Plant(QStringList{QStringLiteral("a"), QStringLiteral("b")});
        break;
    case BadStore::BytesValue:
        Plant(QByteArray("abc"));
        break;
    case BadStore::NumberValue:
        Plant(5);
        break;
    }
    if (!content.isEmpty()) {
        QFile file(StoreFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray before = StoreContent();

    ShowUpdateReminder();

    QVERIFY(system.messages.isEmpty());
    QVERIFY(system.openedAddresses.isEmpty());
    if (untouched)
        QCOMPARE(StoreContent(), before);
}

void tst_UpdateReminder::lockThatCannotBeTakenDoesNotHang()
{
    // QSettings would wait for ever on a lock file it cannot take; the user's Yes
    // still opens the page when the date cannot be written.
#ifdef Q_OS_WIN
    QSKIP("The registry has no lock file");
#endif
    FakeSystem system;
    system.answer = QMessageBox::Yes;
    Plant(UsDate(Today.addDays(-15)));
    QVERIFY(QDir().mkpath(StoreFile() + QStringLiteral(".lock")));
    QElapsedTimer timer;
    timer.start();

    ShowUpdateReminder();

    QVERIFY(timer.elapsed() < 10000);
    QCOMPARE(system.messages.size(), 1);
    QCOMPARE(system.openedAddresses.size(), 1);
    QCOMPARE(StoredText(), UsDate(Today.addDays(-15)));
}

void tst_UpdateReminder::questionComesBeforeTheMainWindow()
{
    FakeSystem system;
    system.answer = QMessageBox::No;
    Plant(UsDate(Today.addDays(-15)));
    bool mainWindowShownDuringQuestion = true;
    system.onMessage = [&](const FakeSystem::Message&) {
        mainWindowShownDuringQuestion = FormHandle<frmMain>::loaded()
            && FormHandle<frmMain>::loaded()->isVisible();
    };

    FormHandle<frmStartup>::get();

    QCOMPARE(system.messages.size(), 1);
    QVERIFY(!mainWindowShownDuringQuestion);
    QVERIFY(FormHandle<frmMain>::loaded() && FormHandle<frmMain>::loaded()->isVisible());
    QCOMPARE(StoredText(), UsDate(Today));
}

void tst_UpdateReminder::brokenStoreStillShowsTheMainWindow()
{
    FakeSystem system;
    Plant(QStringList{QStringLiteral("not"), QStringLiteral("text")});

    FormHandle<frmStartup>::get();

    QVERIFY(system.messages.isEmpty());
    QCOMPARE(system.endCalls, 0);
    QVERIFY(FormHandle<frmMain>::loaded() && FormHandle<frmMain>::loaded()->isVisible());
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
