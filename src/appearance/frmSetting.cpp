#include "appearance/frmSetting.h"

#include "appearance/BackgroundColours.h"
#include "appearance/cSound.h"
#include "appearance/ui/Background.h"
#include "library/FileDialogs.h"
#include "library/Messages.h"
#include "library/ui/TabPages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

/// The gradient of one colour table entry, as the table will show it.
class GradientPreview final : public QFrame {
public:
    explicit GradientPreview(QWidget* parent) : QFrame(parent) {
        setFrameShape(QFrame::StyledPanel);
        setFrameShadow(QFrame::Sunken);
    }
    void SetColour(int colorIndex) {
        m_top = BackgroundColours::TableColour(colorIndex);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const QRect area = contentsRect();
        const qreal dpr = devicePixelRatioF();
        QImage image(area.size() * dpr, QImage::Format_RGB32);
        QPainter bands(&image);
        Drawobj(bands, image.rect(), 0, m_top);
        bands.end();
        image.setDevicePixelRatio(dpr);
        QPainter painter(this);
        painter.drawImage(area.topLeft(), image);
        painter.end();
        QFrame::paintEvent(event);
    }

private:
    BackgroundColours::Rgb m_top =
        BackgroundColours::TableColour(BackgroundColours::DefaultColorIndex);
};

/// The chosen picture scaled to fit, centred ("Image1").
class PicturePreview final : public QFrame {
public:
    explicit PicturePreview(QWidget* parent) : QFrame(parent) {
        setFrameShape(QFrame::StyledPanel);
        setFrameShadow(QFrame::Sunken);
    }
    void SetPicture(const QImage& picture) {
        m_picture = picture;
        update();
    }
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect area = contentsRect().adjusted(4, 4, -4, -4);
        painter.fillRect(contentsRect(), palette().base());
        if (!m_picture.isNull() && area.isValid()) {
            QSize size = m_picture.size();
            if (size.width() > area.width() || size.height() > area.height()) {
                size.scale(area.size(), Qt::KeepAspectRatio);
            }
            const QRect target(area.left() + (area.width() - size.width()) / 2,
                               area.top() + (area.height() - size.height()) / 2, size.width(),
                               size.height());
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setOpacity(isEnabled() ? 1.0 : 0.4);
            painter.drawImage(target, m_picture);
        }
        painter.end();
        QFrame::paintEvent(event);
    }

private:
    QImage m_picture;
};

/// A path box that selects all its text when clicked.
class SelectingLineEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QLineEdit::mousePressEvent(event);
        selectAll();
    }
};

QIcon Swatch(BackgroundColours::Rgb colour) {
    QIcon icon;
    for (const qreal dpr : {1.0, 2.0}) {
        QPixmap pixmap(QSize(16, 16) * dpr);
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 0, 140), 1.0));
        painter.setBrush(ToColor(colour));
        painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

/// Mounted file systems the player can keep pictures on: the root and every block device.
QList<QStorageInfo> Drives() {
    QList<QStorageInfo> drives{QStorageInfo::root()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && volume.device().startsWith("/dev/") &&
            volume.rootPath() != drives.front().rootPath()) {
            drives << volume;
        }
    }
    return drives;
}

QString DriveCaption(const QStorageInfo& drive) {
    const QString name = drive.displayName();
    if (name.isEmpty() || name == drive.rootPath()) {
        return drive.rootPath();
    }
    return drive.rootPath() + QStringLiteral(" [") + name + u']';
}

} // namespace

frmSetting::frmSetting(const SettingContext& context, QWidget* parent)
    : QDialog(parent), m_context(context),
      m_sounds(context.setting, context.userFolder, context.messages) {
    setObjectName(QStringLiteral("frmSetting"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    m_pages =
        new TabPages({QStringLiteral("Color"), QStringLiteral("Image"), QStringLiteral("Sounds")},
                     {BuildColour(), BuildImage(), BuildSound()}, this);
    auto* cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    auto* cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(ButtonRow({cmdOK, cmdCancel}));

    m_tmrPic.setObjectName(QStringLiteral("tmrPic"));
    m_tmrPic.setInterval(PreviewInterval);
    connect(&m_tmrPic, &QTimer::timeout, this, &frmSetting::PicTimerChange);
    connect(cmdOK, &QPushButton::clicked, this, &frmSetting::UpdateAll);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetting::reject);

    Form_Load();
}

frmSetting::~frmSetting() = default;

// Pages ---------------------------------------------------------------------------------------

QWidget* frmSetting::BuildColour() {
    auto* page = new QWidget(this);
    m_listView1 = Named(new QListWidget(page), "ListView1");
    m_listView1->setAccessibleName(QStringLiteral("Colors"));
    m_listView1->setViewMode(QListView::ListMode);
    m_listView1->setFlow(QListView::TopToBottom);
    m_listView1->setWrapping(true);
    m_listView1->setResizeMode(QListView::Adjust);
    // Columns as wide as the longest colour name, so no name is cut short.
    int longest = 0;
    for (const auto& entry : BackgroundColours::ColourTable()) {
        longest =
            std::max(longest, m_listView1->fontMetrics().horizontalAdvance(QString::fromLatin1(
                                  entry.name.data(), static_cast<qsizetype>(entry.name.size()))));
    }
    const int row = std::max(m_listView1->fontMetrics().height(), 16) + 4;
    m_listView1->setGridSize(QSize(longest + 16 + 16, row));
    m_listView1->setMinimumSize(3 * (longest + 32) + 8, 11 * row + 8);

    auto* picture1 = new GradientPreview(page);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setMinimumSize(160, 120);
    m_preview = picture1;
    auto* command1 = Named(new QPushButton(QStringLiteral("Preview"), page), "Command1");

    auto* preview = new QVBoxLayout;
    preview->addWidget(picture1, 1);
    preview->addWidget(command1, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_listView1, 3);
    layout->addLayout(preview, 2);

    connect(m_listView1, &QListWidget::currentRowChanged, this,
            [this] { DrawPic(SelectedColour()); });
    connect(command1, &QPushButton::clicked, this,
            [this] { m_context.setting.Preview(SelectedColour()); });
    return page;
}

QWidget* frmSetting::BuildImage() {
    auto* page = new QWidget(this);
    m_chkImage = Named(new QCheckBox(QStringLiteral("Enable Image"), page), "chkImage");
    m_drive1 = Named(new QComboBox(page), "Drive1");
    for (const QStorageInfo& drive : Drives()) {
        m_drive1->addItem(DriveCaption(drive), drive.rootPath());
    }
    m_dirModel = new QFileSystemModel(this);
    m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_dirModel->setRootPath(QDir::rootPath());
    m_dir1 = Named(new QTreeView(page), "Dir1");
    m_dir1->setAccessibleName(QStringLiteral("Image Folders"));
    m_dir1->setModel(m_dirModel);
    for (int column = 1; column < m_dirModel->columnCount(); ++column) {
        m_dir1->hideColumn(column);
    }
    m_dir1->setHeaderHidden(true);
    m_dir1->setMinimumSize(220, 200);
    m_file1 = Named(new QListWidget(page), "File1");
    m_file1->setAccessibleName(QStringLiteral("Images"));
    m_file1->setMinimumWidth(150);
    auto* image1 = new PicturePreview(page);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setMinimumSize(220, 165);
    m_image1 = image1;
    m_chkTimer = Named(new QCheckBox(QStringLiteral("Enable Timer"), page), "chkTimer");
    m_imcTimer = Named(new QComboBox(page), "imcTimer");

    auto* lists = new QGridLayout;
    lists->addWidget(m_drive1, 0, 0);
    lists->addWidget(m_dir1, 1, 0);
    lists->addWidget(m_file1, 0, 1, 2, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    auto* timer = new QHBoxLayout;
    timer->addWidget(m_chkTimer);
    timer->addWidget(m_imcTimer);
    timer->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(lists, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(image1, 2);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_chkImage);
    layout->addLayout(top, 1);
    layout->addLayout(timer);

    connect(m_chkImage, &QCheckBox::toggled, this, &frmSetting::Update_Controls);
    connect(m_chkTimer, &QCheckBox::toggled, this, &frmSetting::Update_Controls);
    connect(m_drive1, &QComboBox::activated, this, &frmSetting::Drive1_Change);
    connect(m_dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    Dir1_Change(m_dirModel->filePath(current));
                }
            });
    connect(m_file1, &QListWidget::currentRowChanged, this, &frmSetting::FileBoxClick);
    return page;
}

QWidget* frmSetting::BuildSound() {
    auto* page = new QWidget(this);
    m_treeView1 = Named(new QTreeWidget(page), "TreeView1");
    m_treeView1->setAccessibleName(QStringLiteral("Sounds"));
    m_treeView1->setHeaderHidden(true);
    // Tall enough for all 23 nodes without scrolling.
    const int row = std::max(m_treeView1->fontMetrics().height(), 16) + 3;
    m_treeView1->setMinimumSize(220, SoundNodeCount * row + 8);
    m_txtSound = Named(new SelectingLineEdit(page), "txtSound");
    m_cmdBrowse = Named(new QPushButton(QStringLiteral("Browse"), page), "cmdBrowse");
    m_cmdPlay = Named(new QPushButton(QStringLiteral("Play"), page), "cmdPlay");
    m_cmdStop = Named(new QPushButton(QStringLiteral("Stop"), page), "cmdStop");
    m_imcSnd = Named(new QComboBox(page), "imcSnd");
    auto* cmdSaveSound = Named(new QPushButton(QStringLiteral("Save As.."), page), "cmdSaveSound");
    auto* cmdDelSound = Named(new QPushButton(QStringLiteral("Delete"), page), "cmdDelSound");

    auto* file = new QGroupBox(QStringLiteral("Sound File"), page);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(m_cmdBrowse);
    fileButtons->addWidget(m_cmdPlay);
    fileButtons->addWidget(m_cmdStop);
    fileButtons->addStretch();
    auto* fileLayout = new QVBoxLayout(file);
    fileLayout->addWidget(m_txtSound);
    fileLayout->addLayout(fileButtons);

    auto* schemes = new QGroupBox(QStringLiteral("Schemes"), page);
    auto* schemeButtons = new QHBoxLayout;
    schemeButtons->addStretch();
    schemeButtons->addWidget(cmdSaveSound);
    schemeButtons->addWidget(cmdDelSound);
    auto* schemeLayout = new QVBoxLayout(schemes);
    schemeLayout->addWidget(m_imcSnd);
    schemeLayout->addLayout(schemeButtons);

    auto* right = new QVBoxLayout;
    right->addWidget(file);
    right->addWidget(schemes);
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_treeView1, 1);
    layout->addLayout(right, 1);

    connect(m_treeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { TreeView1_Click(item); });
    connect(m_cmdBrowse, &QPushButton::clicked, this, &frmSetting::BrowseWaveFiles);
    connect(m_cmdPlay, &QPushButton::clicked, this,
            [this] { m_context.sound.PlayFile(m_txtSound->text()); });
    connect(m_cmdStop, &QPushButton::clicked, this, [this] { m_context.sound.Stopfile(); });
    connect(m_imcSnd, &QComboBox::activated, this, &frmSetting::SoundComboClick);
    connect(cmdSaveSound, &QPushButton::clicked, this, &frmSetting::SaveSoundScheme);
    connect(cmdDelSound, &QPushButton::clicked, this, &frmSetting::DeleteSoundScheme);
    return page;
}

// Opening -------------------------------------------------------------------------------------

void frmSetting::Form_Load() {
    Tabinit();
    m_sounds.SoundsInit();
    Update_SoundCombo();
    Update_SoundTree();
    colorinit();
    Image_Init();
    Create_timerCombo();
}

void frmSetting::Tabinit() {
    m_pages->Select(m_context.setting.TabIndex());
}

void frmSetting::colorinit() {
    const QSignalBlocker blocker(m_listView1);
    m_listView1->clear();
    const auto& table = BackgroundColours::ColourTable();
    for (int i = BackgroundColours::FirstColour; i <= BackgroundColours::LastColour; ++i) {
        const auto& entry = table[static_cast<std::size_t>(i)];
        auto* item = new QListWidgetItem(
            Swatch(entry.colour),
            QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size())),
            m_listView1);
        item->setData(Qt::UserRole, i);
    }
    int index = m_context.setting.ColorIndex();
    if (index < BackgroundColours::FirstColour || index > BackgroundColours::LastColour) {
        index = BackgroundColours::DefaultColorIndex;
    }
    m_listView1->setCurrentRow(index - BackgroundColours::FirstColour);
    DrawPic(index);
}

int frmSetting::SelectedColour() const {
    const QListWidgetItem* item = m_listView1->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : m_context.setting.ColorIndex();
}

void frmSetting::DrawPic(int colorIndex) {
    static_cast<GradientPreview*>(m_preview)->SetColour(colorIndex);
}

void frmSetting::Image_Init() {
    {
        const QSignalBlocker imageBlocker(m_chkImage);
        const QSignalBlocker timerBlocker(m_chkTimer);
        m_chkImage->setChecked(m_context.setting.EnableImage() == 1);
        m_chkTimer->setChecked(m_context.setting.EnableTimer() == 1);
    }
    m_chosenPicture = m_context.setting.Image();
    const QFileInfo stored(m_chosenPicture);
    const bool exists = !m_chosenPicture.isEmpty() && stored.isFile();
    const QString folder = exists ? stored.absolutePath() : m_context.pictureFolder;
    const QString root = QStorageInfo(folder).rootPath();
    for (int i = 0; i < m_drive1->count(); ++i) {
        if (m_drive1->itemData(i).toString() == root) {
            m_drive1->setCurrentIndex(i);
        }
    }
    Dir1_Change(folder);
    if (exists) {
        const int row = m_files.IndexOf(stored.fileName());
        const QSignalBlocker blocker(m_file1);
        m_file1->setCurrentRow(row);
        ShowPicture(m_chosenPicture);
    }
    Update_Controls();
}

void frmSetting::Create_timerCombo() {
    m_imcTimer->clear();
    for (const TimerRow& row : TimerRows) {
        m_imcTimer->addItem(QString::fromLatin1(row.caption), QString::fromLatin1(row.key));
    }
    int index = m_context.setting.TimerIndex();
    if (index < 1 || index > static_cast<int>(TimerRows.size())) {
        index = 2;
    }
    m_imcTimer->setCurrentIndex(index - 1);
}

void frmSetting::Update_Controls() {
    const bool image = m_chkImage->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(m_drive1), static_cast<QWidget*>(m_dir1),
          static_cast<QWidget*>(m_file1), m_image1, static_cast<QWidget*>(m_chkTimer)}) {
        control->setEnabled(image);
    }
    const bool rotate = image && m_chkTimer->isChecked();
    m_imcTimer->setEnabled(rotate);
    if (rotate && !m_tmrPic.isActive()) {
        m_tmrPic.start();
    } else if (!rotate) {
        m_tmrPic.stop();
    }
}

void frmSetting::Drive1_Change(int index) {
    Dir1_Change(m_drive1->itemData(index).toString());
}

void frmSetting::Dir1_Change(const QString& folder) {
    if (folder.isEmpty() || folder == m_files.Path()) {
        return;
    }
    const QModelIndex index = m_dirModel->index(folder);
    if (index.isValid()) {
        const QSignalBlocker blocker(m_dir1->selectionModel());
        m_dir1->setCurrentIndex(index);
        m_dir1->scrollTo(index);
    }
    m_files.SetPath(folder);
    m_previewIndex = 0;
    FillFileList();
}

void frmSetting::FillFileList() {
    const QSignalBlocker blocker(m_file1);
    m_file1->clear();
    m_file1->addItems(m_files.Files());
}

void frmSetting::FileBoxClick(int row) {
    const QString path = m_files.FullPath(row);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return;
    }
    ShowPicture(path);
    m_chosenPicture = path;
}

void frmSetting::ShowPicture(const QString& path) {
    static_cast<PicturePreview*>(m_image1)->SetPicture(ReadPicture(path, PictureLimit()));
}

void frmSetting::PicTimerChange() {
    if (!m_chkTimer->isChecked() || m_files.ListCount() < 2) {
        return;
    }
    if (m_previewIndex >= m_files.ListCount()) {
        m_previewIndex = 0;
    }
    {
        const QSignalBlocker blocker(m_file1);
        m_file1->setCurrentRow(m_previewIndex);
    }
    FileBoxClick(m_previewIndex);
    ++m_previewIndex;
}

// Sounds --------------------------------------------------------------------------------------

void frmSetting::Update_SoundCombo() {
    const QSignalBlocker blocker(m_imcSnd);
    m_imcSnd->clear();
    for (const SchemeEntry& scheme : m_sounds.Schemes()) {
        m_imcSnd->addItem(scheme.name, scheme.key);
    }
    m_imcSnd->setCurrentIndex(m_sounds.SchemePosition() - 1);
}

void frmSetting::Update_SoundTree() {
    const QIcon root = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_ComputerIcon)
                           : QApplication::windowIcon();
    const QIcon category = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon sound = style()->standardIcon(QStyle::SP_MediaVolume);
    const QIcon silent = style()->standardIcon(QStyle::SP_MediaVolumeMuted);
    const QSignalBlocker blocker(m_treeView1);
    if (m_nodes[0] == nullptr) {
        const auto& tree = SoundTree();
        for (int node = 1; node <= SoundNodeCount; ++node) {
            const SoundNode& entry = tree[static_cast<std::size_t>(node - 1)];
            const QStringList caption{QString::fromLatin1(entry.caption)};
            auto* item = entry.parent == 0
                             ? new QTreeWidgetItem(m_treeView1, caption)
                             : new QTreeWidgetItem(
                                   m_nodes[static_cast<std::size_t>(entry.parent - 1)], caption);
            item->setData(0, Qt::UserRole, node);
            item->setData(0, Qt::UserRole + 1, QString::fromLatin1(entry.key));
            m_nodes[static_cast<std::size_t>(node - 1)] = item;
        }
        m_treeView1->expandAll();
    }
    for (int node = 1; node <= SoundNodeCount; ++node) {
        QTreeWidgetItem* item = m_nodes[static_cast<std::size_t>(node - 1)];
        if (node == 1) {
            item->setIcon(0, root);
        } else if (node < FirstSoundLeaf) {
            item->setIcon(0, category);
        } else {
            item->setIcon(0, m_sounds.IsSilent(node) ? silent : sound);
        }
    }
    m_treeView1->setCurrentItem(m_nodes[static_cast<std::size_t>(m_sounds.SelectedNode() - 1)]);
    mainTimerChange();
}

void frmSetting::TreeView1_Click(QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    m_sounds.SelectNode(item->data(0, Qt::UserRole).toInt());
    mainTimerChange();
}

void frmSetting::mainTimerChange() {
    const SoundControls controls = m_sounds.Controls();
    m_cmdBrowse->setEnabled(controls.browse);
    m_txtSound->setEnabled(controls.browse);
    m_cmdPlay->setEnabled(controls.play);
    m_cmdStop->setEnabled(controls.play);
    if (controls.showPath) {
        m_txtSound->setText(controls.path);
    }
}

void frmSetting::BrowseWaveFiles() {
    const QFileInfo current(m_txtSound->text());
    const QString start = !m_txtSound->text().isEmpty() && current.absoluteDir().exists()
                              ? current.absolutePath()
                              : m_context.soundFolder;
    const QString file =
        m_context.fileDialogs.OpenFileName(start, QStringLiteral("Sound Files(*.wav)|*.wav"));
    if (file.isEmpty()) {
        return;
    }
    m_txtSound->setText(file);
    m_sounds.SetSelectedPath(file);
    Update_SoundTree();
}

void frmSetting::SoundComboClick(int index) {
    m_sounds.SoundComboClick(index + 1);
    Update_SoundTree();
}

void frmSetting::SaveSoundScheme() {
    m_sounds.SaveSoundScheme();
    Update_SoundCombo();
    Update_SoundTree();
}

void frmSetting::DeleteSoundScheme() {
    m_sounds.DeleteSoundScheme();
    Update_SoundCombo();
    Update_SoundTree();
}

// Closing -------------------------------------------------------------------------------------

void frmSetting::UpdateAll() {
    m_tmrPic.stop();
    SettingValues values;
    values.enableImage = m_chkImage->isChecked() ? 1 : 0;
    values.enableTimer = m_chkTimer->isChecked() ? 1 : 0;
    values.image = m_chosenPicture;
    values.sounds = m_sounds.Working();
    values.tabIndex = static_cast<std::int16_t>(m_pages->Current());
    values.colorIndex = static_cast<std::int16_t>(SelectedColour());
    values.treeIndex = static_cast<std::int16_t>(m_sounds.SelectedNode());
    values.soundIndex = static_cast<std::int16_t>(m_sounds.SchemePosition());
    values.timerIndex = static_cast<std::int16_t>(m_imcTimer->currentIndex() + 1);
    values.pictureFolder = m_files.Path();
    m_context.setting.UpdateAll(values);
    accept();
}

void frmSetting::reject() {
    m_tmrPic.stop();
    m_context.setting.Update_BackGround();
    QDialog::reject();
}

} // namespace velmora
