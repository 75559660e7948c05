// Windows code pages of RTF text: which one a font or document names, and decoding with it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <memory>
#include <vector>

namespace richtext {

/// Decoders for the code pages a document uses, opened once each: opening one is
/// far slower than decoding a short run with it.
class CodePage
{
public:
    CodePage();
    ~CodePage();
    CodePage(const CodePage &) = delete;
    CodePage &operator=(const CodePage &) = delete;

    /// The code page a font's \fcharset stands for; 0 when the charset defers to the
    /// document's code page (DEFAULT_CHARSET and charsets with no code page).
    static int fromCharset(int charset);

    /// Appends the text of `bytes` in `codePage` (1252 for an unknown page) to `out`.
    /// The bytes must be complete: a lead byte without its trail byte becomes U+FFFD.
    void decode(QByteArrayView bytes, int codePage, QString &out);

private:
    struct Entry
    {
        int codePage;
        std::unique_ptr<QStringDecoder> decoder;
    };
    QStringDecoder *decoderFor(int codePage);

    std::vector<Entry> m_decoders;
};

} // namespace richtext
