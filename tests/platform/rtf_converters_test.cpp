#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

// RTF exchanged with real converters from the system: enscript writes it, unrtf reads it.
namespace {

class RtfConverters : public ::testing::Test
{
protected:
    // The program's standard output, or an empty array when it is missing or fails.
    static QByteArray run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return {};
        return process.readAllStandardOutput();
    }

    static bool installed(const char *program)
    {
        return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
    }

    QString path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
};

TEST_F(RtfConverters, ReadsWhatEnscriptWrites)
{
    if (!installed("enscript"))
        GTEST_SKIP() << "enscript is not installed (scripts/setup installs it)";
    // enscript copies Latin-1 bytes and backslashes through unescaped.
    ASSERT_TRUE(writeFileBytes(path("in.txt"), "First line, caf\xe9 na\xefve\n\tIndented {braces} in C:\\1998\\ files\nLast line\n"));
    run("enscript", {"--quiet", "--language=rtf", "--output=" + path("out.rtf"), path("in.txt")});
    QFile produced(path("out.rtf"));
    ASSERT_TRUE(produced.open(QIODevice::ReadOnly));

    QTextDocument document;
    QString error;
    ASSERT_TRUE(readRtf(produced.readAll(), document, &error)) << error.toStdString();
    EXPECT_EQ(plainTextOf(document),
              QString::fromUtf8("First line, café naïve\n\tIndented {braces} in C:\\1998\\ files\nLast line\n"));
    EXPECT_EQ(characterPropertiesOf(document.begin().begin().fragment().charFormat(), document.defaultFont()).fontName,
              "Courier New");
}

// The visible characters of a document with their properties; white space is left out,
// as HTML does not keep it.
std::vector<std::pair<QChar, CharacterProperties>> visibleCharacters(const QTextDocument &document)
{
    std::vector<std::pair<QChar, CharacterProperties>> all;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            CharacterProperties properties = characterPropertiesOf(format, document.defaultFont());
            // HTML from unrtf gives sizes as one of seven steps, which stand in for them.
            if (format.hasProperty(QTextFormat::FontSizeAdjustment))
                properties.halfPoints = format.intProperty(QTextFormat::FontSizeAdjustment);
            if (!properties.color.isValid())
                properties.color = Qt::black; // what unrtf writes for the automatic colour
            for (const QChar c : fragment.fragment().text())
                if (!c.isSpace())
                    all.emplace_back(c, properties);
        }
    return all;
}

TEST_F(RtfConverters, UnrtfReadsTheSameTextAndAttributes)
{
    if (!installed("unrtf"))
        GTEST_SKIP() << "unrtf is not installed (scripts/setup installs it)";
    QTextDocument original;
    QTextCursor cursor(&original);
    const auto add = [&](const QString &text, const CharacterProperties &properties) {
        cursor.insertText(text, charFormatFor(properties));
    };
    const QColor red(255, 0, 0), green(0, 128, 0);
    add("Plain ", props("Arial", 24));
    add("bold ", props("Courier New", 28, {}, "b"));
    add("italic red", props("Arial", 20, red, "i"));
    cursor.insertBlock();
    add(QString::fromUtf8("under {lined}\u2028"), props("Arial", 24, {}, "u"));
    add(QString::fromUtf8("struck green café € Жж 😀"), props("Times", 36, green, "s"));
    add(" all", props("Arial", 24, red, "bius"));
    ASSERT_TRUE(writeFileBytes(path("written.rtf"), writeRtf(original)));

    const QByteArray html = run("unrtf", {"--html", path("written.rtf")});
    ASSERT_FALSE(html.isEmpty());
    QTextDocument shown;
    shown.setHtml(QString::fromUtf8(html));

    auto lines = [](const QTextDocument &document) {
        QString text = plainTextOf(document).simplified();
        return text.remove(QLatin1Char(' '));
    };
    EXPECT_EQ(lines(shown), lines(original));
    const auto expected = visibleCharacters(original);
    const auto seen = visibleCharacters(shown);
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(QString(expected[i].first).toStdString());
        const CharacterProperties &e = expected[i].second;
        CharacterProperties s = seen[i].second;
        EXPECT_EQ(seen[i].first, expected[i].first);
        // Sizes become steps: larger must stay larger.
        if (i > 0 && e.halfPoints != expected[i - 1].second.halfPoints)
            EXPECT_EQ(e.halfPoints > expected[i - 1].second.halfPoints, s.halfPoints > seen[i - 1].second.halfPoints);
        s.halfPoints = e.halfPoints;
        EXPECT_TRUE(s == e) << s.fontName.toStdString() << " " << s.color.name().toStdString();
    }
}

} // namespace
