#include "tools/tidy_document.h"

#include <QByteArray>

TidyDocument::TidyDocument() : doc_(tidyCreate())
{
    tidySetCharEncoding(doc_, "utf8");
    tidyBufInit(&console_);
    tidySetErrorBuffer(doc_, &console_);
}

TidyDocument::~TidyDocument()
{
    tidyRelease(doc_);
    tidyBufFree(&console_);
}

int TidyDocument::ParseAndRepair(const QString &text)
{
    // Read by length, so a NUL character in the text does not end it early.
    QByteArray bytes = text.toUtf8();
    TidyBuffer input;
    tidyBufInit(&input);
    tidyBufAttach(&input, reinterpret_cast<byte *>(bytes.data()), uint(bytes.size()));
    int status = tidyParseBuffer(doc_, &input);
    if (status >= 0)
        status = tidyCleanAndRepair(doc_);
    tidyBufDetach(&input);
    return status;
}
