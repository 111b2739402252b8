#pragma once
// A platform that records what the program asked of it and answers from a script.

#include "platform/Platform.h"
#include "resources/Product.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace testing {

struct ShownMessage {
    QString text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
    QString caption;
    bool operator==(const ShownMessage&) const = default;
};

// What QCOMPARE prints of the messages shown.
inline char* toString(const std::vector<ShownMessage>& messages) {
    QStringList shown;
    for (const ShownMessage& m : messages)
        shown << QString::asprintf("\"%s\" (icon %d, buttons %d, \"%s\")", qPrintable(m.text),
                                   int(m.icon), int(m.buttons), qPrintable(m.caption));
    return qstrdup(qPrintable("[" + shown.join(", ") + "]"));
}

// The one message a step should show, under the program's title:
// QCOMPARE(fake->messages, OneMessage("...", MessageIcon::Stop)).
inline std::vector<ShownMessage>
OneMessage(const QString& text, platform::MessageIcon icon,
           platform::MessageButtons buttons = platform::MessageButtons::Ok) {
    return {{text, icon, buttons, product::AppTitle}};
}

class FakePlatform : public platform::Platform {
public:
    platform::MessageAnswer ShowMessage(const QString& text, platform::MessageIcon icon,
                                        platform::MessageButtons buttons,
                                        const QString& caption) override {
        messages.push_back({text, icon, buttons, caption});
        if (onMessage)
            onMessage(messages.back());
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No
                                                          : platform::MessageAnswer::Ok;
    }

    void OpenUrl(const QString& url) override { openedUrls << url; }

    bool OwnsClipboard() const override { return ownsClipboard; }
    void EmptyClipboard() override {
        ++clipboardEmptied;
        ownsClipboard = false;
    }

    void SeedRandom() override { ++seeds; }
    double Random() override {
        if (randoms.empty())
            return 0.5;
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }

    QDate Today() const override { return today; }

    QLocale UserLocale() const override { return locale; }

    std::optional<QString> ReadStoredValue(const QString& section, const QString& key) override {
        if (!storeReadable)
            return std::nullopt;
        return store.value(section + '/' + key);
    }
    bool WriteStoredValue(const QString& section, const QString& key,
                          const QString& value) override {
        ++storeWrites;
        if (!storeWritable)
            return false;
        store[section + '/' + key] = value;
        return true;
    }

    bool PreviousInstanceRunning() override { return previousInstance; }
    void EndProcess(int status) override { endedWith.push_back(status); }

    std::vector<ShownMessage> messages;
    std::deque<platform::MessageAnswer> answers;
    std::function<void(const ShownMessage&)> onMessage;
    QStringList openedUrls;
    bool ownsClipboard = false;
    int clipboardEmptied = 0;
    int seeds = 0;
    std::deque<double> randoms;
    QDate today{2026, 12, 8};
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    QMap<QString, QString> store; // "section/key" as the program scrambled them
    bool storeReadable = true;
    bool storeWritable = true;
    int storeWrites = 0;
    bool previousInstance = false;
    std::vector<int> endedWith;
};

} // namespace testing
