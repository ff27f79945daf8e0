#include "mainwindow/frmSource.h"

#include "engine/SoundEvents.h"
#include "history/GameSession.h"
#include "platform/SafeFileQt.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace velmora {

namespace {

QString PlatformSaveDialog(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, QStringLiteral("Save"), suggestedPath,
                       QStringLiteral("Text File (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void WarningBox(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QStringLiteral("Velmora 2003"), message);
}

} // namespace

frmSource::frmSource(const GameSession& session, ISoundPort* sound, Context context,
                     QWidget* parent)
    : QDialog(parent), m_session(session), m_sound(sound), m_context(std::move(context)),
      m_saveDialog(&PlatformSaveDialog), m_errorReport(&WarningBox) {
    setObjectName(QStringLiteral("frmSource"));
    setWindowTitle(QStringLiteral("Game Source"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Game Source"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const int lineWidth = m_text->fontMetrics().horizontalAdvance(QString(80, QLatin1Char('M')));
    m_text->setMinimumSize(lineWidth, 14 * m_text->fontMetrics().lineSpacing());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("Command2"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command3"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &frmSource::Save);
    // The list has the keys first, to scroll it; Tab goes on to the buttons.
    m_text->setFocus();
}

void frmSource::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    if (m_sound != nullptr) {
        m_sound->PlaySound(SoundSource);
    }
    CreateSource();
}

void frmSource::CreateSource() {
    m_gameNumber = m_session.State().GameNumber;
    m_source = m_session.Trans().CreateSource();
    QString shown = QString::fromStdString(m_source);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(shown);
}

QByteArray frmSource::FileContents(const QString& playerName, const QString& dateText,
                                   std::int32_t gameNumber, const std::string& source) {
    const QByteArray crlf("\r\n");
    QByteArray out;
    out += "Velmora 2003 Source File" + crlf;
    out += "*************************" + crlf;
    out += " " + crlf;
    out += "Created by   : " + playerName.toUtf8() + crlf;
    out += "Created Date : " + dateText.toUtf8() + crlf;
    out += "Game No      : " + QByteArray::number(gameNumber) + crlf;
    out += " " + crlf;
    out += QByteArray::fromStdString(source) + crlf;
    return out;
}

bool frmSource::SaveTo(const QString& path, QString* error) const {
    const QString date = m_context.dateText ? m_context.dateText() : QString();
    auto written =
        SafeFile::Replace(path, FileContents(m_context.playerName, date, m_gameNumber, m_source));
    if (!written && error != nullptr) {
        *error = QString::fromStdString(written.error().reason);
    }
    return written.has_value();
}

void frmSource::Save() {
    const QString suggested =
        QDir(m_context.exportFolder)
            .filePath(QString::number(m_gameNumber) + QStringLiteral(" Source"));
    const QString path = m_saveDialog ? m_saveDialog(this, suggested) : QString();
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!SaveTo(path, &error) && m_errorReport) {
        m_errorReport(this, QStringLiteral("The file could not be saved:\n%1\n%2")
                                .arg(QDir::toNativeSeparators(path), error));
    }
}

} // namespace velmora
