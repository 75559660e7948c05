// SPDX-License-Identifier: GPL-3.0-or-later
#include "login_window.h"

#include "ui/help_page.h"
#include "ui/prompts.h"
#include "ui/translations.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace student {

namespace {

// The label names its control for screen readers too (a drop-down list's own
// accessible name is the entry it shows).
QLabel *caption(const QString &text, QWidget *control)
{
    auto *label = new QLabel(text, control->parentWidget());
    label->setAccessibleName(text);
    label->setBuddy(control);
    return label;
}

} // namespace

LoginWindow::LoginWindow(store::DataRoot root, ui::Prompts &prompts, std::function<void()> quit,
                         UrlOpener openUrl, QWidget *parent)
    : QDialog(parent)
    , m_model(root, prompts)
    , m_root(std::move(root))
    , m_prompts(prompts)
    , m_quit(std::move(quit))
    , m_openUrl(openUrl ? std::move(openUrl) : UrlOpener(&QDesktopServices::openUrl))
{
    setObjectName(QStringLiteral("考试登录"));
    setWindowTitle(tr("Student login"));
    setAccessibleName(tr("Student login"));

    auto *title = new QLabel(tr("Quorin 4.0"), this);
    title->setObjectName(QStringLiteral("Lab_title"));
    title->setAccessibleName(title->text());
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);

    m_papers = new QComboBox(this);
    m_papers->setObjectName(QStringLiteral("Combo_test"));
    m_papers->setAccessibleName(tr("Choose test name:"));
    m_papers->installEventFilter(this);
    m_classes = new QComboBox(this);
    m_classes->setObjectName(QStringLiteral("Combo_class"));
    m_classes->setAccessibleName(tr("Choose class name:"));
    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("Text_number"));
    m_number->setAccessibleName(tr("Input student number:"));
    m_number->setToolTip(tr("Student number muse be numeric."));
    m_number->setMaxLength(9);
    // Keys are filtered as typed; the validator keeps pasted text to digits as well.
    m_number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_number));
    m_number->installEventFilter(this);
    m_firstName = new QLineEdit(this);
    m_firstName->setObjectName(QStringLiteral("Text_first"));
    m_firstName->setAccessibleName(tr("Input your first name:"));
    m_lastName = new QLineEdit(this);
    m_lastName->setObjectName(QStringLiteral("Text_last"));
    m_lastName->setAccessibleName(tr("Input your last name:"));

    auto *form = new QFormLayout;
    form->addRow(caption(tr("Choose test name:"), m_papers), m_papers);
    form->addRow(caption(tr("Choose class name:"), m_classes), m_classes);
    form->addRow(caption(tr("Input student number:"), m_number), m_number);
    form->addRow(caption(tr("Input your first name:"), m_firstName), m_firstName);
    form->addRow(caption(tr("Input your last name:"), m_lastName), m_lastName);

    auto *okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("Cmd_ok"));
    okButton->setAccessibleName(tr("OK"));
    okButton->setDefault(true);
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("Cmd_cancel"));
    cancelButton->setAccessibleName(tr("Cancel"));
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &LoginWindow::ok);
    connect(cancelButton, &QPushButton::clicked, this, &LoginWindow::close);

    auto *link = new QLabel(tr("<a href=\"help\">Quorin help</a>"), this);
    link->setObjectName(QStringLiteral("Lab_link"));
    link->setAccessibleName(tr("Quorin help"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, &LoginWindow::openHelp);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(link);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

bool LoginWindow::start()
{
    if (m_model.open() != Admission::Opening::Ready) {
        m_closeEndsProgram = false;
        if (m_quit)
            m_quit();
        return false;
    }
    m_papers->clear();
    m_papers->addItems(m_model.papers());
    m_papers->setCurrentIndex(0);
    fillClasses();
    m_classes->setCurrentIndex(-1);
    m_number->clear();
    m_firstName->clear();
    m_lastName->clear();
    return true;
}

void LoginWindow::fillClasses()
{
    // The chosen class stays chosen when the new list still holds it.
    const QString chosen = m_classes->currentText();
    m_classes->clear();
    m_classes->addItems(m_model.classes());
    m_classes->setCurrentIndex(m_model.classes().indexOf(chosen));
}

bool LoginWindow::acceptsNumberKey(const QString &typed)
{
    if (typed.isEmpty())
        return true;
    for (QChar c : typed) {
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && c != u'\r' && c != u'\n' && c != u'\b' && c != u'\t')
            return false;
    }
    return true;
}

bool LoginWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_number && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!acceptsNumberKey(key->text())) {
            QApplication::beep();
            return true;
        }
    }
    if (watched == m_papers && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Opening the drop-down or switching windows does not leave the list.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            m_model.paperListLeft(m_papers->currentText());
            fillClasses();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LoginWindow::ok()
{
    const Admission::Outcome outcome =
        m_model.admit({m_papers->currentText(), m_classes->currentText(), m_number->text(),
                       m_firstName->text(), m_lastName->text()},
                      [this] {
                          // The list of the paper shown, before the refusal is read.
                          fillClasses();
                          m_classes->setCurrentIndex(-1);
                      });
    m_number->setText(outcome.number);
    if (outcome.focus == Admission::Focus::Number)
        m_number->setFocus();
    if (!outcome.admitted)
        return;
    m_closeEndsProgram = false;
    emit admitted(outcome.identity);
    close();
}

void LoginWindow::openHelp()
{
    const QString folder = m_root.helpFolder();
    const QString index =
        ui::helpPagePath(folder, QStringLiteral("index.html"), ui::currentLanguage());
    if (index.isEmpty() || !QFileInfo(index).isFile()) {
        m_prompts.message(
            tr("The help pages are missing: ") +
            QDir::toNativeSeparators(m_root.path() + QStringLiteral("/help/index.html")));
        return;
    }
    m_openUrl(QUrl::fromLocalFile(index));
}

void LoginWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Cancel, the close box or Escape: with no other window the program ends.
    if (m_closeEndsProgram && m_quit) {
        m_closeEndsProgram = false;
        m_quit();
    }
}

void LoginWindow::reject()
{
    close();
}

} // namespace student
