// Tests of the rich-text pane as a person uses it: load, type, format, paste, save, reload.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rich_text_pane.h"

#include "richtext/picture.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QUrl>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(QUORIN_TEST_DATA "/richtext/") + name;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int imageCount(const QTextDocument &document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat() ? it.fragment().length() : 0;
    }
    return count;
}

void selectText(ui::RichTextPane &pane, const QString &text)
{
    QTextCursor cursor = pane.document()->find(text);
    QVERIFY(!cursor.isNull());
    pane.setTextCursor(cursor);
}

} // namespace

class TestRichTextPane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void editSaveReload();
    void missingFileIsNeverSaved_data();
    void missingFileIsNeverSaved();
    void selectionFormats();
    void pastedImageIsSavedAsPicture();
    void copyBetweenPanesKeepsPictures();
    void pastedHtmlImageIsKept();
    void readOnlyIgnoresTypingAndPaste();
    void editSignalsAndFocus();
    void styleShortcuts_data();
    void styleShortcuts();
    void stylesSurviveSaveAndReload();
    void insertPictureFile_data();
    void insertPictureFile();
    void aPhotoIsShownAtAQuestionsWidth();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString copyOf(const QString &name);
};

void TestRichTextPane::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestRichTextPane::cleanup()
{
    m_dir->setAutoRemove(!QTest::currentTestFailed());
    m_dir.reset();
}

QString TestRichTextPane::copyOf(const QString &name)
{
    const QString path = m_dir->filePath(name);
    QFile::copy(fixture(name), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void TestRichTextPane::editSaveReload()
{
    const QString path = copyOf(QStringLiteral("lo_pictures.rtf"));
    ui::RichTextPane pane;
    QVERIFY(pane.loadFile(path));
    QCOMPARE(pane.fileName(), path);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));

    QTextCursor cursor = pane.textCursor();
    cursor.movePosition(QTextCursor::End);
    pane.setTextCursor(cursor);
    QTest::keyClicks(&pane, QStringLiteral(" Typed"));
    QTest::keyClick(&pane, Qt::Key_Return);
    QTest::keyClicks(&pane, QStringLiteral("New line"));
    selectText(pane, QStringLiteral("Typed"));
    pane.setSelectionColor(QColor(0, 128, 0));
    pane.setSelectionFontSize(18);
    QVERIFY(pane.document()->isModified());
    QVERIFY(pane.save().ok());
    QVERIFY(!pane.document()->isModified());

    ui::RichTextPane again;
    QVERIFY(again.loadFile(path));
    QCOMPARE(again.plainText(), pane.plainText());
    QVERIFY(again.plainText().endsWith(QStringLiteral("After the table. Typed\nNew line")));
    QCOMPARE(imageCount(*again.document()), 2);
    selectText(again, QStringLiteral("Typed"));
    QCOMPARE(again.selectionColor(), QColor(0, 128, 0));
    QCOMPARE(again.selectionFontSize(), 18.0);
    QCOMPARE(again.selectionFontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(again.selectionLength(), 5);
}

void TestRichTextPane::missingFileIsNeverSaved_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << QStringLiteral("none.rtf");
    QTest::newRow("a folder") << QStringLiteral(".");
    QTest::newRow("empty name") << QString();
}

void TestRichTextPane::missingFileIsNeverSaved()
{
    QFETCH(QString, name);
    ui::RichTextPane pane;
    QVERIFY(pane.loadFile(copyOf(QStringLiteral("wordpad_gbk.rtf"))));
    QVERIFY(!pane.loadFile(name.isEmpty() ? QString() : m_dir->filePath(name)));
    QVERIFY(pane.document()->isEmpty());
    QCOMPARE(pane.fileName(), QString());
    QTest::keyClicks(&pane, QStringLiteral("typed"));
    QVERIFY(!pane.save().ok());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
             QStringList{QStringLiteral("wordpad_gbk.rtf")});
    // The file that was open before is untouched.
    QCOMPARE(fileBytes(m_dir->filePath(QStringLiteral("wordpad_gbk.rtf"))),
             fileBytes(fixture(QStringLiteral("wordpad_gbk.rtf"))));
}

void TestRichTextPane::selectionFormats()
{
    ui::RichTextPane pane;
    QVERIFY(pane.loadFile(fixture(QStringLiteral("wordpad_gbk.rtf"))));
    selectText(pane, QStringLiteral("说明"));
    QCOMPARE(pane.selectionFontName(), QStringLiteral("黑体"));
    QCOMPARE(pane.selectionFontSize(), 16.0);
    QCOMPARE(pane.selectionLength(), 2);

    // A selection over two fonts and two colours has none of its own.
    selectText(pane, QStringLiteral("B. 23"));
    QCOMPARE(pane.selectionFontName(), QStringLiteral("Arial"));
    QVERIFY(!pane.selectionColor().isValid());
    QTextCursor cursor = pane.document()->find(QStringLiteral("质数"));
    cursor.setPosition(pane.document()->find(QStringLiteral("A. 21")).selectionEnd(),
                       QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
    QCOMPARE(pane.selectionFontName(), QString());
    QCOMPARE(pane.selectionFontSize(), 12.0);

    pane.setSelectionFontName(QStringLiteral("KaiTi"));
    QCOMPARE(pane.selectionFontName(), QStringLiteral("KaiTi"));
    pane.setSelectionFontSize(-3); // refused
    QCOMPARE(pane.selectionFontSize(), 12.0);
    pane.setSelectionColor(QColor()); // refused
    pane.setSelectionColor(Qt::red);
    QCOMPARE(pane.selectionColor(), QColor(Qt::red));
}

void TestRichTextPane::pastedImageIsSavedAsPicture()
{
    const QString path = copyOf(QStringLiteral("wordpad_gbk.rtf"));
    ui::RichTextPane pane;
    QVERIFY(pane.loadFile(path));
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QApplication::clipboard()->setImage(image);
    pane.moveCursor(QTextCursor::End);
    pane.paste();
    QCOMPARE(imageCount(*pane.document()), 1);
    QVERIFY(pane.save().ok());
    QVERIFY(fileBytes(path).contains("\\pngblip\\picw6\\pich4"));

    ui::RichTextPane again;
    QVERIFY(again.loadFile(path));
    QCOMPARE(imageCount(*again.document()), 1);
}

void TestRichTextPane::copyBetweenPanesKeepsPictures()
{
    ui::RichTextPane from;
    QVERIFY(from.loadFile(fixture(QStringLiteral("wordpad_wmf.rtf"))));
    from.selectAll();
    from.copy();
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/rtf")));

    const QString path = m_dir->filePath(QStringLiteral("new.rtf"));
    QFile(path).open(QIODevice::WriteOnly);
    ui::RichTextPane to;
    QVERIFY(to.loadFile(path));
    to.paste();
    QCOMPARE(to.plainText(), from.plainText());
    QCOMPARE(imageCount(*to.document()), 1);
    QVERIFY(to.save().ok());
    // The metafile travels byte for byte, not as a new bitmap.
    QVERIFY(fileBytes(path).contains("\\wmetafile8"));
}

void TestRichTextPane::pastedHtmlImageIsKept()
{
    const QString png = m_dir->filePath(QStringLiteral("web.png"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    QVERIFY(image.save(png));
    auto *data = new QMimeData;
    data->setHtml(
        QStringLiteral("<p>web <img src=\"%1\"></p>").arg(QUrl::fromLocalFile(png).toString()));
    QApplication::clipboard()->setMimeData(data);

    const QString path = m_dir->filePath(QStringLiteral("html.rtf"));
    ui::RichTextPane pane;
    pane.setRtf(QByteArray("{\\rtf1 x}"));
    QCOMPARE(pane.fileName(), QString());
    pane.moveCursor(QTextCursor::End);
    pane.paste();
    QFile::remove(png); // the picture must not depend on the file it came from
    const QByteArray rtf = pane.rtf();
    QVERIFY(rtf.contains("\\pngblip"));
    const QString text = richtext::plainText(rtf);
    QVERIFY2(text.startsWith(QStringLiteral("x")) && text.contains(QStringLiteral("web")),
             qPrintable(text));
}

void TestRichTextPane::readOnlyIgnoresTypingAndPaste()
{
    ui::RichTextPane pane;
    pane.setRtf(QByteArray("{\\rtf1 question}"));
    pane.setReadOnly(true);
    QTest::keyClicks(&pane, QStringLiteral("abc"));
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    pane.paste();
    QCOMPARE(pane.plainText(), QStringLiteral("question"));
    pane.selectAll();
    QCOMPARE(pane.selectionLength(), 8);
}

void TestRichTextPane::editSignalsAndFocus()
{
    QWidget window;
    auto *pane = new ui::RichTextPane(&window);
    auto *other = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy changed(pane, &QTextEdit::textChanged);
    QSignalSpy selection(pane, &QTextEdit::selectionChanged);
    QSignalSpy lost(pane, &ui::RichTextPane::focusLost);

    pane->setFocus();
    QTest::keyClicks(pane, QStringLiteral("ab"));
    QCOMPARE(changed.count(), 2);
    QTest::keyClick(pane, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(pane->selectionLength(), 1);
    pane->cut();
    QCOMPARE(pane->plainText(), QStringLiteral("a"));
    pane->undo();
    QCOMPARE(pane->plainText(), QStringLiteral("ab"));
    other->setFocus();
    QCOMPARE(lost.count(), 1);
}

void TestRichTextPane::styleShortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("style");
    QTest::newRow("bold") << int(Qt::Key_B) << int(Qt::ControlModifier) << "bold";
    QTest::newRow("italic") << int(Qt::Key_I) << int(Qt::ControlModifier) << "italic";
    QTest::newRow("underline") << int(Qt::Key_U) << int(Qt::ControlModifier) << "underline";
    QTest::newRow("superscript") << int(Qt::Key_Plus)
                                 << int(Qt::ControlModifier | Qt::ShiftModifier) << "super";
    QTest::newRow("subscript") << int(Qt::Key_Equal) << int(Qt::ControlModifier) << "sub";
}

void TestRichTextPane::styleShortcuts()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, style);
    auto has = [&style](const ui::RichTextPane &pane) {
        if (style == u"bold")
            return pane.isSelectionBold();
        if (style == u"italic")
            return pane.isSelectionItalic();
        if (style == u"underline")
            return pane.isSelectionUnderlined();
        if (style == u"super")
            return pane.isSelectionSuperscript();
        return pane.isSelectionSubscript();
    };
    ui::RichTextPane pane;
    pane.setRtf(QByteArray("{\\rtf1 m2 and H2O}"));
    selectText(pane, QStringLiteral("2"));
    QVERIFY(!has(pane));
    QTest::keyClick(&pane, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(has(pane));
    QCOMPARE(pane.plainText(), QStringLiteral("m2 and H2O"));
    // A selection that has the style only in part gets it whole; then it goes.
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(0);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
    QVERIFY(!has(pane));
    QTest::keyClick(&pane, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(has(pane));
    QTest::keyClick(&pane, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!has(pane));
    // The student's read-only pane takes no styles.
    pane.setReadOnly(true);
    QTest::keyClick(&pane, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!has(pane));
}

void TestRichTextPane::stylesSurviveSaveAndReload()
{
    const QString path = m_dir->filePath(QStringLiteral("styles.rtf"));
    QFile(path).open(QIODevice::WriteOnly);
    ui::RichTextPane pane;
    QVERIFY(pane.loadFile(path));
    QTest::keyClicks(&pane, QStringLiteral("Bold Italic Under x2 H2O"));
    const struct
    {
        int from, to;
        void (ui::RichTextPane::*toggle)();
    } styles[] = {{0, 4, &ui::RichTextPane::toggleBold},
                  {5, 11, &ui::RichTextPane::toggleItalic},
                  {12, 17, &ui::RichTextPane::toggleUnderline},
                  {19, 20, &ui::RichTextPane::toggleSuperscript},
                  {22, 23, &ui::RichTextPane::toggleSubscript}};
    for (const auto &style : styles) {
        QTextCursor cursor = pane.textCursor();
        cursor.setPosition(style.from);
        cursor.setPosition(style.to, QTextCursor::KeepAnchor);
        pane.setTextCursor(cursor);
        (pane.*style.toggle)();
    }
    QVERIFY(pane.save().ok());
    const QByteArray bytes = fileBytes(path);
    for (const char *word : {"\\b", "\\i", "\\ul", "\\super", "\\sub"})
        QVERIFY2(bytes.contains(word), word);

    // What the student's exam window shows: a read-only pane on the same file.
    ui::RichTextPane shown;
    shown.setReadOnly(true);
    QVERIFY(shown.loadFile(path));
    QCOMPARE(shown.plainText(), QStringLiteral("Bold Italic Under x2 H2O"));
    selectText(shown, QStringLiteral("Bold"));
    QVERIFY(shown.isSelectionBold() && !shown.isSelectionItalic());
    selectText(shown, QStringLiteral("Italic"));
    QVERIFY(shown.isSelectionItalic() && !shown.isSelectionBold());
    selectText(shown, QStringLiteral("Under"));
    QVERIFY(shown.isSelectionUnderlined());
    QTextCursor cursor = shown.textCursor();
    cursor.setPosition(19);
    cursor.setPosition(20, QTextCursor::KeepAnchor);
    shown.setTextCursor(cursor);
    QVERIFY(shown.isSelectionSuperscript());
    cursor.setPosition(22);
    cursor.setPosition(23, QTextCursor::KeepAnchor);
    shown.setTextCursor(cursor);
    QVERIFY(shown.isSelectionSubscript() && !shown.isSelectionSuperscript());
}

void TestRichTextPane::insertPictureFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("word");
    QTest::newRow("png") << fixture(QStringLiteral("picture.png"))
                         << int(ui::RichTextPane::PictureResult::Inserted)
                         << QByteArray("\\pngblip");
    QTest::newRow("jpeg") << fixture(QStringLiteral("picture.jpg"))
                          << int(ui::RichTextPane::PictureResult::Inserted)
                          << QByteArray("\\jpegblip");
    QTest::newRow("text") << fixture(QStringLiteral("lo_formats.txt"))
                          << int(ui::RichTextPane::PictureResult::NotAPicture) << QByteArray();
    QTest::newRow("missing") << fixture(QStringLiteral("none.png"))
                             << int(ui::RichTextPane::PictureResult::Unreadable) << QByteArray();
}

void TestRichTextPane::insertPictureFile()
{
    QFETCH(QString, file);
    QFETCH(int, result);
    QFETCH(QByteArray, word);
    const QString path = m_dir->filePath(QStringLiteral("picture.rtf"));
    QFile(path).open(QIODevice::WriteOnly);
    ui::RichTextPane pane;
    QVERIFY(pane.loadFile(path));
    QTest::keyClicks(&pane, QStringLiteral("See: "));
    QCOMPARE(int(pane.insertPictureFile(file)), result);
    const bool inserted = result == int(ui::RichTextPane::PictureResult::Inserted);
    QCOMPARE(imageCount(*pane.document()), inserted ? 1 : 0);
    QVERIFY(pane.save().ok());
    if (!inserted)
        return;
    // The file's own bytes go into the document, not a re-encoded copy.
    QVERIFY(fileBytes(path).contains(word));
    QVERIFY(fileBytes(path).contains(fileBytes(file).toHex().left(64)));
    ui::RichTextPane shown;
    shown.setReadOnly(true);
    QVERIFY(shown.loadFile(path));
    QCOMPARE(imageCount(*shown.document()), 1);
    QCOMPARE(shown.plainText(), QStringLiteral("See: "));
    // A read-only pane takes no picture.
    QCOMPARE(shown.insertPictureFile(file), ui::RichTextPane::PictureResult::Unreadable);
}

void TestRichTextPane::aPhotoIsShownAtAQuestionsWidth()
{
    const QString photo = m_dir->filePath(QStringLiteral("photo.png"));
    QImage image(1800, 1200, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(photo));
    ui::RichTextPane pane;
    pane.setRtf(QByteArray("{\\rtf1 }"));
    QCOMPARE(pane.insertPictureFile(photo), ui::RichTextPane::PictureResult::Inserted);
    const QByteArray rtf = pane.rtf();
    QVERIFY2(rtf.contains("\\picw1800\\pich1200\\picwgoal9000\\pichgoal6000"),
             rtf.left(400).constData());
}

QTEST_MAIN(TestRichTextPane)
#include "tst_rich_text_pane.moc"
