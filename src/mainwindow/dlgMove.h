#pragma once

#include "engine/Ports.h"

#include <QDialog>

class QPushButton;

namespace velmora {
class IDialogRunner;
}

namespace velmora {

/// The empty-column question: move the selected card alone or its run into the empty column.
/// Plays sound event 17 each time it is shown; closing it any other way than by a button
/// answers Cancel.
class dlgMove final : public QDialog {
    Q_OBJECT

public:
    /// `sound` may be null (no sound).
    explicit dlgMove(ISoundPort* sound, QWidget* parent = nullptr);

    /// The column (0..7) the question is about; set before the dialog is shown.
    int TargetColumn() const { return m_targetColumn; }
    void TargetColumn(int column) { m_targetColumn = column; }

    /// The button the player chose; Cancel until one was chosen.
    EmptyColumnChoice Choice() const { return m_choice; }

    /// Shows the question modally over `parent` and returns the answer.
    static EmptyColumnChoice Ask(QWidget* parent, ISoundPort* sound, int targetColumn,
                                 IDialogRunner& runner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Choose(EmptyColumnChoice choice);

    ISoundPort* m_sound;
    int m_targetColumn = 0;
    EmptyColumnChoice m_choice = EmptyColumnChoice::Cancel;
};

} // namespace velmora
