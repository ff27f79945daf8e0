#include "library/cRecent.h"

namespace velmora {

namespace {
const QString Section = QStringLiteral("Recent");

QString Key(int slot) {
    return QStringLiteral("Recent") + QString::number(slot);
}
} // namespace

QString MenuText(const QString& text) {
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

cRecent::cRecent(SettingsStore& store, IRecentMenus* menus) : m_store(store), m_menus(menus) {}

void cRecent::AddtoRecent(const QString& path) {
    const QString kind = path.right(3).toUpper();
    if (kind == QStringLiteral("V2K")) {
        AddtoRecent1(path);
    } else if (kind == QStringLiteral("VLG")) {
        AddtoRecent2(path);
    }
    UpdateRecent();
}

void cRecent::AddtoRecent1(const QString& path) {
    Insert(1, path);
}

void cRecent::AddtoRecent2(const QString& path) {
    Insert(6, path);
}

void cRecent::Insert(std::int16_t first, const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    for (int i = 0; i < ListSize; ++i) {
        if (GetRecent(static_cast<std::int16_t>(first + i)) == path) {
            return;
        }
    }
    for (int i = ListSize - 1; i >= 1; --i) {
        SetRecent(static_cast<std::int16_t>(first + i),
                  GetRecent(static_cast<std::int16_t>(first + i - 1)));
    }
    SetRecent(first, path);
}

void cRecent::CrearRecent() {
    for (std::int16_t slot = 1; slot <= 2 * ListSize; ++slot) {
        SetRecent(slot, QString());
    }
    UpdateRecent();
}

void cRecent::SetRecent(std::int16_t slot, const QString& path) {
    m_store.SaveSetting(Section, Key(slot), path);
}

QString cRecent::GetRecent(std::int16_t slot) const {
    return m_store.GetSetting(Section, Key(slot), QString());
}

std::int16_t cRecent::GetTotalNumb(std::int16_t first) const {
    std::int16_t count = 0;
    for (int i = 0; i < ListSize; ++i) {
        if (!GetRecent(static_cast<std::int16_t>(first + i)).isEmpty()) {
            ++count;
        }
    }
    return count;
}

bool cRecent::EnableFinish() const {
    return GetTotalNumb(1) >= 1;
}

bool cRecent::EnableInComplete() const {
    return GetTotalNumb(6) >= 1;
}

RecentMenus cRecent::Menus() const {
    RecentMenus menus;
    for (int i = 1; i <= ListSize; ++i) {
        const QString number = QStringLiteral("&") + QString::number(i) + u' ';
        const QString finished = GetRecent(static_cast<std::int16_t>(i));
        const QString incomplete = GetRecent(static_cast<std::int16_t>(i + ListSize));
        menus.finished[i - 1] = {!finished.isEmpty(),
                                 finished.isEmpty() ? QString() : number + MenuText(finished)};
        menus.incomplete[i - 1] = {!incomplete.isEmpty(), incomplete.isEmpty()
                                                              ? QString()
                                                              : number + MenuText(incomplete)};
        if (!finished.isEmpty()) {
            menus.finishedNoneVisible = false;
        }
        if (!incomplete.isEmpty()) {
            menus.incompleteNoneVisible = false;
        }
    }
    return menus;
}

void cRecent::UpdateRecent() {
    if (m_menus) {
        m_menus->ShowRecentMenus(Menus());
    }
}

} // namespace velmora
