// Reading and writing profile files: the lookup rules, what real files hold,
// in-place edits, encodings and values that try to smuggle in lines.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/numeric.h"
#include "store/profile_document.h"
#include "store/profile_file.h"
#include "test_files.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
        QTest::newRow("plain") << "MAIN"
                               << "TESTTIME"
                               << "30";
        QTest::newRow("section other case") << "main"
                                            << "TESTTIME"
                                            << "30";
        QTest::newRow("key other case") << "MAIN"
                                        << "TESTtime"
                                        << "30";
        QTest::newRow("blanks around value") << "MAIN"
                                             << "spaced"
                                             << "7";
        QTest::newRow("empty value is not the default") << "MAIN"
                                                        << "empty"
                                                        << "";
        QTest::newRow("absent key gives the default") << "MAIN"
                                                      << "absent"
                                                      << "DEFAULT";
        QTest::newRow("absent section gives the default") << "nothing"
                                                          << "TESTTIME"
                                                          << "DEFAULT";
        QTest::newRow("first duplicate key wins") << "MAIN"
                                                  << "twice"
                                                  << "first";
        QTest::newRow("first duplicate section wins") << "MAIN"
                                                      << "only_in_second"
                                                      << "DEFAULT";
        QTest::newRow("value holding =") << "MAIN"
                                         << "formula"
                                         << "a=b";
        QTest::newRow("Chinese section and key") << "期中数学"
                                                 << "高一(1)班"
                                                 << "1";
        QTest::newRow("comment is no key") << "MAIN"
                                           << ";comment"
                                           << "DEFAULT";
        QTest::newRow("key of another section") << "MAIN"
                                                << "other"
                                                << "DEFAULT";
        QTest::newRow("blanks around key") << "MAIN"
                                           << "padded key"
                                           << "v";
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
        const ProfileSnapshot messy =
            ProfileFile(testing::fixture(QStringLiteral("store/messy.cho"))).read();
        QCOMPARE(messy.status(), ReadStatus::Ok);
        QCOMPARE(messy.value(u"MAIN", u"key1"), QStringLiteral("spaced value"));
        QCOMPARE(messy.value(u"other", u"name"), QStringLiteral("中文")); // UTF-8 after a BOM
        QCOMPARE(messy.value(u"other", u"empty", QStringLiteral("x")), QString());
        QCOMPARE(messy.value(u"other", u"last"), QStringLiteral("no line end"));
        QCOMPARE(messy.value(u"main", u"Key2", QStringLiteral("d")), QStringLiteral("d"));

        const ProfileSnapshot gbk =
            ProfileFile(testing::fixture(QStringLiteral("store/sys.cho"))).read();
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
        QByteArray huge = "[S]\r\nbig=" + QByteArray(1 << 20, 'z') +
                          QByteArray("\r\n\x00\x01\x02\r\nafter=1\r\n", 17);
        writeBytes(file, huge);
        QCOMPARE(ProfileFile(file).readValue(u"S", u"big").size(), 255);
        QCOMPARE(ProfileFile(file).readValue(u"S", u"after"), QStringLiteral("1"));
    }

    // Anybody can write into the results folder: what a file holds may not cost
    // more than a small multiple of its size.
    void tooManySectionsOrKeys_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
        auto sections = [](qsizetype count) {
            QByteArray bytes;
            for (qsizetype i = 0; i < count; ++i)
                bytes += '[' + QByteArray::number(i) + "]\r\n";
            return bytes;
        };
        auto keys = [](qsizetype count) {
            QByteArray bytes = "[A1]\r\n";
            for (qsizetype i = 0; i < count; ++i)
                bytes += QByteArray::number(i) + "=\r\n";
            return bytes;
        };
        // Each file ends with one more section holding one more key.
        QTest::newRow("sections at the limit")
            << sections(ProfileDocument::maxSections - 1) << true;
        QTest::newRow("one section more") << sections(ProfileDocument::maxSections) << false;
        QTest::newRow("keys at the limit") << keys(ProfileDocument::maxKeys - 1) << true;
        QTest::newRow("one key more") << keys(ProfileDocument::maxKeys) << false;
    }

    void tooManySectionsOrKeys()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        const QString file = path(QStringLiteral("many.cho"));
        writeBytes(file, bytes + "[S]\r\nk=1\r\n");
        const ProfileSnapshot snapshot = ProfileFile(file).read();
        QCOMPARE(snapshot.status(), readable ? ReadStatus::Ok : ReadStatus::TooLarge);
        QCOMPARE(snapshot.value(u"S", u"k", QStringLiteral("d")),
                 readable ? QStringLiteral("1") : QStringLiteral("d"));
        // What could not be read in full is not rewritten either.
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("S"), QStringLiteral("k"),
                                              QStringLiteral("2")),
                 readable ? WriteStatus::Ok : WriteStatus::TooLarge);
        if (!readable)
            QCOMPARE(readBytes(file), bytes + "[S]\r\nk=1\r\n");
    }

    // A FIFO (or a folder) named like a profile file must not hold the program in
    // open(), and is neither read nor replaced.
    void onlyRegularFilesAreRead()
    {
        const QString fifo = path(QStringLiteral("A17.cho"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        std::atomic<bool> done{false};
        ReadStatus status = ReadStatus::Ok;
        std::thread reader([&] {
            status = ProfileFile(fifo).read().status();
            done = true;
        });
        QElapsedTimer clock;
        clock.start();
        while (!done && clock.elapsed() < 5000)
            QThread::msleep(5);
        if (!done) {
            // Let the reader go before failing: a writer at the other end ends its open().
            const int end = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            reader.join();
            ::close(end);
            QFAIL("reading a FIFO blocked");
        }
        reader.join();
        QCOMPARE(status, ReadStatus::Error);
        QCOMPARE(ProfileFile(fifo).writeValue(QStringLiteral("A1"), QStringLiteral("7"),
                                              QStringLiteral("x")),
                 WriteStatus::Error);
        struct stat info
        {
        };
        QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));

        const QString folder = path(QStringLiteral("A18.cho"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(ProfileFile(folder).read().status(), ReadStatus::Error);
    }

    // A share can report a file missing for a moment while another computer
    // replaces it; a reader that knows the file looks again.
    void expectedFileIsLookedForAgain()
    {
        const QString file = path(QStringLiteral("moment.cho"));
        QFile::remove(file);
        std::thread replacer([file] {
            QThread::msleep(15);
            writeBytes(file, "[A1]\r\n7=Ann\r\n");
        });
        const ProfileSnapshot snapshot = ProfileFile(file).read(ProfileFile::Existence::Expected);
        replacer.join();
        QCOMPARE(snapshot.status(), ReadStatus::Ok);
        QCOMPARE(snapshot.value(u"A1", u"7"), QStringLiteral("Ann"));
        QCOMPARE(ProfileFile(path(QStringLiteral("never.cho")))
                     .read(ProfileFile::Existence::Expected)
                     .status(),
                 ReadStatus::Missing);
    }

    // A program that takes no lock (an older installation) may be writing the file
    // in place while we hold ours: a read that ends in the middle of a line is not
    // the file, and is read again before anything is written back.
    void rewriteNeverStartsFromAShortRead()
    {
        const QString file = path(QStringLiteral("short.cho"));
        const QByteArray whole = "[A1]\r\n7=Ann\r\n7LAST=Lee\r\n7TIME1=2024,05,12  09:30:00\r\n";
        writeBytes(file, whole.first(20)); // ends inside "7LAST=Lee"
        std::thread completer([file, whole] {
            const QByteArray lock = QFile::encodeName(file + QStringLiteral(".lock"));
            QElapsedTimer clock;
            clock.start();
            for (bool held = false; !held && clock.elapsed() < 10000;) {
                const int fd = ::open(lock.constData(), O_RDONLY | O_CLOEXEC);
                if (fd >= 0) {
                    struct flock probe
                    {
                    };
                    probe.l_type = F_WRLCK;
                    probe.l_whence = SEEK_SET;
                    held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
                    ::close(fd);
                }
                if (!held)
                    QThread::usleep(100);
            }
            QFile rest(file);
            if (rest.open(QIODevice::Append))
                rest.write(whole.sliced(20));
        });
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("7DF"),
                                              QStringLiteral("90")),
                 WriteStatus::Ok);
        completer.join();
        QCOMPARE(readBytes(file), whole + "7DF=90\r\n");

        // A file that simply has no last line end (edited by hand) is written all the same.
        writeBytes(file, "[A1]\r\n7=Ann");
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("7DF"),
                                              QStringLiteral("90")),
                 WriteStatus::Ok);
        QCOMPARE(readBytes(file), QByteArray("[A1]\r\n7=Ann\r\n7DF=90\r\n"));
    }

    // On a local disk nothing stays open after a write: a folder can be removed at once.
    void nothingStaysOpenAfterAWrite()
    {
        const QString file = path(QStringLiteral("open.cho"));
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("7"),
                                              QStringLiteral("Ann")),
                 WriteStatus::Ok);
        const QFileInfoList descriptors =
            QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files);
        for (const QFileInfo &fd : descriptors)
            QVERIFY2(!fd.symLinkTarget().startsWith(m_dir.path()), qPrintable(fd.symLinkTarget()));
    }

    void leftoverTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("removed");
        QTest::newRow("a killed writer's") << "rec.cho.aB3dE9" << 120 << true;
        QTest::newRow("digits and both cases") << "rec.cho.Q7x2Lm" << 61 * 60 << true;
        QTest::newRow("another writer's, in use") << "rec.cho.Zq8LmW" << 10 << false;
        QTest::newRow("a backup a person made") << "rec.cho.backup" << 120 << false;
        QTest::newRow("capitalised") << "rec.cho.Backup" << 120 << false;
        QTest::newRow("upper case and digits") << "rec.cho.BAK001" << 120 << false;
        QTest::newRow("a date") << "rec.cho.201904" << 120 << false;
        QTest::newRow("five characters") << "rec.cho.aB3dE" << 120 << false;
        QTest::newRow("another file's") << "other.cho.aB3dE9" << 120 << false;
        QTest::newRow("the lock") << "rec.cho.lock" << 120 << false;
    }

    void leftoverTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(int, ageSeconds);
        QFETCH(bool, removed);
        const QString file = path(QStringLiteral("rec.cho"));
        writeBytes(file, "[A1]\r\n7=Ann\r\n");
        const QString leftover = path(name);
        writeBytes(leftover, "[A1]\r\n7=An");
        QFile touched(leftover);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds),
                                    QFileDevice::FileModificationTime));
        touched.close();

        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("A1"), QStringLiteral("7DF"),
                                              QStringLiteral("1")),
                 WriteStatus::Ok);
        QCOMPARE(QFileInfo::exists(leftover), !removed);
        QFile::remove(leftover);
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
        QCOMPARE(ProfileFile(file).writeValue(QStringLiteral("S"), QStringLiteral("k"),
                                              QStringLiteral("2")),
                 WriteStatus::TooLarge);
        QCOMPARE(QFileInfo(file).size(), bytes.size());
    }

    void missingFileAndFolder()
    {
        const QString missing = path(QStringLiteral("none.cho"));
        QCOMPARE(ProfileFile(missing).read().status(), ReadStatus::Missing);
        QCOMPARE(ProfileFile(missing).readValue(u"S", u"k", QStringLiteral("d")),
                 QStringLiteral("d"));

        const QString inMissingFolder = path(QStringLiteral("no/such/folder/x.cho"));
        QCOMPARE(ProfileFile(inMissingFolder)
                     .writeValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")),
                 WriteStatus::FolderMissing);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("no"))));

        // Writing into an existing folder creates the file with section and key.
        QCOMPARE(ProfileFile(missing).writeValue(QStringLiteral("S"), QStringLiteral("k"),
                                                 QStringLiteral("v")),
                 WriteStatus::Ok);
        QCOMPARE(readBytes(missing), QByteArray("[S]\r\nk=v\r\n"));
        // The lock file stays beside it, empty: the kernel's lock is what excludes.
        QVERIFY(QFileInfo(missing + QStringLiteral(".lock")).isFile());
        QCOMPARE(QFileInfo(missing + QStringLiteral(".lock")).size(), 0);
    }

    void editsInPlace_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replace keeps the key's spelling and other lines")
            << QByteArray("[A]\r\n  Key = old \r\nother=1\n[B]\r\nkey=b\r\n") << "a"
            << "KEY"
            << "new" << QByteArray("[A]\r\nKey=new\r\nother=1\n[B]\r\nkey=b\r\n");
        QTest::newRow("new key goes last in its section, before blank lines")
            << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n") << "A"
            << "z"
            << "3" << QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
        QTest::newRow("new section at the end, after a last line without line end")
            << QByteArray("[A]\r\nx=1") << "B"
            << "y"
            << "2" << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        QTest::newRow("empty value clears, the key stays")
            << QByteArray("[A]\r\n7TIME2=00:10:00\r\n7DF=80\r\n") << "A"
            << "7TIME2"
            << "" << QByteArray("[A]\r\n7TIME2=\r\n7DF=80\r\n");
        QTest::newRow("GBK lines around stay byte for byte")
            << windowsText(QStringLiteral("[班级]\n张三=1\n李四=2\n")) << "班级"
            << "李四"
            << "王五" << windowsText(QStringLiteral("[班级]\n张三=1\n李四=王五\n"));
        QTest::newRow("garbage lines survive a rewrite")
            << QByteArray("\xff\xfe junk\r\n[A]\r\n\x01\x02\r\nx=1\r\n", 23) << "A"
            << "x"
            << "2" << QByteArray("\xff\xfe junk\r\n[A]\r\n\x01\x02\r\nx=2\r\n", 23);
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

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const QByteArray names = windowsText(QStringLiteral("[班级]\n7=张三\n"));
        QTest::newRow("code page 936 text stays byte for byte")
            << names << QStringLiteral("李四") << names + windowsText(QStringLiteral("8=李四\n"));
        // A character that code page 936 lacks takes four bytes; the other names stay
        // readable to the Windows installations.
        QTest::newRow("a name code page 936 lacks")
            << names << QStringLiteral("Søren") << names + QByteArray("8=S\x81\x30\x8B\x33ren\r\n");
        QTest::newRow("outside the basic plane")
            << names << QStringLiteral("Zoë 😀")
            << names + QByteArray("8=Zo\x81\x30\x8A\x35 \x94\x39\xFC\x36\r\n");
        // The converter would quietly write "?" for it.
        QTest::newRow("the replacement character") << names << QStringLiteral("a\uFFFDb")
                                                   << names + QByteArray("8=a\x84\x31\xA4\x37"
                                                                         "b\r\n");
        // The single byte 0x80 is the euro sign in code page 936, and is written so.
        QTest::newRow("euro sign") << QByteArray("[A]\r\nk=\x80 5\r\n") << QStringLiteral("€ 6")
                                   << QByteArray("[A]\r\nk=\x80 5\r\n8=\x80 6\r\n");
        // GB18030 writes this one on a code that code page 936 reads as a private-use
        // character; only UTF-8 keeps it.
        QTest::newRow("no four-byte code: UTF-8")
            << names << QStringLiteral("\u1E3F")
            << QByteArray("\xEF\xBB\xBF") +
                   QStringLiteral("[班级]\r\n7=张三\r\n8=\u1E3F\r\n").toUtf8();
        const QByteArray utf8 =
            QByteArray("\xEF\xBB\xBF[A]\r\nk=") + QStringLiteral("中").toUtf8() + "\r\n";
        QTest::newRow("UTF-8 stays UTF-8")
            << utf8 << QStringLiteral("李") << utf8 + "8=" + QStringLiteral("李").toUtf8() + "\r\n";
    }

    void encodings()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString file = path(QStringLiteral("enc.cho"));
        writeBytes(file, before);
        const QString section = ProfileFile(file).read().value(u"A", u"k").isEmpty()
                                    ? QStringLiteral("班级")
                                    : QStringLiteral("A");
        QCOMPARE(ProfileFile(file).writeValue(section, QStringLiteral("8"), value),
                 WriteStatus::Ok);
        QCOMPARE(readBytes(file), after);
        const ProfileSnapshot reread = ProfileFile(file).read();
        QCOMPARE(reread.value(section, u"8"), value);
        if (section == u"班级")
            QCOMPARE(reread.value(section, u"7"), QStringLiteral("张三"));
        else
            QVERIFY(!reread.value(section, u"k").isEmpty());
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
        QCOMPARE(readBytes(file),
                 QByteArray("[A1]\r\n7TIME=0:28:00\r\n7DangQian=3\r\n[B]\r\nk=v\r\n"));

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
        admission.set(QStringLiteral("A1"), QStringLiteral("7LAST"),
                      QStringLiteral("x\n[A1]\n7DF=100\u2028y"));
        QCOMPARE(ProfileFile(file).apply(admission), WriteStatus::Ok);
        const ProfileSnapshot record = ProfileFile(file).read();
        QCOMPARE(record.value(u"A1", u"7DF", QStringLiteral("-1")), QStringLiteral("-1"));
        QCOMPARE(record.value(u"A1", u"7"), QStringLiteral("Tom  7DF=100"));
        QCOMPARE(readBytes(file).count('\n'), 3);
    }

    void removeSection_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QByteArray>("after"); // empty: the file is gone
        QTest::newRow("the only section takes the file with it")
            << QByteArray("[A1]\r\n23=Tom\r\n23DF=90\r\n") << "A1" << QByteArray();
        QTest::newRow("a neighbour's section stays byte for byte")
            << QByteArray("[A1]\r\n23=Tom\r\n[A12]\r\n3=Ann\r\n") << "a1"
            << QByteArray("[A12]\r\n3=Ann\r\n");
        QTest::newRow("a later duplicate goes too, or it would start being read")
            << QByteArray("[B]\r\nk=1\r\n[A1]\r\n23DF=90\r\n[B]\r\nk=2\r\n[a1]\r\n23DF=10\r\n")
            << "A1" << QByteArray("[B]\r\nk=1\r\n[B]\r\nk=2\r\n");
        QTest::newRow("no such section leaves the file alone")
            << QByteArray("[A12]\r\n3=Ann") << "A1" << QByteArray("[A12]\r\n3=Ann");
    }
    void removeSection()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QByteArray, after);
        const QString file = path(QStringLiteral("remove.cho"));
        writeBytes(file, before);
        QCOMPARE(ProfileFile(file).removeSection(section), WriteStatus::Ok);
        QCOMPARE(QFileInfo::exists(file), !after.isEmpty());
        if (!after.isEmpty())
            QCOMPARE(readBytes(file), after);
        // The remaining sections still read, and the removed one reads as absent.
        QCOMPARE(ProfileFile(file).readValue(section, u"23DF", QStringLiteral("-1")),
                 QStringLiteral("-1"));

        QFile::remove(file);
        QCOMPARE(ProfileFile(file).removeSection(section), WriteStatus::Ok);
        QVERIFY(!QFileInfo::exists(file));
    }

    void invalidNamesAreRefused_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("bracket in section") << "A]B"
                                            << "k";
        QTest::newRow("open bracket in key") << "A"
                                             << "[k";
        QTest::newRow("equals in key") << "A"
                                       << "k=1";
        QTest::newRow("line break in key") << "A"
                                           << "k\r\n7DF";
        QTest::newRow("tab in section") << "A\tB"
                                        << "k";
        QTest::newRow("blank before key") << "A"
                                          << " k";
        QTest::newRow("blank after section") << "A "
                                             << "k";
        QTest::newRow("empty key") << "A"
                                   << "";
        QTest::newRow("empty section") << ""
                                       << "k";
        QTest::newRow("comment key") << "A"
                                     << ";k";
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
