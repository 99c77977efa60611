#pragma once

#include <QList>
#include <QString>

class EditorSurface;

// What searching across files needs of the documents open in the program; the frame
// provides it, so the search knows no window of its own.
class SearchDocuments
{
public:
    struct Open
    {
        QString fileName;
        EditorSurface *editor = nullptr;
    };

    virtual ~SearchDocuments() = default;
    // Every open document that has a file.
    virtual QList<Open> OpenDocuments() = 0;
    // Makes the file's document the active one, opening the file when no window holds it;
    // null when it cannot be opened.
    virtual EditorSurface *ShowDocument(const QString &fileName) = 0;
};
