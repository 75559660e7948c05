// Reading and writing profile files: the lookup rules, what real files hold,
// in-place edits, encodings and values that try to smuggle in lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/numeric.h"
#include "store/profile_file.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace store;
using testing::readBytes;
using testing::windowsText;
using testing::writeBytes;

class TestProfileFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("whole");
        QTest::newRow("empty") << "" << 0.0 << 0;
        QTest::newRow("spaces around") << "  7  " << 7.0 << 7;
        QTest::newRow("letters after") << "12abc" << 12.0 << 12;
        QTest::newRow("letters before") << "abc12" << 0.0 << 0;
        QTest::newRow("fraction") << "1.5" << 1.5 << 2;
        QTest::newRow("half to even down") << "2.5" << 2.5 << 2;
        QTest::newRow("half to even up") << "3.5" << 3.5 << 4;
        QTest::newRow("negative half") << "-2.5" << -2.5 << -2;
        QTest::newRow("leading point") << ".5" << 0.5 << 0;
        QTest::newRow("sign only") << "-" << 0.0 << 0;
        QTest::newRow("plus sign") << "+3x" << 3.0 << 3;
        QTest::newRow("exponent") << "1e3" << 1000.0 << 1000;
        QTest::newRow("dangling exponent") << "4e" << 4.0 << 4;
        QTest::newRow("point without digits") << "7." << 7.0 << 7;
        QTest::newRow("clamped high") << "40000" << 40000.0 << 32767;
        QTest::newRow("clamped low") << "-40000" << -40000.0 << -32768;
        QTest::newRow("huge exponent") << "1e999" << std::numeric_limits<double>::max() << 32767;
        QTest::newRow("leading zeros") << "007" << 7.0 << 7;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, whole);
        QCOMPARE(numericValue(text), value);
        QCOMPARE(wholeNumber(text), whole);
    }

    void readRules_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        // The file: see readRules().
        QTest::newRow("plain") << "MAIN" << "TESTTIME" << "30";
        QTest::newRow("section other case") << "main" << "TESTTIME" << "30";
        QTest::newRow("key other case") << "MAIN" << "TESTtime" << "30";
        QTest::newRow("blanks around value") << "MAIN" << "spaced" << "7";
        QTest::newRow("empty value is not the default") << "MAIN" << "empty" << "";
        QTest::newRow("absent key gives the default") << "MAIN" << "absent" << "DEFAULT";
        QTest::newRow("absent section gives the default") << "nothing" << "TESTTIME" << "DEFAULT";
        QTest::newRow("first duplicate key wins") << "MAIN" << "twice" << "first";
        QTest::newRow("first duplicate section wins") << "MAIN" << "only_in_second" << "DEFAULT";
        QTest::newRow("value holding =") << "MAIN" << "formula" << "a=b";
        QTest::newRow("Chinese section and key") << "期中数学" << "高一(1)班" << "1";
        QTest::newRow("comment is no key") << "MAIN" << ";comment" << "DEFAULT";
        QTest::newRow("key of another section") << "MAIN" << "other" << "DEFAULT";
        QTest::newRow("blanks around key") << "MAIN" << "padded key" << "v";
    }
    void readRules()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString file = path(QStringLiteral("rules.cho"));
        writeBytes(file, windowsText(QStringLiteral(
                             "[MAIN]\nTESTTIME=30\nspaced =  7  \nempty=\ntwice=first\n"
                             "TWICE=second\nformula=a=b\n;comment=x\n  padded key  =v\n"
                             "[期中数学]\n高一(1)班=1\n[Other]\nother=1\n[main]\n"
                             "only_in_second=x\n")));
        QCOMPARE(ProfileFile(file).readValue(section, key, QStringLiteral("DEFAULT")), expected);
    }

    void readsWhatRealFilesHold()
    {
        const ProfileSnapshot messy = ProfileFile(testing::fixture(QStringLiteral("store/messy.cho"))).read();
        QCOMPARE(messy.status(), ReadStatus::Ok);
        QCOMPARE(messy.value(u"MAIN", u"key1"), QStringLiteral("spaced value"));
        QCOMPARE(messy.value(u"other", u"name"), QStringLiteral("中文")); // UTF-8 after a BOM
        QCOMPARE(messy.value(u"other", u"empty", QStringLiteral("x")), QString());
        QCOMPARE(messy.value(u"other", u"last"), QStringLiteral("no line end"));
        QCOMPARE(messy.value(u"main", u"Key2", QStringLiteral("d")), QStringLiteral("d"));

        const ProfileSnapshot gbk = ProfileFile(testing::fixture(QStringLiteral("store/sys.cho"))).read();
        QCOMPARE(gbk.value(u"ClassName", u"1"), QStringLiteral("高一(1)班"));
        QCOMPARE(gbk.value(u"admin", u"PWD"), QStringLiteral("老师 Pass"));
    }

    void longValuesAreCut()
    {
        const QString file = path(QStringLiteral("long.cho"));
        const QString value300 = QString(250, u'a') + QString(50, u'b');
        QCOMPARE(value300.size(), 300);
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("S"), QStringLiteral("k"), value300),
                 WriteStatus::Ok);
        QCOMPARE(ProfileFile(file).readValue(u"S", u"k"), value300.left(255));
        // The file keeps the whole value; only the read is cut.
        QVERIFY(readBytes(file).contains(value300.toLatin1()));

        // A cut that would fall between the blank and the rest is trimmed again.
        const QString blankAt255 = QString(254, u'x') + QStringLiteral(" yyy");
        ProfileFile(file).writeValue(QStringLiteral("S"), QStringLiteral("b"), blankAt255);
        QCOMPARE(ProfileFile(file).readValue(u"S", u"b"), QString(254, u'x'));

        // A megabyte-long line and binary garbage are read without harm.
        QByteArray huge = "[S]\r\nbig=" + QByteArray(1 << 20, 'z')
                          + QByteArray("\r\n\x00\x01\x02\r\nafter=1\r\n", 17);
        writeBytes(file, huge);
        QCOMPARE(ProfileFile(file).readValue(u"S", u"big").size(), 255);
        QCOMPARE(ProfileFile(file).readValue(u"S", u"after"), QStringLiteral("1"));
    }

    void oversizedFileIsNotRead()
    {
        const QString file = path(QStringLiteral("huge.cho"));
        QByteArray bytes = "[S]\r\nk=1\r\n";
        bytes.append(QByteArray(ProfileFile::maxFileSize, ';'));
        writeBytes(file, bytes);
        const ProfileSnapshot snapshot = ProfileFile(file).read();
        QCOMPARE(snapshot.status(), ReadStatus::TooLarge);
        QCOMPARE(snapshot.value(u"S", u"k", QStringLiteral("default")), QStringLiteral("default"));
        // Rewriting what could not be read would lose it: refused, file untouched.
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2")),
                 WriteStatus::TooLarge);
        QCOMPARE(QFileInfo(file).size(), bytes.size());
    }

    void missingFileAndFolder()
    {
        const QString missing = path(QStringLiteral("none.cho"));
        QCOMPARE(ProfileFile(missing).read().status(), ReadStatus::Missing);
        QCOMPARE(ProfileFile(missing).readValue(u"S", u"k", QStringLiteral("d")), QStringLiteral("d"));

        const QString inMissingFolder = path(QStringLiteral("no/such/folder/x.cho"));
        QCOMPARE(ProfileFile(inMissingFolder).writeValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")),
                 WriteStatus::FolderMissing);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("no"))));

        // Writing into an existing folder creates the file with section and key.
        QCOMPARE(ProfileFile(missing).writeValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")),
                 WriteStatus::Ok);
        QCOMPARE(readBytes(missing), QByteArray("[S]\r\nk=v\r\n"));
        QVERIFY(!QFileInfo::exists(missing + QStringLiteral(".lock")));
    }

    void editsInPlace_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replace keeps the key's spelling and other lines")
            << QByteArray("[A]\r\n  Key = old \r\nother=1\n[B]\r\nkey=b\r\n")
            << "a" << "KEY" << "new"
            << QByteArray("[A]\r\nKey=new\r\nother=1\n[B]\r\nkey=b\r\n");
        QTest::newRow("new key goes last in its section, before blank lines")
            << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n")
            << "A" << "z" << "3"
            << QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
        QTest::newRow("new section at the end, after a last line without line end")
            << QByteArray("[A]\r\nx=1")
            << "B" << "y" << "2"
            << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        QTest::newRow("empty value clears, the key stays")
            << QByteArray("[A]\r\n7TIME2=00:10:00\r\n7DF=80\r\n")
            << "A" << "7TIME2" << ""
            << QByteArray("[A]\r\n7TIME2=\r\n7DF=80\r\n");
        QTest::newRow("GBK lines around stay byte for byte")
            << windowsText(QStringLiteral("[班级]\n张三=1\n李四=2\n"))
            << "班级" << "李四" << "王五"
            << windowsText(QStringLiteral("[班级]\n张三=1\n李四=王五\n"));
        QTest::newRow("garbage lines survive a rewrite")
            << QByteArray("\xff\xfe junk\r\n[A]\r\n\x01\x02\r\nx=1\r\n", 23)
            << "A" << "x" << "2"
            << QByteArray("\xff\xfe junk\r\n[A]\r\n\x01\x02\r\nx=2\r\n", 23);
    }
    void editsInPlace()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString file = path(QStringLiteral("edit.cho"));
        writeBytes(file, before);
        QCOMPARE(ProfileFile(file).writeValue(section, key, value), WriteStatus::Ok);
        QCOMPARE(readBytes(file), after);
    }

    void encodings()
    {
        const QString file = path(QStringLiteral("enc.cho"));
        QFile::remove(file);
        ProfileFile profile(file);
        QCOMPARE(profile.writeValue(QStringLiteral("班级"), QStringLiteral("7"), QStringLiteral("张三")),
                 WriteStatus::Ok);
        QCOMPARE(readBytes(file), windowsText(QStringLiteral("[班级]\n7=张三\n")));

        // A name that code page 936 cannot hold turns the file into UTF-8 with a
        // byte-order mark instead of losing the character.
        QCOMPARE(profile.writeValue(QStringLiteral("班级"), QStringLiteral("8"), QStringLiteral("Zoë 😀")),
                 WriteStatus::Ok);
        const QByteArray bytes = readBytes(file);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!bytes.contains('?'));
        QCOMPARE(profile.readValue(u"班级", u"7"), QStringLiteral("张三"));
        QCOMPARE(profile.readValue(u"班级", u"8"), QStringLiteral("Zoë 😀"));

        // The replacement character has no code page 936 form either, though the
        // converter would quietly write "?" for it.
        const QString other = path(QStringLiteral("fffd.cho"));
        QCOMPARE(ProfileFile(other).writeValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("a\uFFFDb")),
                 WriteStatus::Ok);
        QCOMPARE(ProfileFile(other).readValue(u"A", u"k"), QStringLiteral("a\uFFFDb"));

        // Once UTF-8, it stays UTF-8.
        profile.writeValue(QStringLiteral("班级"), QStringLiteral("9"), QStringLiteral("李"));
        QVERIFY(readBytes(file).startsWith("\xEF\xBB\xBF"));
        QCOMPARE(profile.readValue(u"班级", u"9"), QStringLiteral("李"));
    }

    void batchAppliesInOrder()
    {
        const QString file = path(QStringLiteral("batch.cho"));
        QFile::remove(file);
        ProfileBatch batch;
        batch.set(QStringLiteral("A1"), QStringLiteral("7TIME"), QStringLiteral("0:29:00"));
        batch.set(QStringLiteral("A1"), QStringLiteral("7DangQian"), QStringLiteral("3"));
        batch.set(QStringLiteral("A1"), QStringLiteral("7TIME"), QStringLiteral("0:28:00"));
        batch.set(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("v"));
        IoCounters::reset();
        QCOMPARE(ProfileFile(file).apply(batch), WriteStatus::Ok);
        QCOMPARE(IoCounters::renames.load(), 1L);
        QCOMPARE(IoCounters::locks.load(), 1L);
        QCOMPARE(readBytes(file), QByteArray("[A1]\r\n7TIME=0:28:00\r\n7DangQian=3\r\n[B]\r\nk=v\r\n"));

        // Writing what is already there does not rewrite the file.
        IoCounters::reset();
        QCOMPARE(ProfileFile(file).apply(batch), WriteStatus::Ok);
        QCOMPARE(IoCounters::renames.load(), 0L);
    }

    void valuesCannotCarryLines()
    {
        // A testee types a name with a line break and a score key after it.
        const QString file = path(QStringLiteral("A17.cho"));
        QFile::remove(file);
        ProfileBatch admission;
        admission.set(QStringLiteral("A1"), QStringLiteral("7"), QStringLiteral("Tom\r\n7DF=100"));
        admission.set(QStringLiteral("A1"), QStringLiteral("7LAST"), QStringLiteral("x\n[A1]\n7DF=100\u2028y"));
        QCOMPARE(ProfileFile(file).apply(admission), WriteStatus::Ok);
        const ProfileSnapshot record = ProfileFile(file).read();
        QCOMPARE(record.value(u"A1", u"7DF", QStringLiteral("-1")), QStringLiteral("-1"));
        QCOMPARE(record.value(u"A1", u"7"), QStringLiteral("Tom  7DF=100"));
        QCOMPARE(readBytes(file).count('\n'), 3);
    }

    void invalidNamesAreRefused_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("bracket in section") << "A]B" << "k";
        QTest::newRow("open bracket in key") << "A" << "[k";
        QTest::newRow("equals in key") << "A" << "k=1";
        QTest::newRow("line break in key") << "A" << "k\r\n7DF";
        QTest::newRow("tab in section") << "A\tB" << "k";
        QTest::newRow("blank before key") << "A" << " k";
        QTest::newRow("blank after section") << "A " << "k";
        QTest::newRow("empty key") << "A" << "";
        QTest::newRow("empty section") << "" << "k";
        QTest::newRow("comment key") << "A" << ";k";
    }
    void invalidNamesAreRefused()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        const QString file = path(QStringLiteral("names.cho"));
        writeBytes(file, "[A]\r\nx=1\r\n");
        ProfileBatch batch;
        batch.set(QStringLiteral("A"), QStringLiteral("ok"), QStringLiteral("1"));
        batch.set(section, key, QStringLiteral("v"));
        QCOMPARE(ProfileFile(file).apply(batch), WriteStatus::InvalidName);
        QCOMPARE(readBytes(file), QByteArray("[A]\r\nx=1\r\n")); // not even the valid write
    }
};

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profile_file.moc"
