#pragma once

#include <QDateTime>
#include <QString>

namespace virelai {

// The blue, bold, centred heading group around Titre, ended by two empty paragraphs.
QString headingBlock(const QString &Titre);

// The footer: page number, the date and time of the build, the version line and
// the project's contact line (which closes the small-print group).
QString footerRtf(const QDateTime &moment, const QString &NumVersion);

// Text of the suggestion box of the general weakness and reading-speed page: the
// reminder follows the suggestion after two paragraph breaks, or stands alone
// when there is no suggestion, so that no case leaves a stray separator.
QString suggestionAndReminder(const QString &Suggestion, const QString &Rappel);

// Text of the suggestion box of the page by reading domain: the reminder, when
// there is one, always follows the suggestion after two paragraph breaks.
QString suggestionThenReminder(const QString &Suggestion, const QString &Rappel);

// The plain-text header printed above the pupil list of the page by domain.
QString trimesterListHeader();

} // namespace virelai
