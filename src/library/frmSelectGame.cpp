#include "library/frmSelectGame.h"

#include "library/ClockRandom.h"
#include "library/LibraryPorts.h"
#include "library/Messages.h"
#include "library/SelectGameEntry.h"
#include "library/ui/LibraryWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

frmSelectGame::frmSelectGame(const SelectGameContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("frmSelectGame"));
    setWindowTitle(QStringLiteral("Select Game"));
    setModal(true);

    auto* label = new QLabel(SelectGameEntry::LabelText(m_context.randomLimit), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QStringLiteral("Game Number"));
    m_lblWinnable = new QLabel(this);
    m_lblWinnable->setObjectName(QStringLiteral("lblWinnable"));
    m_lblWinnable->setVisible(false);
    auto* select = Button(this, "cmdSelect", "Select");
    select->setDefault(true);
    auto* cancel = Button(this, "cmdCancel", "Cancel");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_text1, 1, 0);
    layout->addWidget(m_lblWinnable, 2, 0);
    layout->setRowStretch(3, 1);
    layout->addLayout(buttons, 0, 1, 4, 1);
    layout->setColumnMinimumWidth(0, 240);
    // The dialog grows when the winnable label shows and shrinks back when it hides.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const double random = m_context.random ? m_context.random() : ClockSeededRandom();
    m_text1->setText(QString::number(SelectGameEntry::Suggestion(random, m_context.randomLimit)));
    m_text1->selectAll();
    m_text1->setFocus();

    connect(m_text1, &QLineEdit::textChanged, this, &frmSelectGame::ShowWinnable);
    connect(select, &QPushButton::clicked, this, &frmSelectGame::cmdSelect_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSelectGame::SetWinnableCheck(WinnableCheck check) {
    m_winnable = std::move(check);
    m_lblWinnable->setVisible(static_cast<bool>(m_winnable));
    ShowWinnable();
}

void frmSelectGame::ShowWinnable() {
    if (!m_winnable) {
        return;
    }
    const std::uint64_t generation = ++m_checkGeneration;
    const auto number = SelectGameEntry::Parse(m_text1->text());
    if (!number) {
        m_lblWinnable->clear();
        return;
    }
    m_lblWinnable->setText(QStringLiteral("Checking\u2026"));
    QPointer<QLabel> label = m_lblWinnable;
    m_winnable(*number, [this, label, generation](const QString& text) {
        if (label && generation == m_checkGeneration) {
            label->setText(text);
        }
    });
}

void frmSelectGame::cmdSelect_Click() {
    const auto number = SelectGameEntry::Parse(m_text1->text());
    if (!number) {
        m_context.messages.Message(QString::fromLatin1(SelectGameEntry::Invalid),
                                   MessageIcon::Information);
        m_text1->setText(QStringLiteral("0"));
        m_text1->setFocus();
        return;
    }
    hide();
    m_context.game.StartNewGame(*number);
    accept();
}

} // namespace velmora
