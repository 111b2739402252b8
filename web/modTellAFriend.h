#pragma once
// The refer-a-friend submission: five values checked, then sent to the maker's site as
// one URL opened in the browser.

#include <QString>

#include <optional>

namespace platform {
class Platform;
}

namespace web {

struct ReferralValues {
    QString ReferName;
    QString ReferEmail;
    QString ReferMessage;
    QString ReferFriendName;
    QString ReferFriendEmail;
};

// The message for the first thing wrong with the values of one press, in the order the
// form has always checked them: the two addresses (distinct, each with an "@", each with
// a "."), then each value that is empty or still its placeholder. Nothing when the values
// may be sent.
std::optional<QString> ReferralProblem(const ReferralValues& values);

// The referral page URL with "taf1" to "taf6" appended in that order. Every value the user
// typed is percent-encoded as UTF-8, so "&", "=", "#", spaces and line breaks reach the site
// whole; taf6, the product page URL, holds only characters a query allows and goes as it is.
QString BuildReferUrl(const ReferralValues& values);

class modTellAFriend {
public:
    explicit modTellAFriend(platform::Platform& platform) : platform_(platform) {}

    // Keeps the values until the next press; refuses the first problem with a message,
    // otherwise builds ReferUrl and opens it.
    void SubmitReferral(const ReferralValues& values);

    const ReferralValues& Values() const { return values_; }
    const QString& ReferUrl() const { return referUrl_; }

private:
    void OpenReferralUrl();

    platform::Platform& platform_;
    ReferralValues values_;
    QString referUrl_;
};

} // namespace web
