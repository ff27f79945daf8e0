#pragma once

#include "library/Messages.h"

#include <QPointer>
#include <QWidget>

namespace velmora {

/// Message boxes over the dialog in front, or over the owner when no dialog is open.
class dlgMessages final : public IMessages {
public:
    explicit dlgMessages(QWidget* owner = nullptr) : m_owner(owner) {}
    /// The window boxes open over when no dialog is in front (the active window when unset).
    void SetOwner(QWidget* owner) { m_owner = owner; }

    void Message(const QString& text, MessageIcon icon, const QString& title = {}) override;
    bool Ask(const QString& text, MessageIcon icon, const QString& title = {}) override;
    QString InputBox(const QString& prompt, const QString& title = {}) override;

private:
    QWidget* Owner() const;

    QPointer<QWidget> m_owner;
};

} // namespace velmora
