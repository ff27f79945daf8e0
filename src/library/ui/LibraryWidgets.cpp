#include "library/ui/LibraryWidgets.h"

#include "library/GeneralDate.h"
#include "library/LibraryPorts.h"
#include "library/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace velmora {

namespace {

/// Draws combo entries moved right by their indentation level, as image combos do.
class IndentDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int indent = index.data(LibraryRole::Indent).toInt();
        option->rect.adjust(indent * IndentPixels, 0, 0, 0);
    }

private:
    static constexpr int IndentPixels = 14;
};

QStyle::StandardPixmap StandardImage(const QString& key) {
    if (key == u"OpenFold") {
        return QStyle::SP_DirOpenIcon;
    }
    if (key == u"CloseFold") {
        return QStyle::SP_DirClosedIcon;
    }
    if (key == u"Favourites") {
        return QStyle::SP_DirHomeIcon;
    }
    if (key == u"Program") {
        return QStyle::SP_ComputerIcon;
    }
    if (key == u"Comp") {
        return QStyle::SP_DialogApplyButton;
    }
    return QStyle::SP_FileIcon;
}

void ShowImage(QTreeWidgetItem* item, int role, const LibraryIcons& icons) {
    if (!item) {
        return;
    }
    const QString image = item->data(0, role).toString();
    if (!image.isEmpty()) {
        item->setIcon(0, icons.Icon(image, item->treeWidget()->style()));
    }
}

} // namespace

QIcon LibraryIcons::Icon(const QString& key, const QStyle* style) const {
    if (m_source) {
        if (QIcon icon = m_source(key); !icon.isNull()) {
            return icon;
        }
    }
    const QStyle* shown = style ? style : QApplication::style();
    return shown->standardIcon(StandardImage(key));
}

QTreeWidget* GameList(QWidget* parent, const char* name, const QStringList& headers, bool multi) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(headers.isEmpty() ? QStringLiteral("Games") : headers.first());
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection);
    if (headers.isEmpty()) {
        list->setHeaderHidden(true);
        list->setColumnCount(1);
    } else {
        list->setHeaderLabels(headers);
    }
    list->header()->setStretchLastSection(true);
    return list;
}

QTreeWidget* FolderTree(QWidget* parent, const char* name, const LibraryIcons& icons) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(QString::fromLatin1(name));
    tree->setAccessibleName(QStringLiteral("Folders"));
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [icons](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                         ShowImage(previous, LibraryRole::Image, icons);
                         ShowImage(current, LibraryRole::SelectedImage, icons);
                     });
    return tree;
}

QComboBox* FolderCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setItemDelegate(new IndentDelegate(combo));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(16);
    return combo;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QTreeWidgetItem* AddNode(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text,
                         const QString& key, const QString& image, const QString& selectedImage,
                         const LibraryIcons& icons) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, text);
    item->setData(0, LibraryRole::Key, key);
    item->setData(0, LibraryRole::Image, image);
    item->setData(0, LibraryRole::SelectedImage, selectedImage.isEmpty() ? image : selectedImage);
    item->setIcon(0, icons.Icon(image, tree->style()));
    return item;
}

void AddEntry(QComboBox* combo, const QString& text, const QString& key, const QString& image,
              int indent, const LibraryIcons& icons) {
    combo->addItem(icons.Icon(image, combo->style()), text, key);
    const int index = combo->count() - 1;
    combo->setItemData(index, image, LibraryRole::Image);
    combo->setItemData(index, indent, LibraryRole::Indent);
}

void FillGames(QTreeWidget* list, const std::vector<GameListing::GameRow>& rows,
               const LibraryIcons& icons, bool withDate) {
    list->clear();
    for (const GameListing::GameRow& row : rows) {
        auto* item = new QTreeWidgetItem(list);
        const QString image = row.finished ? QStringLiteral("Comp") : QStringLiteral("Incomp");
        item->setText(0, row.text);
        item->setIcon(0, icons.Icon(image, list->style()));
        item->setData(0, LibraryRole::Key, row.key);
        item->setData(0, LibraryRole::Image, image);
        if (withDate) {
            item->setText(1, GeneralDate::Format(row.created));
        }
    }
}

QStringList SelectedKeys(const QTreeWidget* list) {
    QStringList keys;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (const QTreeWidgetItem* item = list->topLevelItem(i); item->isSelected()) {
            keys << item->data(0, LibraryRole::Key).toString();
        }
    }
    return keys;
}

QStringList AllKeys(const QTreeWidget* list) {
    QStringList keys;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        keys << list->topLevelItem(i)->data(0, LibraryRole::Key).toString();
    }
    return keys;
}

void SelectFirst(QTreeWidget* list) {
    if (list->topLevelItemCount() > 0) {
        list->setCurrentItem(list->topLevelItem(0));
    }
}

bool OpenChosenGame(const QString& path, ILibraryGame& game, IMessages& messages) {
    if (!QFileInfo(path).isFile()) {
        messages.Message(QString::fromLatin1(GameListing::MissingFile), MessageIcon::Exclamation);
        return false;
    }
    if (!game.AllowNewGame()) {
        return false;
    }
    if (auto opened = game.OpenGame(path); !opened) {
        ShowError(messages, opened.error());
        return false;
    }
    return true;
}

} // namespace velmora
