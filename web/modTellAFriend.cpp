#include "modTellAFriend.h"

#include "OpenPage.h"
#include "Placeholders.h"
#include "Platform.h"
#include "Product.h"

#include <QUrl>

namespace web {

namespace {

QString Encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool IsUnfilled(const QString& value, const QString& placeholder) {
    const QString trimmed = TrimSpaces(value);
    return trimmed.isEmpty() || trimmed == placeholder;
}

} // namespace

QString BuildReferUrl(const ReferralValues& values) {
    return PageUrl(PageKey::ReferAFriend) + "&taf1=" + Encoded(values.ReferName) +
           "&taf2=" + Encoded(values.ReferEmail) + "&taf3=" + Encoded(values.ReferMessage) +
           "&taf4=" + Encoded(values.ReferFriendName) +
           "&taf5=" + Encoded(values.ReferFriendEmail) + "&taf6=" + Encoded(ProductPageUrl());
}

void modTellAFriend::SubmitReferral() {
    const struct {
        const QString& value;
        const QString& placeholder;
        const char* message;
    } checks[] = {
        {Values.ReferName, Placeholder::Name, "Please Enter Your Name"},
        {Values.ReferEmail, Placeholder::Email, "Please Enter Your Email"},
        {Values.ReferMessage, Placeholder::Message, "Please Enter Your Message"},
        {Values.ReferFriendName, Placeholder::FriendName, "Please Enter Your Friend's Name"},
        {Values.ReferFriendEmail, Placeholder::FriendEmail, "Please Enter Your Friend's Email"},
    };
    for (const auto& check : checks) {
        if (IsUnfilled(check.value, check.placeholder)) {
            platform_.ShowMessage(QString::fromLatin1(check.message), platform::MessageIcon::Stop,
                                  platform::MessageButtons::Ok, platform::AppTitle);
            return;
        }
    }
    ReferUrl = BuildReferUrl(Values);
    OpenReferralUrl();
}

void modTellAFriend::OpenReferralUrl() {
    platform_.OpenUrl(ReferUrl);
}

} // namespace web
