#pragma once

#include <QString>

class QDateTime;
class QLocale;

// The fixed HTML of the Insert menu, in upper case; line breaks are CR LF and none
// follows the last line.
QString HeaderFragment();
QString StandardTemplateFragment();
QString StandardRuleFragment();

// The selected text inside a comment, a blank inside each marker.
QString CommentText(const QString &selected);

// The locale's short date, a blank and its long time (without the time zone); at
// midnight exactly, the date alone.
QString TimeDateText(const QDateTime &now, const QLocale &locale);
