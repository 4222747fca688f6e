#include "qtuserprompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString boxTitle()
{
    return QCoreApplication::translate("QtUserPrompt", "Merolan programmer");
}

QMessageBox::Icon boxIcon(UserPrompt::Icon icon)
{
    switch (icon) {
    case UserPrompt::Icon::Information: return QMessageBox::Information;
    case UserPrompt::Icon::Warning: return QMessageBox::Warning;
    case UserPrompt::Icon::Critical: return QMessageBox::Critical;
    case UserPrompt::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// "*.*" means every file on Windows; elsewhere it would skip names without a dot.
QStringList nameFilters(const QStringList &filters)
{
    QStringList out;
    for (QString f : filters)
        out << f.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
    return out;
}

std::optional<QString> runFileDialog(const UserPrompt::FileDialog &asked, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), asked.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(asked.filters));
    dialog.setDefaultSuffix(asked.defaultSuffix);
    if (!asked.initialName.isEmpty())
        dialog.selectFile(asked.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtUserPrompt::message(const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), boxTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtUserPrompt::question(const QString &text, Icon icon, Answer preferred)
{
    QMessageBox box(boxIcon(icon), boxTitle(), text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(preferred == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserPrompt::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? boxTitle() : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtUserPrompt::openFileName(const FileDialog &dialog)
{
    return runFileDialog(dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserPrompt::saveFileName(const FileDialog &dialog)
{
    // QFileDialog asks before replacing an existing file.
    return runFileDialog(dialog, QFileDialog::AcceptSave);
}

void QtUserPrompt::beep()
{
    QApplication::beep();
}
