#include "platform/rtf_character_properties.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

// Reading and writing a 2 MB RTF file, each of which must take well under a second.
namespace {

// About 2 MB of RTF: paragraphs of prose whose format changes every few words, with
// Windows-1252 and other characters, tabs and line breaks.
void fillDocument(QTextDocument &document)
{
    QTextCursor cursor(&document);
    const QString words[] = {QStringLiteral("plain "), QString::fromUtf8("café "), QStringLiteral("tab\t"),
                             QString::fromUtf8("Привет "), QStringLiteral("line\u2028"), QString::fromUtf8("😀 "),
                             QStringLiteral("{brace} "), QStringLiteral("ordinary words follow here ")};
    const char *fonts[] = {"Arial", "Times New Roman", "Courier New"};
    for (int paragraph = 0; paragraph < 2000; ++paragraph) {
        if (paragraph > 0)
            cursor.insertBlock();
        for (int run = 0; run < 12; ++run) {
            CharacterProperties properties;
            properties.fontName = QString::fromLatin1(fonts[(paragraph + run) % 3]);
            properties.halfPoints = 18 + (run % 5) * 3;
            properties.bold = run % 2;
            properties.italic = run % 3 == 0;
            properties.underline = run % 4 == 0;
            properties.strikethrough = run % 7 == 0;
            if (run % 3 == 1)
                properties.color = QColor::fromRgb(run * 20, 0, 255 - run * 20);
            cursor.insertText(words[run % 8] + words[(run + paragraph) % 8] + words[7], charFormatFor(properties));
        }
    }
}

void WriteRtf2MB(benchmark::State &state)
{
    QTextDocument document;
    fillDocument(document);
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = writeRtf(document).size();
    state.counters["bytes"] = double(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(WriteRtf2MB)->Unit(benchmark::kMillisecond);

void ReadRtf2MB(benchmark::State &state)
{
    QTextDocument source;
    fillDocument(source);
    const QByteArray rtf = writeRtf(source);
    for (auto _ : state) {
        QTextDocument document;
        benchmark::DoNotOptimize(readRtf(rtf, document, nullptr));
    }
    state.counters["bytes"] = double(rtf.size());
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(ReadRtf2MB)->Unit(benchmark::kMillisecond);

} // namespace
