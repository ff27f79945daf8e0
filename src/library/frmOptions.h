#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace velmora {

class IFileDialogs;
class IMessages;
class IViewOptions;
class OptionsPage;
class TabPages;
class cOpt;
class cRecent;
class cSave;

/// What the options dialog reads, writes and asks through.
struct OptionsContext {
    cOpt& opt;
    cSave& save;
    cRecent& recent;
    /// Builds the Players page inside the dialog.
    std::function<OptionsPage*(QWidget* parent)> playersPage;
    IMessages& messages;
    IFileDialogs& fileDialogs;
    /// The main window's bars and layout; null when there is no main window.
    IViewOptions* view = nullptr;
};

/// "Velmora 2003 Options": the General, Animation, Autosave and Players pages. OK stores the
/// first three pages; Cancel stores nothing of them. Clearing the recent lists and adding or
/// removing players take effect at once.
class frmOptions : public QDialog {
    Q_OBJECT

public:
    explicit frmOptions(const OptionsContext& context, QWidget* parent = nullptr);
    ~frmOptions() override;

private:
    QWidget* BuildGeneral();
    QWidget* BuildAnimation();
    QWidget* BuildAutosave();

    void Form_Load();
    void GeneralInit();
    void SliderInit();
    void GetSave();
    void AutoSave_Change();
    void OKButton_Click();
    void cmdFlash_Click();
    void BrowseInto(QLineEdit* box, const QString& storedFolder);

    OptionsContext m_context;
    TabPages* m_pages = nullptr;
    QCheckBox* m_chkFlash = nullptr;
    QCheckBox* m_chkMessages = nullptr;
    QCheckBox* m_chkDoubleClick = nullptr;
    QCheckBox* m_chkUnfinished = nullptr;
    std::array<QRadioButton*, 3> m_optRange{};
    QPushButton* m_cmdFlash = nullptr;
    QSlider* m_sdrFBSpeed = nullptr;
    QSlider* m_sdrURAllSpeed = nullptr;
    QSlider* m_sdrURSpeed = nullptr;
    QSlider* m_sdrCardSpeed = nullptr;
    QCheckBox* m_chkIncomp = nullptr;
    QLineEdit* m_txtIncomplete = nullptr;
    QPushButton* m_cmdIncomplete = nullptr;
    QCheckBox* m_chkFinish = nullptr;
    QLineEdit* m_txtFinished = nullptr;
    QPushButton* m_cmdFinished = nullptr;
    QCheckBox* m_chkDate = nullptr;
    QCheckBox* m_chkTime = nullptr;
    OptionsPage* m_players = nullptr;
};

} // namespace velmora
