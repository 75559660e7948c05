// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_prompts.h"

#include "password_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace ui {

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

} // namespace

QtPrompts::QtPrompts(QString defaultTitle)
    : m_defaultTitle(std::move(defaultTitle))
{}

QString QtPrompts::titleOr(const QString &title) const
{
    return title.isEmpty() ? m_defaultTitle : title;
}

void QtPrompts::message(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, titleOr(title), text, QMessageBox::Ok, owner());
    box.exec();
}

bool QtPrompts::confirm(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, titleOr(title), text,
                    QMessageBox::Ok | QMessageBox::Cancel, owner());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool QtPrompts::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, titleOr(title), text, QMessageBox::Yes | QMessageBox::No,
                    owner());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::input(const QString &prompt, const QString &title,
                                        const QString &initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), titleOr(title), prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompts::password(const QString &title)
{
    PasswordDialog dialog(title, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

QString QtPrompts::openFile(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(owner(), title, folder, filter);
}

QString QtPrompts::chooseFolder(const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(owner(), title, folder);
}

std::optional<QColor> QtPrompts::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, owner());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

} // namespace ui
