#include "library/dlgFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace velmora {

QWidget* dlgFileDialogs::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (m_owner) {
        return m_owner;
    }
    return QApplication::activeWindow();
}

QStringList dlgFileDialogs::NameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        filters << parts[i];
    }
    return filters;
}

QString dlgFileDialogs::SaveFileName(const QString& startFolder, const QString& fileName,
                                     const QString& defaultExtension, const QString& filter,
                                     const QString& title) {
    QFileDialog dialog(Owner(), title, startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(filter));
    QString suffix = defaultExtension;
    if (suffix.startsWith(u'.')) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QDir(startFolder).filePath(fileName));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

QString dlgFileDialogs::OpenFileName(const QString& startFolder, const QString& filter) {
    QFileDialog dialog(Owner(), QString(), startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(filter));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

QString dlgFileDialogs::BrowseForFolder(const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(Owner(), title, startFolder,
                                             QFileDialog::ShowDirsOnly);
}

} // namespace velmora
