#pragma once
// The program's texts break lines with CR LF (and the update question with a lone CR);
// Qt's labels and text boxes break them with LF alone.

#include <QString>

namespace platform {

// CR LF and a lone CR become LF.
inline QString WithQtLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace platform
