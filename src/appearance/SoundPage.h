#pragma once

#include "appearance/SoundScheme.h"

#include <QString>

#include <array>
#include <vector>

namespace velmora {

class IMessages;
class cSetting;

/// One node of the sound page's event tree. Node 1 is the root, 2 to 6 the categories and
/// 7 to 23 the events 1 to 17 (event = node - 6).
struct SoundNode {
    const char* caption;
    const char* key;
    int parent; ///< node index of the parent, 0 for the root
};

inline constexpr int SoundNodeCount = 23;
inline constexpr int FirstSoundLeaf = 7;

/// The event tree in node order (entry 0 is node 1).
const std::array<SoundNode, SoundNodeCount>& SoundTree();

/// One entry of the scheme list: "No Sounds" (key "No") or a scheme file (key: its path).
struct SchemeEntry {
    QString name;
    QString key;
};

/// What the sound page's controls show for the selected node.
struct SoundControls {
    bool browse = false; ///< cmdBrowse and txtSound
    bool play = false;   ///< cmdPlay and cmdStop
    /// The working entry of a selected event; a category leaves the path box as it is.
    bool showPath = false;
    QString path;
};

/// The sound page of the settings dialog without its widgets: the working paths of the 17
/// events while the dialog is open, the scheme list and the selected node of the event tree.
class SoundPage {
public:
    SoundPage(cSetting& setting, QString userFolder, IMessages& messages);

    /// On opening: the stored paths, the scheme list at SoundIndex (which loads that scheme
    /// over them) and the node TreeIndex selected.
    void SoundsInit();
    /// Lists "No Sounds" and every file of the user files folder whose name ends in "SD",
    /// selects `position` (1 when outside the list) and loads that scheme.
    void Update_SoundCombo(int position);
    /// A scheme chosen in the list at `position`.
    void SoundComboClick(int position);
    /// "No" clears all 17 paths; any other key is a scheme file read over them.
    void OpenSndScheme(const QString& key);
    /// Asks for a name and writes the working paths as that scheme, replacing one of the same
    /// name; the list then selects the saved scheme. Refuses unusable names with a message.
    void SaveSoundScheme();
    /// Asks, then deletes the selected scheme file; "No Sounds" cannot be deleted.
    void DeleteSoundScheme();

    /// Selects node 1..23; any other value selects the first event.
    void SelectNode(int node);
    int SelectedNode() const { return m_node; }
    /// The enabling and path box of the selected node.
    SoundControls Controls() const;
    /// A file chosen with Browse for the selected node; ignored while a category is selected.
    void SetSelectedPath(const QString& path);
    /// True when node `node` is an event with an empty working path (its icon shows it).
    bool IsSilent(int node) const;

    const SoundScheme::Paths& Working() const { return m_working; }
    const std::vector<SchemeEntry>& Schemes() const { return m_schemes; }
    /// 1-based position of the selected scheme.
    int SchemePosition() const { return m_position; }

private:
    void ListSchemes();

    cSetting& m_setting;
    QString m_userFolder;
    IMessages& m_messages;
    SoundScheme::Paths m_working;
    std::vector<SchemeEntry> m_schemes;
    int m_position = 1;
    int m_node = FirstSoundLeaf;
};

} // namespace velmora
