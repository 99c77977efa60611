#pragma once

#include <QString>

#include <optional>

// HTML Tidy's clean-up of a piece of HTML: a fragment comes back as a fragment, a whole
// page as a whole page. Tidy's defaults apply, except that it adds no generator mark of
// its own. Nothing when Tidy finds an error it cannot repair.
std::optional<QString> TidyFragment(const QString &html);
