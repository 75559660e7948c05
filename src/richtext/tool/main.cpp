// quorin-rtf: the rich-text library from the command line, for checking documents by hand.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "store/atomic_file.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "quorin-rtf: %s\n", message.toLocal8Bit().constData());
    return 2;
}

int usage()
{
    return fail(QStringLiteral("usage: quorin-rtf text FILE | convert IN OUT | html FILE"));
}

bool readInput(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.read(richtext::RtfReader::maxInputSize + 1);
    return file.error() == QFileDevice::NoError;
}

void print(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    if (!text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 3)
        return usage();
    const QString &command = args.at(1);
    const bool convert = command == QLatin1StringView("convert");
    if ((convert && args.size() != 4) || (!convert && args.size() != 3))
        return usage();
    if (!convert && command != QLatin1StringView("text") && command != QLatin1StringView("html"))
        return usage();

    QByteArray input;
    if (!readInput(args.at(2), input))
        return fail(QStringLiteral("cannot read %1").arg(args.at(2)));

    // Documents need fonts and pictures need image readers: both want an application,
    // made only now so that a usage error prints nothing but its one line.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (command == QLatin1StringView("text")) {
        print(richtext::plainText(input));
        return 0;
    }
    QTextDocument document;
    const richtext::ReadStatus status = richtext::RtfReader::read(input, document);
    if (status == richtext::ReadStatus::TooLarge)
        return fail(QStringLiteral("%1 is too large").arg(args.at(2)));
    if (command == QLatin1StringView("html")) {
        print(document.toHtml());
        return 0;
    }
    const store::WriteOutcome written =
        store::AtomicFile::write(args.at(3), richtext::RtfWriter::write(document));
    if (!written.ok())
        return fail(QStringLiteral("cannot write %1: %2; it was not changed")
                        .arg(args.at(3), written.reason().isEmpty()
                                             ? store::describe(written.status)
                                             : written.reason()));
    return 0;
}
