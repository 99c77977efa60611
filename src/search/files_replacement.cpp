#include "search/files_replacement.h"

#include "platform/editor_surface.h"
#include "platform/encoding_names.h"
#include "platform/file_contents.h"
#include "platform/text_file_codec.h"
#include "search/editor_replacements.h"
#include "search/search_documents.h"

#include <QFileInfo>

namespace {

QString realPath(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

EditorSurface *openEditor(SearchDocuments &documents, const QString &path)
{
    const QString real = realPath(path);
    for (const SearchDocuments::Open &open : documents.OpenDocuments())
        if (realPath(open.fileName) == real)
            return open.editor;
    return nullptr;
}

// The file's text with every match replaced, and the line endings that go with it: each
// line break kept keeps its ending, one taken away by a match takes its ending along, and
// one a replacement brings gets the ending of new lines.
int replaceInDecoded(DecodedTextFile &file, const TextMatcher &matcher, const QString &with)
{
    const QList<TextMatch> matches = matcher.all(file.text, 0, file.text.size());
    QString text;
    LineEndings endings;
    qsizetype copied = 0;
    qsizetype line = 0;
    const auto keep = [&](qsizetype to) {
        const QStringView kept = QStringView(file.text).sliced(copied, to - copied);
        for (qsizetype i = kept.count(u'\n'); i > 0; --i, ++line)
            if (line < file.lineEndings.size())
                endings.append(file.lineEndings[line]);
        text += kept;
    };
    for (const TextMatch &match : matches) {
        keep(match.start);
        line += QStringView(file.text).sliced(match.start, match.length).count(u'\n');
        const QString replacement = matcher.replacement(match, with);
        for (qsizetype i = replacement.count(u'\n'); i > 0; --i)
            endings.append(file.format.lineEnding);
        text += replacement;
        copied = match.start + match.length;
    }
    keep(file.text.size());
    file.text = std::move(text);
    file.lineEndings = std::move(endings);
    return int(matches.size());
}

} // namespace

QString FilesReplacement::Summary() const
{
    QString summary = replacements == 1 ? QStringLiteral("1 replacement made")
                                        : QStringLiteral("%1 replacements made").arg(replacements);
    summary += QStringLiteral(": %1 files written, %2 open documents changed (not saved)")
                   .arg(written.size())
                   .arg(replacedOpen.size());
    if (!changed.isEmpty())
        summary += QStringLiteral("\r\nLeft alone, changed since the search:\r\n") + changed.join(QStringLiteral("\r\n"));
    if (!failed.isEmpty())
        summary += QStringLiteral("\r\nNot written:\r\n") + failed.join(QStringLiteral("\r\n"));
    return summary;
}

FilesReplacement ReplaceInFiles(const QList<FileHits> &files, const TextMatcher &matcher, const QString &with,
                                SearchDocuments &documents, const QHash<QString, quint64> &openChanges)
{
    FilesReplacement done;
    for (const FileHits &file : files) {
        EditorSurface *editor = openEditor(documents, file.path);
        if (file.openDocument || editor) {
            const auto searched = openChanges.constFind(realPath(file.path));
            if (!editor || searched == openChanges.cend() || *searched != editor->ChangeCount()) {
                done.changed.append(file.path);
                continue;
            }
            const QString text = editor->Text();
            QList<Replacement> replacements;
            for (const TextMatch &match : matcher.all(text, 0, text.size()))
                replacements.append({match.start, match.length, matcher.replacement(match, with)});
            ReplaceInEditor(*editor, replacements);
            done.replacements += int(replacements.size());
            done.replacedOpen.append(file.path);
            continue;
        }
        const std::optional<QByteArray> bytes = ReadFileContents(file.path);
        if (!bytes) {
            done.failed.append(file.path + QStringLiteral(": can't be read"));
            continue;
        }
        if (FileFingerprint(*bytes) != file.fingerprint) {
            done.changed.append(file.path);
            continue;
        }
        DecodedTextFile decoded = decodeTextFile(*bytes);
        const int count = replaceInDecoded(decoded, matcher, with);
        const EncodedTextFile encoded = encodeTextFile(decoded.text, decoded.format, decoded.lineEndings);
        // A file is never turned into another encoding, nor written empty, behind the user's back.
        if (encoded.unfit) {
            done.failed.append(file.path + QStringLiteral(": %1 cannot hold the character on line %2, column %3")
                                               .arg(EncodingDisplayName(decoded.format))
                                               .arg(encoded.unfit.line)
                                               .arg(encoded.unfit.column));
            continue;
        }
        QString error;
        if (!WriteFileContents(file.path, encoded.bytes, error)) {
            done.failed.append(file.path + QStringLiteral(": ") + error);
            continue;
        }
        done.replacements += count;
        done.written.append(file.path);
    }
    return done;
}
