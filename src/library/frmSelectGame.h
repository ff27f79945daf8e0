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

    /// Tells below the number box whether the typed game can be won: `check` gets the game an
    /// entry deals (nothing is asked for an entry that deals none) and returns the text the label
    /// `lblWinnable` shows. It runs on the user-interface thread at every change of the entry,
    /// so it must answer at once (a cached or bounded search). The label stays hidden while no
    /// check is set; an empty `check` hides it again.
    void SetWinnableCheck(std::function<QString(std::int32_t gameNumber)> check);

    /// Deals the entered game and closes; any other entry gets the message and the box is set
    /// back to "0".
    void cmdSelect_Click();

private:
    void ShowWinnable();

    SelectGameContext m_context;
    QLineEdit* m_text1 = nullptr;
    QLabel* m_lblWinnable = nullptr;
    std::function<QString(std::int32_t)> m_winnable;
};

} // namespace velmora
