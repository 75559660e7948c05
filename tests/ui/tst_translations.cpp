// The program's language: which environment picks which language, and that choosing
// Chinese brings Qt's own texts and ours in Chinese while English loads nothing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "LANGUAGE=zh_CN LANG=en_US.UTF-8" -> a lookup of those variables alone.
ui::Environment environmentOf(const QString &settings)
{
    QHash<QString, QString> values;
    for (const QString &setting : settings.split(u' ', Qt::SkipEmptyParts))
        values.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    return [values](const char *name) { return values.value(QString::fromLatin1(name)); };
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void picksLanguage_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("language");

        const QString zh = u"zh_CN"_s;
        const QString en = u"en"_s;
        QTest::newRow("nothing set") << QString() << en;
        QTest::newRow("LANG") << u"LANG=zh_CN.UTF-8"_s << zh;
        QTest::newRow("LANG with a modifier") << u"LANG=zh_CN.GBK@cjk"_s << zh;
        QTest::newRow("bare zh") << u"LANG=zh"_s << zh;
        QTest::newRow("Singapore") << u"LANG=zh_SG.UTF-8"_s << zh;
        QTest::newRow("traditional is not shipped") << u"LANG=zh_TW.UTF-8"_s << en;
        QTest::newRow("Hong Kong is not shipped") << u"LANG=zh_HK.UTF-8"_s << en;
        QTest::newRow("another language") << u"LANG=de_DE.UTF-8"_s << en;
        QTest::newRow("LC_MESSAGES beats LANG")
            << u"LC_MESSAGES=en_GB.UTF-8 LANG=zh_CN.UTF-8"_s << en;
        QTest::newRow("LC_ALL beats LC_MESSAGES")
            << u"LC_ALL=zh_CN.UTF-8 LC_MESSAGES=en_US.UTF-8"_s << zh;
        QTest::newRow("LANGUAGE beats the locale") << u"LANGUAGE=zh_CN LANG=en_US.UTF-8"_s << zh;
        QTest::newRow("LANGUAGE English beats a Chinese locale")
            << u"LANGUAGE=en LANG=zh_CN.UTF-8"_s << en;
        QTest::newRow("first usable LANGUAGE entry")
            << u"LANGUAGE=fr:de:zh_CN:en LANG=en_US.UTF-8"_s << zh;
        QTest::newRow("no usable LANGUAGE entry falls to the locale")
            << u"LANGUAGE=fr:de LANG=zh_CN.UTF-8"_s << zh;
        QTest::newRow("empty LANGUAGE entries") << u"LANGUAGE=::zh LANG=en_US"_s << zh;
        QTest::newRow("C ignores LANGUAGE") << u"LANGUAGE=zh_CN LC_ALL=C"_s << en;
        QTest::newRow("C.UTF-8 ignores LANGUAGE") << u"LANGUAGE=zh_CN LC_ALL=C.UTF-8"_s << en;
        QTest::newRow("POSIX") << u"LANGUAGE=zh_CN LANG=POSIX"_s << en;
        QTest::newRow("LANGUAGE alone does not count") << u"LANGUAGE=zh_CN"_s << en;
        QTest::newRow("the test setting") << u"LANGUAGE=en LC_ALL=C.UTF-8 LANG=zh_CN.UTF-8"_s << en;
        QTest::newRow("a dash and letter case") << u"LANG=ZH-cn"_s << zh;
        QTest::newRow("garbage") << u"LANG=..@@"_s << en;
    }

    void picksLanguage()
    {
        QFETCH(QString, environment);
        QFETCH(QString, language);
        QCOMPARE(ui::programLanguage(environmentOf(environment)), language);
    }

    // Runs last: translators stay installed for the rest of the program.
    void englishLoadsNothingChineseLoadsBoth()
    {
        auto *app = QCoreApplication::instance();
        ui::installTranslations(*app, environmentOf(u"LANG=en_US.UTF-8"_s));
        QCOMPARE(ui::currentLanguage(), u"en"_s);
        QCOMPARE(QCoreApplication::translate("teacher", "Teacher End"), u"Teacher End"_s);

        ui::installTranslations(*app, environmentOf(u"LANG=zh_CN.UTF-8"_s));
        QCOMPARE(ui::currentLanguage(), u"zh_CN"_s);
        // Qt's own buttons, from qt6-translations-l10n.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"取消"_s);
        // Ours, built into the library: a window's form name, and a message whose
        // argument must survive.
        QCOMPARE(QCoreApplication::translate("teacher", "Teacher End"), u"考务管理"_s);
        QCOMPARE(QCoreApplication::translate("NameCheck", "The %1 is empty.").arg(u"班级名称"_s),
                 u"班级名称为空。"_s);
        // A text the translation does not know stays as it is.
        QCOMPARE(QCoreApplication::translate("teacher", "no such text"), u"no such text"_s);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
