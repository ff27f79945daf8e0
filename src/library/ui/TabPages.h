#pragma once

#include <QStringList>
#include <QWidget>

#include <initializer_list>
#include <vector>

class QFrame;
class QHBoxLayout;
class QPushButton;
class QTabBar;

namespace velmora {

/// The page switch of a tabbed dialog: a tab strip ("TabStrip1") over one frame per page
/// ("frame1", "frame2", ...). Only the chosen page's frame is shown; hidden frames keep their
/// room, so the dialog does not change size from page to page.
class TabPages final : public QWidget {
public:
    /// One tab per caption over the page at the same place in `pages`.
    TabPages(const QStringList& captions, const std::vector<QWidget*>& pages, QWidget* parent);

    QTabBar* Strip() const { return m_strip; }
    /// Shows page `tab` (1-based) without signals; a tab outside the pages shows page 1.
    void Select(int tab);
    /// The page shown, 1-based.
    int Current() const;

private:
    void Show(int index);

    QTabBar* m_strip;
    std::vector<QFrame*> m_frames;
};

/// The buttons at the right of one row, as at the foot of a dialog.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

} // namespace velmora
