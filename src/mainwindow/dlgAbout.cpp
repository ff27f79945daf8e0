#include "mainwindow/dlgAbout.h"

#include "mainwindow/ToolbarIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

namespace velmora {

QString dlgAbout::Version() {
    return QStringLiteral(VELMORA_VERSION);
}

QString dlgAbout::LibrariesText() {
    // The libraries the installed game runs on; build and test tools are not shipped.
    const struct {
        QString name;
        const char* use;
        const char* licence;
    } libraries[] = {
        {QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
         "windows, pictures, sound and icons (Core, GUI, Widgets, Multimedia, SVG)",
         "GNU Lesser General Public License, version 3"},
        {QStringLiteral("GNU C++ Library"), "the C++ standard library",
         "GNU General Public License, version 3, with the GCC Runtime Library Exception"},
    };
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (const auto& library : libraries) {
        html += QStringLiteral("<tr><td valign=\"top\"><b>%1</b>&nbsp;&nbsp;</td><td>%2<br>"
                               "<i>%3</i>"
                               "</td></tr>")
                    .arg(library.name.toHtmlEscaped(), QString::fromLatin1(library.use),
                         QString::fromLatin1(library.licence));
    }
    return html + QStringLiteral("</table>");
}

dlgAbout::dlgAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAbout"));
    setWindowTitle(QStringLiteral("About Velmora 2003"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("picLogo"));
    emblem->setAccessibleName(QStringLiteral("Velmora 2003"));
    emblem->setPixmap(ApplicationIcon().pixmap(QSize(96, 96), devicePixelRatioF()));
    emblem->setFixedSize(96, 96);

    auto* name = new QLabel(QStringLiteral("Velmora 2003"), this);
    name->setObjectName(QStringLiteral("lblName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(QStringLiteral("Version %1").arg(Version()), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* description = new QLabel(
        QStringLiteral("A patience card game for one player.\n\n"
                       "Every deal is numbered, so any game can be played again, saved, "
                       "replayed move by move and shared by its number. Build the four suits "
                       "up from ace to king on the home cells to win."),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);

    auto* heading = new QLabel(QStringLiteral("<b>Built with</b>"), this);
    auto* libraries = new QLabel(LibrariesText(), this);
    libraries->setObjectName(QStringLiteral("lblLibraries"));
    libraries->setWordWrap(true);
    libraries->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* own =
        new QLabel(QStringLiteral("The card faces, icons and sounds are the game's own."), this);
    own->setObjectName(QStringLiteral("lblOwn"));
    own->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(10);
    text->addWidget(description);
    text->addSpacing(12);
    text->addWidget(heading);
    text->addWidget(libraries);
    text->addSpacing(6);
    text->addWidget(own);

    auto* top = new QHBoxLayout;
    top->addWidget(emblem, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(top);
    layout->addSpacing(14);
    layout->addLayout(buttons);
    // Wide enough for the libraries' lines, so the box does not grow tall and narrow.
    description->setMinimumWidth(420);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmora
