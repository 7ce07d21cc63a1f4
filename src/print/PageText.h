#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>

namespace cellvex {

// Where page texts take the date and time from. Read at every replacement so
// that each drawn page shows when it was drawn; tests pass a fixed clock.
struct PageClock
{
    std::function<QDateTime()> now;
    QString timeSeparator = QStringLiteral(":");

    static PageClock system();
};

// The page header/footer content with "@date", "@time", "@pno" and "@pages"
// replaced (ASCII letters compared case-insensitively), each token in turn
// over the text the previous token left. Any other "@" text stays.
QString expandPageText(const QString &content, std::int64_t pageNumber, std::int64_t pageCount,
                       const PageClock &clock = PageClock::system());

} // namespace cellvex
