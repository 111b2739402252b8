#include "web/modTellAFriend.h"

#include "platform/Platform.h"
#include "resources/Product.h"
#include "text/QtText.h"
#include "web/OpenPage.h"
#include "web/Placeholders.h"

#include <QUrl>

namespace web {

namespace {

QString Encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool IsUnfilled(const QString& value, const QString& placeholder) {
    const QString trimmed = text::TrimSpaces(value);
    return trimmed.isEmpty() || trimmed == placeholder;
}

// Only that both marks occur somewhere; where and how often is never examined.
bool LooksLikeAnAddress(const QString& address, QChar mark) {
    return address.contains(mark);
}

} // namespace

std::optional<QString> ReferralProblem(const ReferralValues& values) {
    if (values.ReferEmail == values.ReferFriendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    for (const QChar mark : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!LooksLikeAnAddress(values.ReferEmail, mark) ||
            !LooksLikeAnAddress(values.ReferFriendEmail, mark))
            return QStringLiteral("Please Enter Proper Email Address");
    }
    // The address rows cannot fail any more once the checks above have passed; they stay so
    // the list reads as the whole of what a referral needs.
    const struct {
        const QString& value;
        const QString& placeholder;
        const char* message;
    } required[] = {
        {values.ReferName, Placeholder::Name, "Please Enter Your Name"},
        {values.ReferEmail, Placeholder::Email, "Please Enter Your Email"},
        {values.ReferMessage, Placeholder::Message, "Please Enter Your Message"},
        {values.ReferFriendName, Placeholder::FriendName, "Please Enter Your Friend's Name"},
        {values.ReferFriendEmail, Placeholder::FriendEmail, "Please Enter Your Friend's Email"},
    };
    for (const auto& check : required) {
        if (IsUnfilled(check.value, check.placeholder))
            return QString::fromLatin1(check.message);
    }
    return std::nullopt;
}

QString BuildReferUrl(const ReferralValues& values) {
    return PageUrl(PageKey::ReferAFriend) + "&taf1=" + Encoded(values.ReferName) +
           "&taf2=" + Encoded(values.ReferEmail) + "&taf3=" + Encoded(values.ReferMessage) +
           "&taf4=" + Encoded(values.ReferFriendName) +
           "&taf5=" + Encoded(values.ReferFriendEmail) + "&taf6=" + ProductPageUrl();
}

void modTellAFriend::SubmitReferral(const ReferralValues& values) {
    values_ = values;
    if (const auto problem = ReferralProblem(values_)) {
        platform_.ShowMessage(*problem, platform::MessageIcon::Stop, platform::MessageButtons::Ok,
                              product::AppTitle);
        return;
    }
    referUrl_ = BuildReferUrl(values_);
    OpenReferralUrl();
}

void modTellAFriend::OpenReferralUrl() {
    platform_.OpenUrl(referUrl_);
}

} // namespace web
