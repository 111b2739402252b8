#pragma once
// Pages of the maker's web site, named by fixed page keys, and the one call that opens them.

#include <QString>

namespace platform {
class Platform;
}

namespace web {

enum class PageKey {
    HomePage,
    HelpWebPage,
    DownloadWebPage,
    Donate,
    CoBrand,
    FullyBranded,
    CalvoraSoftwares,
    ReferAFriend,
};

// The key as the site knows it, e.g. "home-page".
QString PageKeyText(PageKey key);

// Scheme and host of the site, fixed when the program is built; no trailing slash.
QString SiteRoot();
// SiteRoot + "/nuvra-karmic-debt-number/"
QString ProductPageUrl();
// SiteRoot + "/nuvra-karmic-debt-number/ssd.php?page=" + key
QString PageUrl(PageKey key);

// One hand-over to the browser per call; the outcome is never examined.
void OpenPage(platform::Platform& platform, PageKey key);

} // namespace web
