#include "library/ui/TabPages.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace velmora {

TabPages::TabPages(const QStringList& captions, const std::vector<QWidget*>& pages, QWidget* parent)
    : QWidget(parent), m_strip(new QTabBar(this)) {
    m_strip->setObjectName(QStringLiteral("TabStrip1"));
    for (const QString& caption : captions) {
        m_strip->addTab(caption);
    }
    auto* stack = new QGridLayout;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("frame") + QString::number(i + 1));
        auto* frameLayout = new QVBoxLayout(frame);
        frameLayout->setContentsMargins(0, 0, 0, 0);
        frameLayout->addWidget(pages[i]);
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        stack->addWidget(frame, 0, 0);
        m_frames.push_back(frame);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_strip);
    layout->addLayout(stack, 1);
    connect(m_strip, &QTabBar::currentChanged, this, &TabPages::Show);
    Show(m_strip->currentIndex());
}

void TabPages::Select(int tab) {
    if (tab < 1 || tab > static_cast<int>(m_frames.size())) {
        tab = 1;
    }
    const QSignalBlocker blocker(m_strip);
    m_strip->setCurrentIndex(tab - 1);
    Show(tab - 1);
}

int TabPages::Current() const {
    return m_strip->currentIndex() + 1;
}

void TabPages::Show(int index) {
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        m_frames[i]->setVisible(static_cast<int>(i) == index);
    }
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

} // namespace velmora
