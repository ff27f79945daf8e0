#pragma once

#include "support/TempHome.h"

#include "library/GameListing.h"
#include "library/cRecent.h"
#include "library/cSave.h"

namespace velmora::test {

/// A temporary home with a favourites folder "Easy Games" and empty auto-save and save folders.
class LibraryHome : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        save = std::make_unique<cSave>(*store, folders, clock);
        recent = std::make_unique<cRecent>(*store);
        for (const char* folder : {"fav/Easy Games", "incomplete", "finished", "saved"}) {
            QDir().mkpath(Path(QString::fromLatin1(folder)));
        }
        save->FavFolder(Path(QStringLiteral("fav")));
        save->IncompleteDir(Path(QStringLiteral("incomplete")));
        save->FinishedDir(Path(QStringLiteral("finished")));
        save->SaveFolder(Path(QStringLiteral("saved")));
    }
    /// Empty files `names` in `folder` (relative to the home).
    void Files(const char* folder, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            Touch(Path(QString::fromLatin1(folder) + u'/' + QString::fromLatin1(name)));
        }
    }
    static QStringList Sorted(QStringList list) {
        list.sort();
        return list;
    }
    /// Each row as its text and kind: "12345:Incomp".
    static QStringList Texts(const std::vector<GameListing::GameRow>& rows) {
        QStringList texts;
        for (const auto& row : rows) {
            texts << row.text + (row.finished ? ":Comp" : ":Incomp");
        }
        return texts;
    }

    std::unique_ptr<cSave> save;
    std::unique_ptr<cRecent> recent;
};

} // namespace velmora::test
