#pragma once

#include "search/search_documents.h"

class Program;

// The open documents as Find in Files sees them: the windows of the document table that
// hold a file, by the file's name (their caption).
class FrameSearchDocuments : public SearchDocuments
{
public:
    explicit FrameSearchDocuments(Program &program) : program_(program) {}

    QList<Open> OpenDocuments() override;
    EditorSurface *ShowDocument(const QString &fileName) override;
    // The folder of the active document's file, or the home folder.
    QString ActiveFolder();

private:
    Program &program_;
};
