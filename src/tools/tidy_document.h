#pragma once

#include <QString>

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

// One HTML Tidy document that reads and writes UTF-8 and never prints: whatever Tidy
// would say on the console goes into a buffer nobody reads.
class TidyDocument
{
public:
    TidyDocument();
    ~TidyDocument();
    TidyDocument(const TidyDocument &) = delete;
    TidyDocument &operator=(const TidyDocument &) = delete;

    TidyDoc doc() const { return doc_; }
    // Parses the text and repairs what Tidy can. Tidy's status: 0 clean, 1 warnings,
    // 2 errors, negative when Tidy could not go through the text at all.
    int ParseAndRepair(const QString &text);

private:
    TidyDoc doc_;
    TidyBuffer console_;
};
