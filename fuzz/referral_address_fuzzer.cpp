// Any five referral values: the built address always decodes to exactly those
// values under exactly the six parameters, in order, whatever the values hold.
#include "web/modHelp.h"
#include "web/modTellAFriend.h"

#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The input is split into five values at zero bytes.
    QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    while (parts.size() < 5)
        parts.append(QByteArray());
    using namespace modTellAFriend;
    ReferrerName = QString::fromUtf8(parts[0]);
    ReferrerEmail = QString::fromUtf8(parts[1]);
    ReferralMessage = QString::fromUtf8(parts[2]);
    FriendName = QString::fromUtf8(parts[3]);
    FriendEmail = QString::fromUtf8(parts[4]);

    const QString address = BuildReferralAddress();
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.hasFragment())
        std::abort();
    // Decoded as a web server does: split at "&" and "=", then percent and UTF-8 decoding.
    QList<std::pair<QString, QString>> items;
    const QByteArray query = address.toLatin1().mid(address.indexOf(QLatin1Char('?')) + 1);
    for (const QByteArray& item : query.split('&')) {
        const qsizetype equals = item.indexOf('=');
        if (equals < 0)
            std::abort();
        items.append({QString::fromUtf8(QByteArray::fromPercentEncoding(item.left(equals))),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(item.mid(equals + 1)))});
    }
    const QStringList expectedNames = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
    const QStringList expectedValues = {QString::fromLatin1(ReferralPageKey),
                                        ReferrerName,
                                        ReferrerEmail,
                                        ReferralMessage,
                                        FriendName,
                                        FriendEmail,
                                        modHelp::ProductFolderAddress()};
    if (items.size() != expectedNames.size())
        std::abort();
    for (qsizetype index = 0; index < items.size(); ++index) {
        if (items[index].first != expectedNames[index]
            || items[index].second != expectedValues[index])
            std::abort();
    }
    return 0;
}
