#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

class IFileDialogs;
class IFinishActions;
class IMessages;
class ISoundPort;
class cFinish;
class cRecent;
class cSave;

/// What the end-of-game dialog works with.
struct FinishContext {
    cFinish& finish;
    cSave& save;
    cRecent& recent;
    std::int32_t gameNumber;
    QString playerName;
    IFileDialogs& fileDialogs;
    IMessages& messages;
    ISoundPort* sound;
    IFinishActions& actions;
    /// Whether the select-game dialog exists; without it "Select a New Game" is not offered.
    bool selectAvailable = true;
};

/// "Congrats You Win !": keeps the finished game in a folder and a favourites folder, records
/// the win and starts the next step the player chose. Closing it any other way is Cancel.
class dlgFinish final : public QDialog {
    Q_OBJECT
public:
    explicit dlgFinish(const FinishContext& context, QWidget* parent = nullptr);

    /// The path of the favourites copy for the current choices; empty without a folder.
    QString FavouritePath() const;

    void OKButton_Click();
    void CancelButton_Click();
    void cmdBrowse_Click();

    void reject() override;

private:
    void Enabling();

    FinishContext m_context;
    QListWidget* m_imcGame = nullptr;
    QListWidget* m_imc1 = nullptr;
    QCheckBox* m_chkSave = nullptr;
    QLineEdit* m_txtSave = nullptr;
    QPushButton* m_cmdBrowse = nullptr;
    QCheckBox* m_chkFav = nullptr;
    QLineEdit* m_txtFav = nullptr;
    bool m_closed = false;
};

} // namespace velmora
