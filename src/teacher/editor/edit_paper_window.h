// The "Edit paper" window: draws a PaperEditor and passes the teacher's actions to it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper_editor.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

namespace ui {
class Help;
class Prompts;
class RichTextPane;
} // namespace ui

namespace editor {

class PaneMenu;
class TestPoolFrame;

class EditPaperWindow : public QDialog
{
    Q_OBJECT

public:
    /// The editor must be open (PaperEditor::openPaperEditor).
    EditPaperWindow(PaperEditor &editor, ui::Prompts &prompts, ui::Help &help,
                    QWidget *parent = nullptr);
    ~EditPaperWindow() override;

    /// Opens the editor on a paper over `over` and returns when it closes. A working
    /// folder that another editor holds, or a paper file that cannot be read, is
    /// reported and no window opens.
    static void openModal(const store::DataRoot &root, ui::Prompts &prompts, ui::Help &help,
                          const QString &paper, QWidget *over);

    static QString helpPage() { return QStringLiteral("edit-paper"); }

    /// Background of an option box that is ticked, and of one that is not.
    static QColor tickedColor() { return QColor(192, 0, 0); }
    static QColor untickedColor() { return QColor(192, 255, 255); }

    /// What the grid's question cell shows of a question: its text on one line.
    static QString cellText(const QString &plainText);

    const PaperEditor &editor() const { return m_editor; }
    QTableWidget *grid() const { return m_grid; }
    QGroupBox *questionFrame() const { return m_questionFrame; }
    TestPoolFrame *poolFrame() const { return m_poolFrame; }
    ui::RichTextPane *questionPane() const { return m_questionPane; }
    ui::RichTextPane *explanationPane() const { return m_explanationPane; }
    QCheckBox *optionBox(int k) const { return m_options.at(size_t(k - 1)); }
    QLineEdit *markBox() const { return m_mark; }
    QCheckBox *defaultBox() const { return m_default; }
    QLineEdit *defaultMarkBox() const { return m_defaultMark; }
    QPushButton *button(const QString &objectName) const;
    PaneMenu *questionMenu() const { return m_questionMenu; }
    PaneMenu *explanationMenu() const { return m_explanationMenu; }
    QMenu *gridMenu() const { return m_gridMenu; }

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildQuestionFrame();
    void buildGrid();

    /// Runs an operation of the editor that may change the current question or the
    /// rows: the panes are written first, the window shows the outcome after.
    template<typename Operation> void act(Operation operation);
    enum class Report { Once, Always };
    /// Writes the panes' edits into their documents; false when one could not be written.
    bool savePanes(Report report = Report::Once);
    bool savePane(ui::RichTextPane *pane, Report report);
    void showCaption();
    void insertBlank();
    void rebuildQuestionGrid();
    void showCurrent();
    void showMarks();
    void colourOption(int k);
    void loadPane(ui::RichTextPane *pane, const QString &path);
    void togglePool();
    void afterImport();
    /// "Import questions...": a file of questions, after the current question.
    void importFromFile();
    void saveAndClose();

    PaperEditor &m_editor;
    ui::Prompts &m_prompts;
    QTableWidget *m_grid = nullptr;
    QMenu *m_gridMenu = nullptr;
    QGroupBox *m_questionFrame = nullptr;
    TestPoolFrame *m_poolFrame = nullptr;
    ui::RichTextPane *m_questionPane = nullptr;
    ui::RichTextPane *m_explanationPane = nullptr;
    PaneMenu *m_questionMenu = nullptr;
    PaneMenu *m_explanationMenu = nullptr;
    std::array<QCheckBox *, 7> m_options{};
    QLineEdit *m_mark = nullptr;
    QCheckBox *m_default = nullptr;
    QLineEdit *m_defaultMark = nullptr;
    QPushButton *m_poolButton = nullptr;
    QString m_defaultMarkText;
    bool m_shown = false;
    bool m_presenting = false;
    bool m_paneWriteReported = false;
};

} // namespace editor
