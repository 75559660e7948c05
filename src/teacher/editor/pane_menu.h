// The pop-up menu of a rich-text pane of the paper editor: the clipboard, the font, its
// size and colour, the text styles and pictures.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QStringList>

namespace ui {
class Prompts;
class RichTextPane;
} // namespace ui

namespace editor {

class PaneMenu : public QMenu
{
    Q_OBJECT

public:
    /// Built once per pane when the window opens; `fonts` are the installed font
    /// families in the order the system lists them.
    PaneMenu(ui::RichTextPane *pane, ui::Prompts &prompts, const QStringList &fonts,
             QWidget *parent);

    /// Opens at a point of the screen.
    void popupAt(const QPoint &global);

    QAction *action(const QString &text) const;
    QMenu *fontNameMenu() const { return m_fontName; }
    QMenu *fontSizeMenu() const { return m_fontSize; }

    /// "cut" and "copy" act only on a selection.
    void followSelection();

    /// The first and last size of the "FontSize" sub-menu.
    static constexpr int smallestSize = 5;
    static constexpr int largestSize = 40;

private:
    void insertPicture();

    ui::RichTextPane *m_pane;
    ui::Prompts &m_prompts;
    QAction *m_cut;
    QAction *m_copy;
    QMenu *m_fontName;
    QMenu *m_fontSize;
};

} // namespace editor
