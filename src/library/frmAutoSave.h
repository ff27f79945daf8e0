#pragma once

#include "library/ui/LibraryWidgets.h"

#include <QDialog>
#include <QTimer>

#include <array>

class QGroupBox;
class QPushButton;
class QTreeWidget;

namespace velmora {

class IMessages;
class ISoundPort;
class TabPages;
class cSave;

/// What the auto-save manager works with.
struct AutoSaveContext {
    const cSave& save;
    IMessages& messages;
    ISoundPort* sound = nullptr;
    LibraryIcons icons;
};

/// "AutoSave": lists the games of the two auto-save folders and deletes them.
class frmAutoSave final : public QDialog {
    Q_OBJECT
public:
    explicit frmAutoSave(const AutoSaveContext& context, QWidget* parent = nullptr);

    void FillIncompleteList();
    void FillFinishedList();
    /// One tick of `Timer1` (100 ms): enables Delete and Delete All for the shown list.
    void Timer1_Timer();
    /// Deletes the files of the selected rows of the shown list, after asking.
    void cmdDelete_Click();
    /// Deletes the files of every row of the shown list, after asking; files the list does not
    /// show stay.
    void cmdDeleteAll_Click();

private:
    QTreeWidget* ShownList() const;
    void Refill();
    void Remove(const QStringList& paths);

    AutoSaveContext m_context;
    TabPages* m_pages = nullptr;
    std::array<QGroupBox*, 2> m_frames{};
    std::array<QTreeWidget*, 2> m_lists{};
    QPushButton* m_cmdDelete = nullptr;
    QPushButton* m_cmdDeleteAll = nullptr;
    QTimer m_timer1;
};

} // namespace velmora
