#include "mainwindow/dlgMove.h"

#include "engine/SoundEvents.h"
#include "library/ui/DialogRunner.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>

namespace velmora {

dlgMove::dlgMove(ISoundPort* sound, QWidget* parent) : QDialog(parent), m_sound(sound) {
    setObjectName(QStringLiteral("dlgMove"));
    setWindowTitle(QStringLiteral("Move to Empty Column.."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* single = new QPushButton(QStringLiteral("Move Single Card"), this);
    single->setObjectName(QStringLiteral("cmdSingle"));
    auto* column = new QPushButton(QStringLiteral("Move Column"), this);
    column->setObjectName(QStringLiteral("cmdColumn"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    single->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(8);
    layout->addWidget(single);
    layout->addWidget(column);
    layout->addWidget(cancel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(single, &QPushButton::clicked, this, [this] { Choose(EmptyColumnChoice::Single); });
    connect(column, &QPushButton::clicked, this, [this] { Choose(EmptyColumnChoice::Column); });
    connect(cancel, &QPushButton::clicked, this, [this] { Choose(EmptyColumnChoice::Cancel); });
}

void dlgMove::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        m_choice = EmptyColumnChoice::Cancel;
        if (m_sound != nullptr) {
            m_sound->PlaySound(SoundMoveDialog);
        }
    }
}

void dlgMove::Choose(EmptyColumnChoice choice) {
    m_choice = choice;
    if (choice == EmptyColumnChoice::Cancel) {
        reject();
        return;
    }
    accept();
}

EmptyColumnChoice dlgMove::Ask(QWidget* parent, ISoundPort* sound, int targetColumn,
                               IDialogRunner& runner) {
    dlgMove dialog(sound, parent);
    dialog.TargetColumn(targetColumn);
    runner.Run(dialog);
    return dialog.Choice();
}

} // namespace velmora
