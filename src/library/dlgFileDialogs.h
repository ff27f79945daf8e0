#pragma once

#include "library/FileDialogs.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace velmora {

/// The platform's file and folder dialogs, over the dialog in front or the owner.
class dlgFileDialogs final : public IFileDialogs {
public:
    explicit dlgFileDialogs(QWidget* owner = nullptr) : m_owner(owner) {}
    /// The window dialogs open over when no dialog is in front (the active window when unset).
    void SetOwner(QWidget* owner) { m_owner = owner; }

    QString SaveFileName(const QString& startFolder, const QString& fileName,
                         const QString& defaultExtension, const QString& filter,
                         const QString& title = {}) override;
    QString OpenFileName(const QString& startFolder, const QString& filter) override;
    QString BrowseForFolder(const QString& title, const QString& startFolder) override;

    /// "Text (*.a)|*.a|Other (*.b)|*.b" as the dialog's name filters.
    static QStringList NameFilters(const QString& filter);

private:
    QWidget* Owner() const;

    QPointer<QWidget> m_owner;
};

} // namespace velmora
