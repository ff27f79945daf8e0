#include "mainwindow/dlgAbout.h"

#include "appearance/ui/CardPainter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

/// The emblem, drawn at the screen's pixel ratio.
class Emblem final : public QWidget {
public:
    explicit Emblem(QWidget* parent) : QWidget(parent) { setFixedSize(96, 90); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        CardPainter::PaintLogo(painter, QRectF(rect()));
    }
};

} // namespace

QString dlgAbout::Version() {
    return QStringLiteral(VELMORA_VERSION);
}

dlgAbout::dlgAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAbout"));
    setWindowTitle(QStringLiteral("About Velmora 2003"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* emblem = new Emblem(this);
    emblem->setObjectName(QStringLiteral("picLogo"));

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
    description->setMinimumWidth(360);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(description);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(emblem, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmora
