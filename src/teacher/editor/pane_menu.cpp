// SPDX-License-Identifier: GPL-3.0-or-later
#include "pane_menu.h"

#include "ui/prompts.h"
#include "ui/rich_text_pane.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace editor {

namespace {

QString menuText(QString text)
{
    // A font called "A&B" must not turn into a mnemonic.
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

PaneMenu::PaneMenu(ui::RichTextPane *pane, ui::Prompts &prompts, const QStringList &fonts,
                   QWidget *parent)
    : QMenu(parent)
    , m_pane(pane)
    , m_prompts(prompts)
{
    auto item = [this](const QString &text, auto act, const QKeySequence &keys = {}) {
        QAction *action = addAction(text);
        action->setObjectName(text);
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
            action->setShortcutVisibleInContextMenu(true);
        }
        connect(action, &QAction::triggered, this, act);
        return action;
    };
    m_cut = item(tr("cut"), [this] {
        m_pane->setFocus(Qt::OtherFocusReason);
        m_pane->cut();
    });
    m_copy = item(tr("copy"), [this] {
        m_pane->setFocus(Qt::OtherFocusReason);
        m_pane->copy();
    });
    item(tr("paste"), [this] {
        m_pane->setFocus(Qt::OtherFocusReason);
        m_pane->paste();
    });
    item(tr("undo"), [this] {
        m_pane->setFocus(Qt::OtherFocusReason);
        m_pane->undo();
    });
    addSeparator();

    m_fontName = addMenu(tr("FontName"));
    m_fontName->setObjectName(QStringLiteral("FontName"));
    for (const QString &family : fonts) {
        QAction *action = m_fontName->addAction(menuText(family));
        connect(action, &QAction::triggered, this,
                [this, family] { m_pane->setSelectionFontName(family); });
    }
    m_fontSize = addMenu(tr("FontSize"));
    m_fontSize->setObjectName(QStringLiteral("FontSize"));
    for (int size = smallestSize; size <= largestSize; ++size) {
        QAction *action = m_fontSize->addAction(QString::number(size));
        connect(action, &QAction::triggered, this,
                [this, size] { m_pane->setSelectionFontSize(size); });
    }
    item(tr("FontColoer"), [this] {
        if (const std::optional<QColor> color = m_prompts.chooseColor(QColor(Qt::black)))
            m_pane->setSelectionColor(*color);
    });

    addSeparator();
    item(
        tr("Bold"), [this] { m_pane->toggleBold(); }, QKeySequence(Qt::CTRL | Qt::Key_B));
    item(
        tr("Italic"), [this] { m_pane->toggleItalic(); }, QKeySequence(Qt::CTRL | Qt::Key_I));
    item(
        tr("Underline"), [this] { m_pane->toggleUnderline(); }, QKeySequence(Qt::CTRL | Qt::Key_U));
    item(
        tr("Superscript"), [this] { m_pane->toggleSuperscript(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus));
    item(
        tr("Subscript"), [this] { m_pane->toggleSubscript(); },
        QKeySequence(Qt::CTRL | Qt::Key_Equal));
    addSeparator();
    item(tr("Insert picture..."), [this] { insertPicture(); });

    connect(m_pane, &QTextEdit::selectionChanged, this, &PaneMenu::followSelection);
    followSelection();
}

QAction *PaneMenu::action(const QString &text) const
{
    for (QAction *action : actions()) {
        if (action->text() == text || action->objectName() == text)
            return action;
    }
    return nullptr;
}

void PaneMenu::followSelection()
{
    const bool selected = m_pane->selectionLength() > 0;
    m_cut->setEnabled(selected);
    m_copy->setEnabled(selected);
}

void PaneMenu::popupAt(const QPoint &global)
{
    followSelection();
    popup(global);
}

void PaneMenu::insertPicture()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString path =
        m_prompts.openFile(tr("Insert picture"), folder, tr("Pictures (*.png *.jpg *.jpeg)"));
    if (path.isEmpty())
        return;
    m_pane->setFocus(Qt::OtherFocusReason);
    switch (m_pane->insertPictureFile(path)) {
    case ui::RichTextPane::PictureResult::Inserted:
        break;
    case ui::RichTextPane::PictureResult::Unreadable:
        m_prompts.message(tr("The picture %1 cannot be read.").arg(path));
        break;
    case ui::RichTextPane::PictureResult::NotAPicture:
        m_prompts.message(tr("%1 is not a PNG or JPEG picture; only those can go into a question.")
                              .arg(QFileInfo(path).fileName()));
        break;
    }
}

} // namespace editor
