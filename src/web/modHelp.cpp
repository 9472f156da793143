#include "web/modHelp.h"

#include "platform/SystemServices.h"

namespace modHelp {

QString ProductFolderAddress()
{
    return QString::fromLatin1(ServerAddress) + QStringLiteral("/velloran/");
}

QString PageAddress(const QString& pageKey)
{
    return ProductFolderAddress() + QStringLiteral("ssd.php?page=") + pageKey;
}

void OpenWebPage(const QString& address)
{
    // Tolerant mode keeps the address as written; the browser gets exactly it.
    System().openUrl(QUrl(address, QUrl::TolerantMode));
}

void OpenHomePage()
{
    OpenWebPage(PageAddress(QStringLiteral("home-page")));
}
void OpenOnlineHelp()
{
    OpenWebPage(PageAddress(QStringLiteral("help-web-page")));
}
void OpenDownloadPage()
{
    OpenWebPage(PageAddress(QStringLiteral("download-web-page")));
}
void OpenDonatePage()
{
    OpenWebPage(PageAddress(QStringLiteral("donate")));
}
void OpenCoBrandPage()
{
    OpenWebPage(PageAddress(QStringLiteral("co-brand")));
}
void OpenFullBrandPage()
{
    OpenWebPage(PageAddress(QStringLiteral("fully-branded")));
}
void OpenSoftwaresPage()
{
    OpenWebPage(PageAddress(QStringLiteral("quillmeresoftwares")));
}

} // namespace modHelp
