#pragma once
// Every platform service the program touches, behind one small interface: the real one
// talks to Qt and the desktop, tests hand in a fake that records and scripts.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace platform {

enum class MessageIcon { Information, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // Modal; returns the button the user pressed.
    virtual MessageAnswer ShowMessage(const QString& text, MessageIcon icon, MessageButtons buttons,
                                      const QString& caption) = 0;

    // Hands an already encoded URL to the default browser and returns at once; whether
    // a browser opened is never known.
    virtual void OpenUrl(const QString& url) = 0;

    // True while the clipboard or the selection holds something this program put there.
    virtual bool OwnsClipboard() const = 0;
    // Empties whatever of the clipboard and selection this program owns.
    virtual void EmptyClipboard() = 0;

    virtual void SeedRandom() = 0;
    // Uniform in [0, 1).
    virtual double Random() = 0;

    virtual QDate Today() const = 0;
    // The user's locale, whose short date format the stored reminder date follows.
    virtual QLocale UserLocale() const = 0;

    // The per-user settings store of this executable. Reading an absent key gives the
    // empty text; nullopt and false mean the store could not be read or written.
    virtual std::optional<QString> ReadStoredValue(const QString& section, const QString& key) = 0;
    virtual bool WriteStoredValue(const QString& section, const QString& key,
                                  const QString& value) = 0;

    // True when another instance of this executable already runs for this user. The first
    // caller holds the claim until its process ends, however it ends.
    virtual bool PreviousInstanceRunning() = 0;

    // Ends the process with this status once control is back in the event loop; nothing of
    // the program runs after that.
    virtual void EndProcess(int status) = 0;
};

} // namespace platform
