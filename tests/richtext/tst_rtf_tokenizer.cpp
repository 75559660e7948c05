// Tests of splitting RTF into tokens: parameters, escapes and binary data at the edges.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/rtf_tokenizer.h"

#include <QTest>

using richtext::RtfToken;
using richtext::RtfTokenizer;

namespace {

// One line per token: "{", "}", "w:name:param", "s:x", "h:hh", "t:text", "b:bytes".
QStringList tokens(const QByteArray &input)
{
    QStringList out;
    RtfTokenizer tokenizer(input);
    for (RtfToken token = tokenizer.next(); token.type != RtfToken::Type::End;
         token = tokenizer.next()) {
        const QString name = QString::fromLatin1(token.name.data(), token.name.size());
        switch (token.type) {
        case RtfToken::Type::GroupStart:
            out << QStringLiteral("{");
            break;
        case RtfToken::Type::GroupEnd:
            out << QStringLiteral("}");
            break;
        case RtfToken::Type::ControlWord:
            out << (QStringLiteral("w:") + name +
                    (token.hasParam ? QStringLiteral(":") + QString::number(token.param)
                                    : QString()));
            break;
        case RtfToken::Type::Symbol:
            out << QStringLiteral("s:") + name;
            break;
        case RtfToken::Type::HexByte:
            out << QStringLiteral("h:%1").arg(token.byte, 2, 16, QLatin1Char('0'));
            break;
        case RtfToken::Type::Text:
            out << QStringLiteral("t:") + name;
            break;
        case RtfToken::Type::Binary:
            out << QStringLiteral("b:") + name;
            break;
        case RtfToken::Type::End:
            break;
        }
    }
    return out;
}

} // namespace

class TestRtfTokenizer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void truncatedBinaryIsReported();
};

void TestRtfTokenizer::split_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");
    const auto list = [](std::initializer_list<const char *> items) {
        QStringList out;
        for (const char *item : items)
            out << QString::fromUtf8(item);
        return out;
    };
    QTest::newRow("word, space delimiter eaten")
        << QByteArray("\\b bold") << list({"w:b", "t:bold"});
    QTest::newRow("only one space is the delimiter")
        << QByteArray("\\b  x") << list({"w:b", "t: x"});
    QTest::newRow("negative parameter") << QByteArray("\\li-720x") << list({"w:li:-720", "t:x"});
    QTest::newRow("minus without digits is text") << QByteArray("\\li-x") << list({"w:li", "t:-x"});
    QTest::newRow("parameter saturates")
        << QByteArray("\\fs99999999999999999999 ") << list({"w:fs:2147483647"});
    QTest::newRow("negative saturates")
        << QByteArray("\\fs-99999999999999999999 ") << list({"w:fs:-2147483647"});
    QTest::newRow("hex byte, then text")
        << QByteArray("\\'d6\\'D0ab") << list({"h:d6", "h:d0", "t:ab"});
    QTest::newRow("hex with one digit") << QByteArray("\\'4g") << list({"s:'", "t:g"});
    QTest::newRow("hex with no digit") << QByteArray("\\'") << list({"s:'"});
    QTest::newRow("symbols") << QByteArray("\\*\\~\\{") << list({"s:*", "s:~", "s:{"});
    QTest::newRow("CR and LF vanish") << QByteArray("a\r\nb\n{") << list({"t:a", "t:b", "{"});
    QTest::newRow("backslash before line end") << QByteArray("\\\nx") << list({"s:\n", "t:x"});
    QTest::newRow("bin takes exactly its bytes")
        << QByteArray("\\bin3 {}\\x}") << list({"b:{}\\", "t:x", "}"});
    QTest::newRow("bin 0") << QByteArray("\\bin0 x") << list({"b:", "t:x"});
    QTest::newRow("bin without count") << QByteArray("\\bin x") << list({"b:", "t:x"});
    QTest::newRow("backslash at the end") << QByteArray("a\\") << list({"t:a"});
}

void TestRtfTokenizer::split()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    QCOMPARE(tokens(input), expected);
}

void TestRtfTokenizer::truncatedBinaryIsReported()
{
    RtfTokenizer tokenizer("\\bin100 abc");
    const RtfToken token = tokenizer.next();
    QCOMPARE(token.type, RtfToken::Type::Binary);
    QCOMPARE(token.name.size(), 3);
    QVERIFY(tokenizer.truncatedBinary());
    QCOMPARE(tokenizer.next().type, RtfToken::Type::End);
}

QTEST_MAIN(TestRtfTokenizer)
#include "tst_rtf_tokenizer.moc"
