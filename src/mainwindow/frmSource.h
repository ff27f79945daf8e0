#pragma once

#include "engine/Ports.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class QPlainTextEdit;

namespace velmora {

class GameSession;

/// "Game Source": the move list of the game on the table, with saving as a text file.
/// Each time it is shown it plays sound event 15 and builds the list anew from the session's
/// history of the moment (a new deal replaces that history, so none is kept).
class frmSource final : public QDialog {
    Q_OBJECT

public:
    /// What the caller knows about the player.
    struct Context {
        QString playerName;
        /// Folder the save dialog starts in.
        QString exportFolder;
        /// The present date and time as the program writes it; asked when the file is saved.
        std::function<QString()> dateText;
    };
    /// Asks where to save, starting from `suggestedPath`; an empty answer cancels.
    using SaveDialog = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    /// Tells the player that the file could not be written.
    using ErrorReport = std::function<void(QWidget* parent, const QString& message)>;

    /// `sound` may be null. The save dialog defaults to the platform's file dialog and the
    /// error report to a warning box.
    frmSource(const GameSession& session, ISoundPort* sound, Context context,
              QWidget* parent = nullptr);

    void setSaveDialog(SaveDialog dialog) { m_saveDialog = std::move(dialog); }
    void setErrorReport(ErrorReport report) { m_errorReport = std::move(report); }

    /// The move list as shown (built when the dialog is shown).
    const std::string& SourceText() const { return m_source; }

    /// The saved file: seven header lines and the move list, each line ended by CR LF.
    static QByteArray FileContents(const QString& playerName, const QString& dateText,
                                   std::int32_t gameNumber, const std::string& source);
    /// Writes the file for the current list through a temporary file renamed into place;
    /// false with `error` set when it could not be written (an existing file is kept).
    bool SaveTo(const QString& path, QString* error = nullptr) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateSource();
    void Save();

    const GameSession& m_session;
    ISoundPort* m_sound;
    Context m_context;
    SaveDialog m_saveDialog;
    ErrorReport m_errorReport;
    /// The game number and move list as shown.
    std::int32_t m_gameNumber = 0;
    std::string m_source;
    QPlainTextEdit* m_text = nullptr;
};

} // namespace velmora
