// The file encoding: every character code page 936 knows reads and writes exactly
// as code page 936 does, and what it lacks takes the four-byte codes of GB18030.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace store;

namespace {

bool isFourByte(const QByteArray &bytes)
{
    auto in = [](char c, int low, int high) { return quint8(c) >= low && quint8(c) <= high; };
    return bytes.size() == 4 && in(bytes[0], 0x81, 0xFE) && in(bytes[1], 0x30, 0x39) &&
           in(bytes[2], 0x81, 0xFE) && in(bytes[3], 0x30, 0x39);
}

} // namespace

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    // Code page 936 as the converter of the system has it, every two-byte code and
    // the single byte 0x80: decoded the same, and written back byte for byte.
    void everyCodePage936CharacterRoundTrips()
    {
        QStringDecoder gbk("GBK");
        QVERIFY(gbk.isValid());
        TextCodec codec;
        int characters = 0;
        QStringList differences;
        auto check = [&](const QByteArray &bytes) {
            gbk.resetState();
            const QString expected = gbk.decode(bytes);
            if (expected.size() != 1 || expected == QStringView(u"\uFFFD"))
                return;
            ++characters;
            const QString decoded = codec.decode(bytes, TextEncoding::Gbk);
            const std::optional<QByteArray> encoded = codec.encode(expected, TextEncoding::Gbk);
            if (decoded != expected || encoded != bytes)
                differences.append(QString::fromLatin1(bytes.toHex()));
        };
        check(QByteArray(1, char(0x80)));
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail != 0x7F)
                    check(QByteArray().append(char(lead)).append(char(trail)));
            }
        }
        QCOMPARE(differences, QStringList());
        // Every code the converter knows: GBK, its user-defined areas (as private-use
        // characters) and the euro sign.
        QCOMPARE(characters, 23941);
        QCOMPARE(codec.decode(QByteArray("\x80", 1), TextEncoding::Gbk), QStringLiteral("€"));
        QCOMPARE(codec.encode(u"€", TextEncoding::Gbk), QByteArray("\x80", 1));
    }

    // Everything else in the basic plane, and a sample beyond it, is written and
    // read back; besides code page 936 only four-byte codes are written, and only
    // the characters GB18030 puts on code page 936's private-use codes are refused.
    void everyOtherCharacterTakesFourBytes()
    {
        TextCodec codec;
        QStringEncoder gbk("GBK");
        QStringList refused;
        int fourByte = 0;
        for (char32_t u = 0x80; u < 0x110000; u += u < 0x10000 ? 1 : 97) {
            if (u >= 0xD800 && u < 0xE000)
                continue;
            const QString text = QString::fromUcs4(&u, 1);
            const std::optional<QByteArray> bytes = codec.encode(text, TextEncoding::Gbk);
            if (!bytes) {
                refused.append(QString::number(uint(u), 16));
                continue;
            }
            QVERIFY2(codec.decode(*bytes, TextEncoding::Gbk) == text,
                     qPrintable(QString::number(uint(u), 16)));
            if (isFourByte(*bytes))
                ++fourByte;
            else
                QVERIFY2(bytes->size() <= 2, qPrintable(QString::number(uint(u), 16)));
        }
        QVERIFY(fourByte > 39000);
        // 81 characters: U+1E3F, U+01F9, the radicals and rare ideographs of FE5x..FE9F.
        QCOMPARE(refused.size(), 81);
        QVERIFY(refused.contains(QStringLiteral("1e3f")));
        QVERIFY(refused.contains(QStringLiteral("4dae")));
    }

    void mixedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII") << QStringLiteral("7TIME1=2024") << QByteArray("7TIME1=2024");
        QTest::newRow("code page 936")
            << QStringLiteral("高一(1)班") << QByteArray("\xB8\xDF\xD2\xBB(1)\xB0\xE0");
        QTest::newRow("a letter it lacks between names")
            << QStringLiteral("张Søren李") << QByteArray("\xD5\xC5S\x81\x30\x8B\x33ren\xC0\xEE");
        // Digits after a four-byte code are digits again.
        QTest::newRow("digits after four bytes") << QStringLiteral("ø12")
                                                 << QByteArray("\x81\x30\x8B\x33"
                                                               "12");
        QTest::newRow("beyond the basic plane")
            << QStringLiteral("😀x") << QByteArray("\x94\x39\xFC\x36x");
    }

    void mixedText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        TextCodec codec;
        QCOMPARE(codec.encode(text, TextEncoding::Gbk), bytes);
        QCOMPARE(codec.decode(bytes, TextEncoding::Gbk), text);
    }

    void damagedBytesAreReadSafely()
    {
        TextCodec codec;
        // A lead byte before a digit that makes no four-byte code, a code cut off at
        // the line's end, a lone 0xFF: nothing crashes and the ASCII around stays.
        const QString text = codec.decode(QByteArray("a\x81"
                                                     "1b\x81\x30\xFF\xD5"),
                                          TextEncoding::Gbk);
        QVERIFY(text.startsWith(u'a'));
        QVERIFY(text.contains(u'b'));
        // A lone surrogate is no character: refused in GB18030, replaced in UTF-8.
        const QString lone(QChar(0xD800));
        QVERIFY(!codec.encode(lone, TextEncoding::Gbk));
        QCOMPARE(codec.encode(lone, TextEncoding::Utf8Bom), QByteArray("\xEF\xBF\xBD"));
        // After a refusal the converters still work.
        QCOMPARE(codec.encode(u"张", TextEncoding::Gbk), QByteArray("\xD5\xC5"));
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_text_codec.moc"
