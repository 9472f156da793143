#pragma once

#include <QString>
#include <QUrl>

// The web-page commands: each opens one fixed page of the maker's site in the
// default browser and reports nothing, whatever the outcome.
namespace modHelp {

// The maker's server, scheme and host, without a trailing slash.
inline constexpr char ServerAddress[] = "http://www.tarrowmoor.com";
// The program's folder on the server, ending in the slash.
QString ProductFolderAddress();
// The address of the page with the given page key.
QString PageAddress(const QString& pageKey);

void OpenWebPage(const QString& address);

void OpenHomePage();
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenSoftwaresPage();

} // namespace modHelp
