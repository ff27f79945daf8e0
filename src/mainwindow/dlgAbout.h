#pragma once

#include <QDialog>

namespace velmora {

/// The about box: the program's emblem, name, version and a short description; cmdOK closes it.
class dlgAbout final : public QDialog {
    Q_OBJECT

public:
    explicit dlgAbout(QWidget* parent = nullptr);

    /// The version shown, from the build.
    static QString Version();
};

} // namespace velmora
