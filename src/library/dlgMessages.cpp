#include "library/dlgMessages.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace velmora {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString Title(const QString& title) {
    return title.isEmpty() ? QStringLiteral("Velmora 2003") : title;
}

/// The texts keep the CR LF line breaks of the program; the box wants LF.
QString BoxText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QWidget* dlgMessages::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (m_owner) {
        return m_owner;
    }
    return QApplication::activeWindow();
}

void dlgMessages::Message(const QString& text, MessageIcon icon, const QString& title) {
    QMessageBox box(BoxIcon(icon), Title(title), BoxText(text), QMessageBox::Ok, Owner());
    box.exec();
}

bool dlgMessages::Ask(const QString& text, MessageIcon icon, const QString& title) {
    QMessageBox box(BoxIcon(icon), Title(title), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                    Owner());
    return box.exec() == QMessageBox::Yes;
}

QString dlgMessages::InputBox(const QString& prompt, const QString& title) {
    QInputDialog box(Owner());
    box.setWindowTitle(Title(title));
    box.setLabelText(BoxText(prompt));
    box.setInputMode(QInputDialog::TextInput);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

} // namespace velmora
