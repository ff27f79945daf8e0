#include "mainwindow/frmHelp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace velmora {

frmHelp::frmHelp(const QString& page, QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Velmora 2003 Help"));
    setWindowFlags((windowFlags() | Qt::WindowMinMaxButtonsHint) &
                   ~Qt::WindowContextHelpButtonHint);

    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setAccessibleName(QStringLiteral("Help"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(page));

    auto* contents = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                     QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("cmdContents"));
    auto* back =
        new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setEnabled(false);
    auto* forward = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward),
                                    QStringLiteral("&Forward"), this);
    forward->setObjectName(QStringLiteral("cmdForward"));
    forward->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    // Return in the page follows a link; it must not close the window.
    for (QPushButton* button : {contents, back, forward, close}) {
        button->setAutoDefault(false);
    }

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(contents);
    navigation->addWidget(back);
    navigation->addWidget(forward);
    navigation->addStretch(1);
    navigation->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(navigation);
    resize(720, 620);

    connect(contents, &QPushButton::clicked, this, &frmHelp::ShowContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void frmHelp::ShowContents() {
    m_browser->home();
    m_browser->verticalScrollBar()->setValue(0);
}

} // namespace velmora
