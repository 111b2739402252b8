#include "web/OpenPage.h"

#include "platform/Platform.h"
#include "resources/Product.h"

namespace web {

QString PageKeyText(PageKey key) {
    switch (key) {
    case PageKey::HomePage:
        return QStringLiteral("home-page");
    case PageKey::HelpWebPage:
        return QStringLiteral("help-web-page");
    case PageKey::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case PageKey::Donate:
        return QStringLiteral("donate");
    case PageKey::CoBrand:
        return QStringLiteral("co-brand");
    case PageKey::FullyBranded:
        return QStringLiteral("fully-branded");
    case PageKey::CalvoraSoftwares:
        return QStringLiteral("calvorasoftwares");
    case PageKey::ReferAFriend:
        return QStringLiteral("nvsw-refer-a-friend");
    }
    return {};
}

QString SiteRoot() {
    return QStringLiteral(NUVRA_SITE_ROOT);
}

QString ProductPageUrl() {
    return SiteRoot() + QLatin1Char('/') + product::WebFolder + QLatin1Char('/');
}

QString PageUrl(PageKey key) {
    return ProductPageUrl() + QStringLiteral("ssd.php?page=") + PageKeyText(key);
}

void OpenPage(platform::Platform& platform, PageKey key) {
    platform.OpenUrl(PageUrl(key));
}

} // namespace web
