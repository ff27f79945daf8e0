#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;

namespace velmora {

class ILibraryGame;
class IMessages;

/// What the select-game dialog works with.
struct SelectGameContext {
    /// The top of the random range (cOpt.GetRandomLimit).
    std::int32_t randomLimit = 0;
    ILibraryGame& game;
    IMessages& messages;
    /// A uniform number in [0, 1) for the suggestion; a clock-seeded one when empty.
    std::function<double()> random;
};

/// "Select Game": deals a game chosen by its number.
class frmSelectGame final : public QDialog {
    Q_OBJECT
public:
    explicit frmSelectGame(const SelectGameContext& context, QWidget* parent = nullptr);

    /// Gives the text for `lblWinnable` through `show`, now or later on the user-interface thread.
    using ShowVerdict = std::function<void(const QString& text)>;
    using WinnableCheck = std::function<void(std::int32_t gameNumber, ShowVerdict show)>;

    /// Tells below the number box whether the typed game can be won. At every change of the
    /// entry the label reads "Checking…" and `check` is asked about the game the entry deals
    /// (nothing is asked for an entry that deals none); an answer for an earlier entry is
    /// dropped. The label stays hidden while no check is set; an empty `check` hides it again.
    void SetWinnableCheck(WinnableCheck check);

    /// Deals the entered game and closes; any other entry gets the message and the box is set
    /// back to "0".
    void cmdSelect_Click();

private:
    void ShowWinnable();

    SelectGameContext m_context;
    QLineEdit* m_text1 = nullptr;
    QLabel* m_lblWinnable = nullptr;
    WinnableCheck m_winnable;
    /// Counts the entries checked, so a late answer for an older one is dropped.
    std::uint64_t m_checkGeneration = 0;
};

} // namespace velmora
