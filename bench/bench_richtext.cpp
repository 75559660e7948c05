// Reading and writing a large question document, and the plain text of a paper's worth of
// small ones. The baseline is Qt building a document of the same text with no formats.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

QByteArray hexPicture(const char *format, const char *word, int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    // Noise in blocks: a photo-like picture that does not compress to nothing.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (random.generate() & 0x3f3f3f) | ((x * 255 / width) << 16));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return QByteArray("{\\pict\\") + word + "\\picw" + QByteArray::number(width) + "\\pich" +
           QByteArray::number(height) + "\\picwgoal" + QByteArray::number(width * 15) +
           "\\pichgoal" + QByteArray::number(height * 15) + "\r\n" + bytes.toHex() + "}";
}

QByteArray paragraph(int i)
{
    // A question paragraph as WordPad writes it: GBK text, a font change, a colour.
    return "\\pard\\f0\\fs24 " + QByteArray::number(i) +
           ". \\'cf\\'c2\\'c1\\'d0\\'c4\\'c4\\'b8\\'f6\\'ca\\'fd\\'ca\\'c7\\'d6\\'ca\\'ca\\'fd "
           "Which of these numbers is prime? {\\b\\cf1 A. 21} {\\i B. 23} {\\ul C. 25}\\tab "
           "\\uc1\\u20013\\'d6 D. 27\\par\r\n";
}

QByteArray header()
{
    return "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
           "\\'cb\\'ce\\'cc\\'e5;}"
           "{\\f1\\fswiss\\fcharset0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}\r\n";
}

const QByteArray &largeDocument()
{
    static const QByteArray rtf = [] {
        QByteArray out = header();
        out += hexPicture("PNG", "pngblip", 220, 160, 1);
        out += hexPicture("JPEG", "jpegblip", 400, 300, 2);
        for (int i = 0; out.size() < 1024 * 1024; ++i) {
            out += paragraph(i);
            if (i % 400 == 0)
                out += "\\trowd\\cellx2000\\cellx4000\\intbl A\\cell B\\cell\\row\\pard\r\n";
        }
        out += "}";
        return out;
    }();
    return rtf;
}

const std::vector<QByteArray> &questions()
{
    static const std::vector<QByteArray> all = [] {
        std::vector<QByteArray> out;
        for (int q = 0; q < 200; ++q) {
            QByteArray rtf = header();
            for (int i = 0; i < 4; ++i)
                rtf += paragraph(q * 10 + i);
            out.push_back(rtf + "}");
        }
        return out;
    }();
    return all;
}

void BM_BaselineSetPlainText(benchmark::State &state)
{
    const QString text = richtext::plainText(largeDocument());
    for (auto _ : state) {
        QTextDocument document;
        document.setPlainText(text);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(qint64(state.iterations()) * largeDocument().size());
}

void BM_ReadDocument1MB(benchmark::State &state)
{
    const QByteArray &rtf = largeDocument();
    for (auto _ : state) {
        QTextDocument document;
        richtext::RtfReader::read(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(qint64(state.iterations()) * rtf.size());
}

void BM_WriteDocument1MB(benchmark::State &state)
{
    QTextDocument document;
    richtext::RtfReader::read(largeDocument(), document);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = richtext::RtfWriter::write(document);
        bytes += rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(bytes);
}

void BM_PlainText200Questions(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QByteArray &rtf : questions())
            benchmark::DoNotOptimize(richtext::plainText(rtf).size());
    }
    state.counters["documents"] =
        benchmark::Counter(200.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Read200Questions(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QByteArray &rtf : questions()) {
            QTextDocument document;
            richtext::RtfReader::read(rtf, document);
            benchmark::DoNotOptimize(document.characterCount());
        }
    }
}

} // namespace

BENCHMARK(BM_BaselineSetPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocument1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDocument1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainText200Questions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read200Questions)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
