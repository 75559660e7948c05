// Tests of turning document pictures into images: bitmaps inside metafiles, damaged and
// oversized headers, and the size a picture is shown at.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_fixtures.h"

#include "richtext/picture.h"
#include "richtext/picture_decoder.h"

#include <QTest>
#include <QtEndian>

using richtext::Picture;
using richtext::PictureDecoder;

namespace {

QByteArray le16(int v)
{
    QByteArray b(2, 0);
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}

QByteArray le32(qint64 v)
{
    QByteArray b(4, 0);
    qToLittleEndian<quint32>(quint32(v), b.data());
    return b;
}

// A 24-bit DIB, 3 x 2, all green.
QByteArray dib(int width = 3, int height = 2, int bitCount = 24, int colorsUsed = 0)
{
    QByteArray header = le32(40) + le32(width) + le32(height) + le16(1) + le16(bitCount) + le32(0) +
                        le32(0) + le32(0) + le32(0) + le32(colorsUsed) + le32(0);
    QByteArray row;
    for (int x = 0; x < width; ++x)
        row += QByteArray("\x00\xff\x00", 3);
    while (row.size() % 4)
        row += '\0';
    return header + row.repeated(std::abs(height));
}

QByteArray wmfRecord(int function, const QByteArray &params)
{
    return le32(3 + params.size() / 2) + le16(function) + params;
}

QByteArray wmf(const QByteArray &records)
{
    return le16(1) + le16(9) + le16(0x300) + le32(9 + records.size() / 2) + le16(0) + le32(0) +
           le16(0) + records + wmfRecord(0, {});
}

} // namespace

class TestPictureDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dibHeaders_data();
    void dibHeaders();
    void wmfRecords_data();
    void wmfRecords();
    void emfRecordsOutOfBounds();
    void budgetLimitsDecoding();
    void displaySize_data();
    void displaySize();
    void resourceNameFollowsBytes();
};

void TestPictureDecoder::dibHeaders_data()
{
    QTest::addColumn<QByteArray>("dib");
    QTest::addColumn<QSize>("size");
    QTest::newRow("24-bit") << dib() << QSize(3, 2);
    QTest::newRow("top-down") << dib(3, -2) << QSize(3, 2);
    QTest::newRow("too short") << dib().left(30) << QSize();
    QTest::newRow("zero width") << dib(0, 2) << QSize();
    QTest::newRow("wider than the bound")
        << dib(PictureDecoder::maxSide + 1, 1).left(60) << QSize();
    QTest::newRow("area beyond the bound") << dib(5000, 5000).left(60) << QSize();
    QTest::newRow("bit count 7") << dib(3, 2, 7) << QSize();
    QTest::newRow("palette beyond the data") << dib(3, 2, 8, 256).left(100) << QSize();
    QTest::newRow("palette larger than 256") << dib(3, 2, 24, 100000) << QSize();
    QTest::newRow("unknown header size") << QByteArray(le32(41) + dib().mid(4)) << QSize();
}

void TestPictureDecoder::dibHeaders()
{
    QFETCH(QByteArray, dib);
    QFETCH(QSize, size);
    QCOMPARE(PictureDecoder::dibSize(dib), size);
    Picture picture;
    picture.format = Picture::Format::Dib;
    picture.data = dib;
    const QImage image = PictureDecoder::decode(picture, PictureDecoder::maxPixels);
    QCOMPARE(image.isNull(), !size.isValid());
    if (!image.isNull())
        QCOMPARE(image.size(), size);
    if (!image.isNull())
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::green));
}

void TestPictureDecoder::wmfRecords_data()
{
    const QByteArray rect =
        le16(2) + le16(3) + le16(0) + le16(0) + le16(2) + le16(3) + le16(0) + le16(0);
    QTest::addColumn<QByteArray>("wmf");
    QTest::addColumn<bool>("decoded");
    QTest::newRow("META_STRETCHDIB")
        << wmf(wmfRecord(0x0F43, le32(0xCC0020) + le16(0) + rect + dib())) << true;
    QTest::newRow("META_DIBSTRETCHBLT")
        << wmf(wmfRecord(0x0B41, le32(0xCC0020) + rect + dib())) << true;
    QTest::newRow("META_DIBBITBLT")
        << wmf(wmfRecord(0x0940, le32(0xCC0020) + rect.left(12) + dib())) << true;
    QTest::newRow("META_SETDIBTODEV")
        << wmf(wmfRecord(0x0D33, le16(0) + le16(2) + le16(0) + rect.left(12) + dib())) << true;
    QTest::newRow("placeable header first")
        << QByteArray(le32(0x9AC6CDD7) + QByteArray(18, 0) +
                      wmf(wmfRecord(0x0F43, le32(0xCC0020) + le16(0) + rect + dib())))
        << true;
    QTest::newRow("DIBSTRETCHBLT without a bitmap")
        << wmf(le32(0x0B41 / 256 + 3) + le16(0x0B41) + QByteArray(2 * 8, 0)) << false;
    QTest::newRow("record size beyond the data")
        << QByteArray(wmf({}).left(18) + le32(0x7fffffff) + le16(0x0F43) + le32(0xCC0020)) << false;
    QTest::newRow("record size zero")
        << QByteArray(wmf({}).left(18) + le32(0) + le16(0x0F43)) << false;
    QTest::newRow("lines only") << wmf(wmfRecord(0x0213, le16(1) + le16(1))) << false;
    QTest::newRow("not a metafile") << QByteArray("GIF89a") << false;
}

void TestPictureDecoder::wmfRecords()
{
    QFETCH(QByteArray, wmf);
    QFETCH(bool, decoded);
    Picture picture;
    picture.format = Picture::Format::Wmf;
    picture.data = wmf;
    const QImage image = PictureDecoder::decode(picture, PictureDecoder::maxPixels);
    QCOMPARE(!image.isNull(), decoded);
    if (decoded)
        QCOMPARE(image.size(), QSize(3, 2));
}

void TestPictureDecoder::emfRecordsOutOfBounds()
{
    // An EMR_STRETCHDIBITS whose offsets point outside its record.
    QByteArray record = le32(81) + le32(80) + QByteArray(40, 0) + le32(1000) + le32(40) +
                        le32(2000) + le32(24) + QByteArray(16, 0);
    QByteArray emf = le32(1) + le32(8) + record + le32(14) + le32(20) + QByteArray(12, 0);
    QVERIFY(PictureDecoder::bitmapFromEmf(emf).isEmpty());
    QVERIFY(PictureDecoder::bitmapFromEmf(emf.left(11)).isEmpty());
}

void TestPictureDecoder::budgetLimitsDecoding()
{
    Picture picture;
    picture.format = Picture::Format::Png;
    picture.data = fixtures::bytes(QStringLiteral("picture.png"));
    QVERIFY(!PictureDecoder::decode(picture, 24 * 16).isNull());
    QVERIFY(PictureDecoder::decode(picture, 24 * 16 - 1).isNull());
    // A PNG in a \jpegblip (programs get this wrong) still decodes by its signature.
    picture.format = Picture::Format::Jpeg;
    QVERIFY(!PictureDecoder::decode(picture, 10000).isNull());
    // Only PNG, JPEG and BMP are ever decoded.
    picture.data = "GIF89a\x01\x00\x01\x00";
    QVERIFY(PictureDecoder::decode(picture, 10000).isNull());
}

void TestPictureDecoder::displaySize_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QSize>("native");
    QTest::addColumn<QSize>("goal");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("decoded");
    QTest::addColumn<QSizeF>("shown");
    const int png = int(Picture::Format::Png);
    const int wmf = int(Picture::Format::Wmf);
    QTest::newRow("goal in twips")
        << png << QSize(10, 10) << QSize(1440, 720) << 100 << QSize(10, 10) << QSizeF(96, 48);
    QTest::newRow("goal scaled") << png << QSize() << QSize(1440, 720) << 50 << QSize()
                                 << QSizeF(48, 24);
    QTest::newRow("decoded size without goal")
        << png << QSize(7, 7) << QSize() << 100 << QSize(30, 20) << QSizeF(30, 20);
    QTest::newRow("metafile hundredths of a millimetre")
        << wmf << QSize(2540, 1270) << QSize() << 100 << QSize() << QSizeF(96, 48);
    QTest::newRow("absurd scale") << png << QSize() << QSize(1440, 1440) << 100000 << QSize()
                                  << QSizeF(960, 960);
    QTest::newRow("absurd goal") << png << QSize() << QSize(126720, 15) << 1000 << QSize()
                                 << QSizeF(10000, 10);
    QTest::newRow("nothing known") << png << QSize() << QSize() << 100 << QSize() << QSizeF(32, 32);
}

void TestPictureDecoder::displaySize()
{
    QFETCH(int, format);
    QFETCH(QSize, native);
    QFETCH(QSize, goal);
    QFETCH(int, scale);
    QFETCH(QSize, decoded);
    QFETCH(QSizeF, shown);
    Picture picture;
    picture.format = Picture::Format(format);
    picture.native = native;
    picture.goal = goal;
    picture.scaleX = picture.scaleY = scale;
    QCOMPARE(picture.displaySize(decoded), shown);
}

void TestPictureDecoder::resourceNameFollowsBytes()
{
    Picture a;
    a.data = "abc";
    Picture b = a;
    b.goal = QSize(100, 100);
    QCOMPARE(a.resourceName(), b.resourceName());
    b.data = "abd";
    QVERIFY(a.resourceName() != b.resourceName());
    b = a;
    b.format = Picture::Format::Jpeg;
    QVERIFY(a.resourceName() != b.resourceName());
}

QTEST_MAIN(TestPictureDecoder)
#include "tst_picture_decoder.moc"
