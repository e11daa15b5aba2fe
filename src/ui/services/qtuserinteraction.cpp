#include "ui/services/qtuserinteraction.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "app/identity.h"
#include "ui/dialogs/selectdialog.h"

namespace fpw::ui {
namespace {

QString titleOrProgram(std::string_view title) {
    return toQString(title.empty() ? app::kProgramTitle : title);
}

QMessageBox::Icon toQtIcon(app::MessageIcon icon) {
    switch (icon) {
    case app::MessageIcon::Information:
        return QMessageBox::Information;
    case app::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case app::MessageIcon::Critical:
        return QMessageBox::Critical;
    case app::MessageIcon::Question:
        return QMessageBox::Question;
    case app::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString qtPatterns(const QString& patterns) {
    QStringList result;
    for (QString pattern : patterns.split(';', Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern == "*.*") {
            pattern = "*";
        }
        if (!result.contains(pattern)) {
            result << pattern;
        }
        const QString lower = pattern.toLower();
        if (!result.contains(lower)) {
            result << lower;
        }
    }
    return result.join(' ');
}

// Where the dialog opens: the initial folder joined with the proposed name.
QString startPath(const app::FileDialogRequest& request) {
    const QString directory = toQString(request.initialDirectory);
    const QString name = toQString(request.fileName);
    if (directory.isEmpty()) {
        return name;
    }
    return name.isEmpty() ? directory : QDir(directory).filePath(name);
}

// Message texts are plain text with CR LF line ends (the error report's layout); a text that
// happens to contain "<" must not be taken for markup.
QString displayText(std::string_view text) {
    return toQString(text).replace("\r\n", "\n");
}

void preparePlainText(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
}

std::optional<std::string> chosenPath(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

} // namespace

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QtFileFilter toQtFileFilter(std::string_view filter, int filterIndex) {
    const QStringList parts = toQString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = qtPatterns(parts[i + 1]);
        QString description = parts[i].trimmed();
        // Qt reads the patterns from the last parentheses; a description that shows its own
        // patterns ("Mech Files (*.FPM)") loses them to the real list.
        const qsizetype open = description.lastIndexOf('(');
        if (open > 0 && description.endsWith(')')) {
            description = description.left(open).trimmed();
        }
        entries << description + " (" + patterns + ")";
    }
    if (entries.isEmpty()) {
        entries << "All Files (*)";
    }
    QtFileFilter result;
    result.filter = entries.join(";;");
    const qsizetype index = filterIndex >= 1 && filterIndex <= entries.size() ? filterIndex - 1 : 0;
    result.selected = entries[index];
    return result;
}

void QtUserInteraction::message(std::string_view text, std::string_view title,
                                app::MessageIcon icon) {
    QMessageBox box(toQtIcon(icon), titleOrProgram(title), displayText(text), QMessageBox::Ok,
                    parent_);
    preparePlainText(box);
    box.exec();
}

bool QtUserInteraction::askYesNo(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Question, titleOrProgram(title), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    preparePlainText(box);
    return box.exec() == QMessageBox::Yes;
}

app::Answer QtUserInteraction::askYesNoCancel(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Question, titleOrProgram(title), displayText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    preparePlainText(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return app::Answer::Yes;
    case QMessageBox::No:
        return app::Answer::No;
    default:
        return app::Answer::Cancel;
    }
}

std::optional<std::string> QtUserInteraction::inputBox(std::string_view prompt,
                                                       std::string_view title,
                                                       std::string_view defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, titleOrProgram(title), toQString(prompt),
                                               QLineEdit::Normal, toQString(defaultText), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text.toStdString();
}

std::optional<std::string>
QtUserInteraction::openFileDialog(const app::FileDialogRequest& request) {
    QtFileFilter filter = toQtFileFilter(request.filter, request.filterIndex);
    return chosenPath(QFileDialog::getOpenFileName(
        parent_, toQString(request.title), startPath(request), filter.filter, &filter.selected));
}

std::optional<std::string>
QtUserInteraction::saveFileDialog(const app::FileDialogRequest& request) {
    QtFileFilter filter = toQtFileFilter(request.filter, request.filterIndex);
    return chosenPath(QFileDialog::getSaveFileName(
        parent_, toQString(request.title), startPath(request), filter.filter, &filter.selected));
}

std::optional<std::string> QtUserInteraction::folderDialog(const app::FileDialogRequest& request) {
    return chosenPath(QFileDialog::getExistingDirectory(parent_, toQString(request.title),
                                                        toQString(request.initialDirectory)));
}

std::optional<int> QtUserInteraction::chooseFromList(std::string_view title,
                                                     std::string_view prompt,
                                                     const std::vector<std::string>& items) {
    QStringList entries;
    for (const std::string& item : items) {
        entries << toQString(item);
    }
    SelectDialog dialog(titleOrProgram(title), toQString(prompt), entries, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenRow();
}

void QtUserInteraction::setBusyPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInteraction::setNormalPointer() {
    if (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void QtUserInteraction::processEvents() {
    QCoreApplication::processEvents();
}

void QtUserInteraction::beep() {
    QApplication::beep();
}

} // namespace fpw::ui
