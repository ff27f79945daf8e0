#pragma once

#include <QDialog>

namespace velmora {

/// The about box: the program's icon, name, version, a short description and the libraries it
/// runs on with their licences; cmdOK closes it.
class dlgAbout final : public QDialog {
    Q_OBJECT

public:
    explicit dlgAbout(QWidget* parent = nullptr);

    /// The version shown, from the build.
    static QString Version();
    /// The libraries the game runs on, what for and under which licence (rich text); Qt with
    /// the version actually loaded.
    static QString LibrariesText();
};

} // namespace velmora
