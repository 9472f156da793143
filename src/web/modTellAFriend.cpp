#include "web/modTellAFriend.h"

#include "platform/SystemServices.h"
#include "web/modHelp.h"

#include <QUrl>

#include <utility>

namespace modTellAFriend {

QString ReferrerName;
QString ReferrerEmail;
QString ReferralMessage;
QString FriendName;
QString FriendEmail;
QString ReferralAddress;

void ShowReferralMessage(QWidget* parent, const char* text)
{
    System().showMessage(parent, QMessageBox::Critical, QString::fromUtf8(text), QMessageBox::Ok,
                         QMessageBox::Ok);
}

QString EncodeQueryValue(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QString BuildReferralAddress()
{
    const std::pair<const char*, const QString*> values[] = {
        {"taf1", &ReferrerName}, {"taf2", &ReferrerEmail}, {"taf3", &ReferralMessage},
        {"taf4", &FriendName},   {"taf5", &FriendEmail},
    };
    QString address = modHelp::PageAddress(QString::fromLatin1(ReferralPageKey));
    for (const auto& [name, value] : values)
        address +=
            QLatin1Char('&') + QLatin1String(name) + QLatin1Char('=') + EncodeQueryValue(*value);
    // The folder address is ours and already valid inside a query: it goes as it is.
    address += QStringLiteral("&taf6=") + modHelp::ProductFolderAddress();
    return address;
}

namespace {

// An empty value and an untouched placeholder both count as not filled in.
bool isMissing(const QString& value, const char* placeholder)
{
    const QString trimmed = TrimSpaces(value);
    return trimmed.isEmpty() || trimmed == QString::fromUtf8(placeholder);
}

} // namespace

void SubmitReferral(QWidget* parent)
{
    if (ReferrerEmail == FriendEmail) {
        ShowReferralMessage(parent, DistinctEmailMessage);
        return;
    }
    for (QChar required : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!ReferrerEmail.contains(required) || !FriendEmail.contains(required)) {
            ShowReferralMessage(parent, ProperEmailMessage);
            return;
        }
    }
    SendReferral(parent);
}

void SendReferral(QWidget* parent)
{
    if (isMissing(ReferrerName, YourNamePlaceholder)) {
        ShowReferralMessage(parent, YourNameMessage);
        return;
    }
    if (isMissing(ReferralMessage, YourMessagePlaceholder)) {
        ShowReferralMessage(parent, YourMessageMessage);
        return;
    }
    if (isMissing(FriendName, FriendNamePlaceholder)) {
        ShowReferralMessage(parent, FriendNameMessage);
        return;
    }
    ReferralAddress = BuildReferralAddress();
    OpenReferralAddress();
}

void OpenReferralAddress()
{
    modHelp::OpenWebPage(ReferralAddress);
}

} // namespace modTellAFriend
