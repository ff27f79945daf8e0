#include "appearance/SoundPage.h"

#include "appearance/cSetting.h"
#include "library/AppFolders.h"
#include "library/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {

namespace {

const QString NoSoundsKey = QStringLiteral("No");

} // namespace

const std::array<SoundNode, SoundNodeCount>& SoundTree() {
    static const std::array<SoundNode, SoundNodeCount> tree{{
        {"Velmora 2003", "Root", 0},
        {"Session", "Session", 1},
        {"Game", "Game", 1},
        {"Card Move", "Move", 1},
        {"Game Status", "Status", 1},
        {"Dialogs", "Dialog", 1},
        {"Start", "StartSession", 2},
        {"End", "EndSession", 2},
        {"New Game", "New", 3},
        {"Select Game", "Select", 3},
        {"Restart Game", "Restart", 3},
        {"Close Game", "Close", 3},
        {"Normal Move", "Normal", 4},
        {"Multi Move", "Multi", 4},
        {"Move Right", "Right", 4},
        {"Undo/Redo/Replay", "Undo", 4},
        {"One Possible Move", "Loose1", 5},
        {"Zero Possible Move", "Loose0", 5},
        {"Win Game", "Win", 5},
        {"ScoreBoard", "Score", 6},
        {"Source", "Source", 6},
        {"AutoSave", "AutoSave", 6},
        {"Move Dialog", "MoveDialog", 6},
    }};
    return tree;
}

SoundPage::SoundPage(cSetting& setting, QString userFolder, IMessages& messages)
    : m_setting(setting), m_userFolder(std::move(userFolder)), m_messages(messages) {}

void SoundPage::SoundsInit() {
    for (int event = 1; event <= SoundScheme::EventCount; ++event) {
        m_working[static_cast<std::size_t>(event - 1)] = m_setting.Sound(event);
    }
    Update_SoundCombo(m_setting.SoundIndex());
    SelectNode(m_setting.TreeIndex());
}

void SoundPage::ListSchemes() {
    m_schemes.clear();
    m_schemes.push_back({QStringLiteral("No Sounds"), NoSoundsKey});
    if (m_userFolder.isEmpty()) {
        return;
    }
    QDir dir(m_userFolder);
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : dir.entryInfoList()) {
        if (file.fileName().right(2).toUpper() == u"SD") {
            m_schemes.push_back({file.completeBaseName(), file.filePath()});
        }
    }
}

void SoundPage::Update_SoundCombo(int position) {
    ListSchemes();
    if (position < 1 || position > static_cast<int>(m_schemes.size())) {
        position = 1;
    }
    m_position = position;
    OpenSndScheme(m_schemes[static_cast<std::size_t>(position - 1)].key);
}

void SoundPage::SoundComboClick(int position) {
    if (position < 1 || position > static_cast<int>(m_schemes.size())) {
        return;
    }
    m_position = position;
    OpenSndScheme(m_schemes[static_cast<std::size_t>(position - 1)].key);
}

void SoundPage::OpenSndScheme(const QString& key) {
    if (key == NoSoundsKey) {
        m_working.fill(QString());
        return;
    }
    SoundScheme::Load(key, m_working);
}

void SoundPage::SaveSoundScheme() {
    const QString name = m_messages.InputBox(QStringLiteral("Please Enter a name for the Scheme"));
    if (name.isEmpty()) {
        return;
    }
    if (const auto problem = SoundScheme::NameProblem(name)) {
        m_messages.Message(*problem, MessageIcon::Exclamation);
        return;
    }
    const QString path = JoinPath(m_userFolder, name + QLatin1String(SoundScheme::Extension));
    if (auto saved = SoundScheme::Save(path, m_working); !saved) {
        ShowError(m_messages, saved.error());
        return;
    }
    // The saved scheme is selected wherever the sorted list puts it; selecting by count would
    // pick another scheme (or "No Sounds" after a replace) and load it over the working paths.
    ListSchemes();
    int position = static_cast<int>(m_schemes.size());
    for (std::size_t i = 0; i < m_schemes.size(); ++i) {
        if (QFileInfo(m_schemes[i].key) == QFileInfo(path)) {
            position = static_cast<int>(i) + 1;
        }
    }
    Update_SoundCombo(position);
}

void SoundPage::DeleteSoundScheme() {
    const SchemeEntry& selected = m_schemes[static_cast<std::size_t>(m_position - 1)];
    if (selected.key == NoSoundsKey) {
        m_messages.Message(QStringLiteral("Nothing to Delete"), MessageIcon::Information);
        return;
    }
    if (!m_messages.Ask(QStringLiteral("Are you sure you want to delete this Scheme ?"),
                        MessageIcon::Critical)) {
        return;
    }
    const int count = static_cast<int>(m_schemes.size());
    QFile file(selected.key);
    if (file.exists() && !file.remove()) {
        m_messages.Message(QStringLiteral("Cannot delete ") + selected.key + QStringLiteral(": ") +
                               file.errorString(),
                           MessageIcon::Exclamation);
        return;
    }
    Update_SoundCombo(count - 1);
}

void SoundPage::SelectNode(int node) {
    m_node = node >= 1 && node <= SoundNodeCount ? node : FirstSoundLeaf;
}

SoundControls SoundPage::Controls() const {
    SoundControls controls;
    if (m_node < FirstSoundLeaf) {
        return controls;
    }
    controls.browse = true;
    controls.showPath = true;
    controls.path = m_working[static_cast<std::size_t>(m_node - FirstSoundLeaf)];
    controls.play = !controls.path.isEmpty();
    return controls;
}

void SoundPage::SetSelectedPath(const QString& path) {
    if (m_node >= FirstSoundLeaf) {
        m_working[static_cast<std::size_t>(m_node - FirstSoundLeaf)] = path;
    }
}

bool SoundPage::IsSilent(int node) const {
    return node >= FirstSoundLeaf && node <= SoundNodeCount &&
           m_working[static_cast<std::size_t>(node - FirstSoundLeaf)].isEmpty();
}

} // namespace velmora
