#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace velmora {

/// "Velmora 2003 Help": the help page in a browser with Contents, Back and Forward buttons.
/// It is not modal, so the game can be played beside it; Escape and Close hide it.
class frmHelp final : public QDialog {
    Q_OBJECT

public:
    /// `page` is the help page's file.
    explicit frmHelp(const QString& page, QWidget* parent = nullptr);

    /// Shows the top of the page.
    void ShowContents();

private:
    QTextBrowser* m_browser;
};

} // namespace velmora
