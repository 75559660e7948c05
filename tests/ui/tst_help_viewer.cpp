// The help viewer: the page of the window that asked, and a clear note for what is missing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_files.h"
#include "ui/built_in_help.h"
#include "ui/help.h"
#include "ui/help_viewer.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

class PageRecorder final : public ui::Help
{
public:
    void open(const QString &page, QWidget *over) override
    {
        pages.append(page);
        owner = over;
    }
    QStringList pages;
    QWidget *owner = nullptr;
};

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_help;

private slots:
    void init()
    {
        m_help = m_dir.filePath(QStringLiteral("help"));
        testing::writeBytes(
            m_help + QStringLiteral("/index.html"),
            "<html><body><h1>All topics</h1><a href=\"login.html\">Login</a></body></html>");
        testing::writeBytes(
            m_help + QStringLiteral("/login.html"),
            "<html><body><h1>Logging in</h1><p>Type the password.</p></body></html>");
        testing::writeBytes(m_help + QStringLiteral("/MANAGE-TEST.HTML"),
                            "<html><body><h1>Offering papers</h1></body></html>");
        testing::writeBytes(m_dir.filePath(QStringLiteral("secret.html")), "<p>not help</p>");
    }
    void cleanup() { m_dir.setAutoRemove(!QTest::currentTestFailed()); }

    void pages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("text");
        QTest::newRow("page of the window") << "login" << true << "Logging in";
        QTest::newRow("other letter case on disk") << "manage-test" << true << "Offering papers";
        QTest::newRow("missing page")
            << "manage-paper" << false
            << "The help page manage-paper.html is missing from the help folder";
        QTest::newRow("climbing out") << "../secret" << false << "is missing from the help folder";
        QTest::newRow("empty") << "" << false << "is missing from the help folder";
    }
    void pages()
    {
        QFETCH(QString, page);
        QFETCH(bool, found);
        QFETCH(QString, text);
        ui::HelpViewer viewer(m_help);
        viewer.showPage(page);
        QCOMPARE(viewer.isPageShown(), found);
        QCOMPARE(viewer.page(), page);
        QVERIFY2(viewer.shownText().contains(text), qPrintable(viewer.shownText()));
        QVERIFY(!viewer.shownText().contains(QStringLiteral("not help")));
        if (!found) // the way back to the topics that do exist
            QVERIFY(viewer.shownText().contains(QStringLiteral("All help topics")));
    }

    // A page in the program's language where the help has it, else the English one;
    // links between pages stay within the language.
    void pagesInTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("text");
        QTest::newRow("translated page") << "zh_CN"
                                         << "login"
                                         << "登录";
        QTest::newRow("translated folder in other letter case") << "zh_CN"
                                                                << "index"
                                                                << "全部主题";
        QTest::newRow("page not translated falls back to English") << "zh_CN"
                                                                   << "manage-test"
                                                                   << "Offering papers";
        QTest::newRow("English ignores the translations") << "en"
                                                          << "login"
                                                          << "Logging in";
        QTest::newRow("a language without a folder") << "de"
                                                     << "login"
                                                     << "Logging in";
    }
    void pagesInTheProgramsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        QFETCH(QString, text);
        testing::writeBytes(m_help + QStringLiteral("/zh_cn/login.html"),
                            "<html><body><h1>\xe7\x99\xbb\xe5\xbd\x95</h1></body></html>");
        testing::writeBytes(m_help + QStringLiteral("/zh_cn/index.html"),
                            "<html><body><h1>\xe5\x85\xa8\xe9\x83\xa8\xe4\xb8\xbb\xe9\xa2\x98"
                            "</h1><a href=\"login.html\">x</a></body></html>");
        ui::HelpViewer viewer(m_help, nullptr, language);
        viewer.showPage(page);
        QVERIFY(viewer.isPageShown());
        QVERIFY2(viewer.shownText().contains(text), qPrintable(viewer.shownText()));
    }

    void missingFolder()
    {
        ui::HelpViewer viewer(m_dir.filePath(QStringLiteral("nohelp")));
        viewer.showPage(QStringLiteral("login"));
        QVERIFY(!viewer.isPageShown());
        QVERIFY(viewer.shownText().contains(QStringLiteral("does not exist")));
        QVERIFY(viewer.shownText().contains(m_dir.filePath(QStringLiteral("nohelp"))));
    }

    void oneViewerBelongingToTheAskingWindow()
    {
        ui::BuiltInHelp help(m_help);
        QWidget menu;
        QWidget dialog;
        auto *entry = new QLineEdit(&dialog);
        help.open(QStringLiteral("login"), &menu);
        QPointer<ui::HelpViewer> first = help.viewer();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->parentWidget(), &menu);
        QVERIFY(first->isWindow());

        help.open(QStringLiteral("index"), &menu);
        QCOMPARE(help.viewer(), first.data()); // reused
        QCOMPARE(first->page(), QStringLiteral("index"));

        // Asked from a control of another window: the viewer moves to that window,
        // so that a modal window does not block it.
        help.open(QStringLiteral("manage-test"), entry);
        QVERIFY(!first);
        QCOMPARE(help.viewer()->parentWidget(), &dialog);

        help.viewer()->close();
        QTRY_VERIFY(!help.viewer());
    }

    void f1AnywhereInTheWindow()
    {
        PageRecorder help;
        QWidget window;
        auto *entry = new QLineEdit(&window);
        ui::bindHelpKey(&window, help, QStringLiteral("login"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_F1);
        QCOMPARE(help.pages, QStringList{QStringLiteral("login")});
        QCOMPARE(help.owner, &window);
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_help_viewer.moc"
