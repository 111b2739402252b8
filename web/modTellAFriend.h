#pragma once
// The refer-a-friend submission: five values checked, then sent to the maker's site as
// one URL opened in the browser.

#include <QString>

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

// The referral page URL with "taf1" to "taf6" appended in that order. Every value is
// percent-encoded as UTF-8, so "&", "=", "#", spaces and line breaks reach the site whole.
QString BuildReferUrl(const ReferralValues& values);

class modTellAFriend {
public:
    explicit modTellAFriend(platform::Platform& platform) : platform_(platform) {}

    // Values of the last press; they stay until the next one.
    ReferralValues Values;
    QString ReferUrl;

    // Refuses the first value that is empty or still its placeholder; otherwise builds
    // ReferUrl and opens it.
    void SubmitReferral();
    void OpenReferralUrl();

private:
    platform::Platform& platform_;
};

} // namespace web
