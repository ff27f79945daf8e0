#pragma once

// Fakes of the ports, shared by every test folder: each records what it was asked and answers
// what the test set.

#include "engine/Ports.h"
#include "library/Clock.h"
#include "library/FileDialogs.h"
#include "library/MainWindowPorts.h"
#include "library/Messages.h"
#include "scores/PlayerPorts.h"
#include "support/QtPrint.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>
#include <deque>
#include <vector>

namespace velmora::test {

class FakeClock final : public IClock {
public:
    QDateTime now{QDate(2026, 12, 5), QTime(17, 20, 0)};
    QDateTime Now() const override { return now; }
    void Advance(qint64 seconds) { now = now.addSecs(seconds); }
};

/// Records every box; questions take the queued `answers` first, then `answer`; input boxes
/// take the queued `inputs`, then an empty text (cancelled).
class FakeMessages final : public IMessages {
public:
    struct Box {
        QString text;
        MessageIcon icon;
        QString title;
        bool question;
    };
    std::vector<Box> boxes;
    std::deque<bool> answers;
    bool answer = true;
    std::deque<QString> inputs;
    QStringList prompts;

    void Message(const QString& text, MessageIcon icon, const QString& title) override {
        boxes.push_back({text, icon, title, false});
    }
    bool Ask(const QString& text, MessageIcon icon, const QString& title) override {
        boxes.push_back({text, icon, title, true});
        if (answers.empty()) {
            return answer;
        }
        const bool next = answers.front();
        answers.pop_front();
        return next;
    }
    QString InputBox(const QString& prompt, const QString&) override {
        prompts << prompt;
        if (inputs.empty()) {
            return {};
        }
        QString next = inputs.front();
        inputs.pop_front();
        return next;
    }
    QString Last() const { return boxes.empty() ? QString() : boxes.back().text; }
    int Questions() const {
        return static_cast<int>(
            std::count_if(boxes.begin(), boxes.end(), [](const Box& b) { return b.question; }));
    }
};

class FakeCombo final : public IPlayerCombo {
public:
    QStringList items;
    int selected = 0; ///< 1-based, 0 = none

    void Clear() override {
        items.clear();
        selected = 0;
    }
    void AddItem(const QString& name) override { items << name; }
    void SelectPosition(int position) override {
        selected = position >= 1 && position <= items.size() ? position : 0;
    }
    QString SelectedText() const override { return selected ? items[selected - 1] : QString(); }
};

class FakeListView final : public IPlayerListView {
public:
    struct Row {
        QString key, name, fullName;
    };
    std::vector<Row> rows;
    int selected = -1;
    int refills = 0;

    void Clear() override {
        rows.clear();
        selected = -1;
        ++refills;
    }
    void AddItem(const QString& key, const QString& name, const QString& fullName) override {
        rows.push_back({key, name, fullName});
    }
    void SelectLast() override { selected = static_cast<int>(rows.size()) - 1; }
};

class FakeFileDialogs final : public IFileDialogs {
public:
    QString answer;
    QString lastStart, lastName, lastExtension, lastFilter, lastTitle;

    QString SaveFileName(const QString& startFolder, const QString& fileName,
                         const QString& defaultExtension, const QString& filter,
                         const QString& title = {}) override {
        lastTitle = title;
        lastStart = startFolder;
        lastName = fileName;
        lastExtension = defaultExtension;
        lastFilter = filter;
        return answer;
    }
    QString OpenFileName(const QString& startFolder, const QString& filter) override {
        lastStart = startFolder;
        lastFilter = filter;
        return answer;
    }
    QString BrowseForFolder(const QString& title, const QString& startFolder) override {
        lastTitle = title;
        lastStart = startFolder;
        return answer;
    }
};

class FakeGameFiles final : public IGameFiles {
public:
    std::int32_t number = 12345;
    bool fail = false;
    /// The answer to AllowNewGame and how often it was asked.
    bool allow = true;
    int allowQuestions = 0;
    QStringList saved, opened;

    std::int32_t GameNumber() const override { return number; }
    bool AllowNewGame() override {
        ++allowQuestions;
        return allow;
    }
    Result<void> SaveGame(const QString& path) override {
        if (fail) {
            return Fail("Cannot save");
        }
        saved << path;
        return {};
    }
    Result<void> OpenAndReplay(const QString& path) override {
        if (fail) {
            return Fail("Bad file");
        }
        opened << path;
        return {};
    }
};

class FakeRecentMenus final : public IRecentMenus {
public:
    RecentMenus last;
    int rebuilds = 0;
    void ShowRecentMenus(const RecentMenus& menus) override {
        last = menus;
        ++rebuilds;
    }
};

class FakeView final : public IViewOptions {
public:
    QStringList calls;
    void ShowTimerBox(bool v) override { calls << QStringLiteral("timer %1").arg(v); }
    void ShowStatusbar(bool v) override { calls << QStringLiteral("statusbar %1").arg(v); }
    void ShowToolbar(bool v) override { calls << QStringLiteral("toolbar %1").arg(v); }
    void SetReplayInterval(int ms) override { calls << QStringLiteral("interval %1").arg(ms); }
    void Relayout() override { calls << QStringLiteral("relayout"); }
    void SetZoom(int zoom) override { calls << QStringLiteral("zoom %1").arg(zoom); }
    void ShowKeyHints(bool v) override { calls << QStringLiteral("keyhints %1").arg(v); }
};

/// Records the events played; card moves are not events.
class RecordingSound final : public ISoundPort {
public:
    std::vector<int> events;
    void CardMove(MoveMode, Location) override {}
    void PlaySound(int event) override { events.push_back(event); }
};

} // namespace velmora::test
