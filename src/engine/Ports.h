#pragma once

#include "engine/Types.h"

#include <string>

namespace velmora {

/// The card pictures on the table. Coordinates are twips; the view converts.
class ITableView {
public:
    virtual ~ITableView() = default;
    /// Places a card picture at once.
    virtual void PlaceCard(CardIndex card, int left, int top) = 0;
    virtual void ShowCard(CardIndex card, bool visible) = 0;
    virtual void ShowCards(bool visible) = 0;
    virtual void BringToFront(CardIndex card) = 0;
    virtual void SendToBack(CardIndex card) = 0;
    /// Attaches the selection frame to a card; NoCard parks it out of sight.
    virtual void AttachSelection(CardIndex card) = 0;
    /// Slides a card from one point to another in `steps` equal steps (queued on the view).
    virtual void AnimateCard(CardIndex card, int fromLeft, int fromTop, int toLeft, int toTop,
                             int steps) = 0;
    virtual void Redraw() = 0;
};

/// Event sounds.
class ISoundPort {
public:
    virtual ~ISoundPort() = default;
    /// The sound of one card movement, chosen by mode and target.
    virtual void CardMove(MoveMode mode, Location to) = 0;
    /// `event` is a SoundEvent number.
    virtual void PlaySound(int event) = 0;
};

/// The options the engine reads.
class IEngineOptions {
public:
    virtual ~IEngineOptions() = default;
    virtual int CardSpeed() const = 0;
    virtual int ShowMessages() const = 0;
    virtual int AllowDoubleClick() const = 0;
};

/// The player's answer to the empty-column question.
enum class EmptyColumnChoice { Single, Column, Cancel };

/// Questions and messages shown to the player.
class IPlayerDialogs {
public:
    virtual ~IPlayerDialogs() = default;
    /// An information message box with the default title.
    virtual void ShowMessage(const std::string& text) = 0;
    /// Asks how to fill the empty column `targetColumn`.
    virtual EmptyColumnChoice AskEmptyColumn(int targetColumn) = 0;
};

/// Receives every recorded card movement (the move history).
class IRecorder {
public:
    virtual ~IRecorder() = default;
    /// Returns the number the movement was recorded under.
    virtual int SaveTrans(Location src, Location dest, MoveMode kind) = 0;
};

/// What the owner of the game does around the engine.
class IGameEvents {
public:
    virtual ~IGameEvents() = default;
    /// Called at the start of StartGame, after the game number is stored and the selection
    /// cleared: timers, a new history when `keepHistory` is false, settings bookkeeping.
    virtual void GameStarting(std::int32_t gameNumber, bool keepHistory) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void StatusChanged() = 0;
    /// All four kings are home; called once per dealt game.
    virtual void GameWon() = 0;
};

/// Null implementations: no pictures, no sound, default options, nothing asked.
class NullTableView : public ITableView {
public:
    void PlaceCard(CardIndex, int, int) override {}
    void ShowCard(CardIndex, bool) override {}
    void ShowCards(bool) override {}
    void BringToFront(CardIndex) override {}
    void SendToBack(CardIndex) override {}
    void AttachSelection(CardIndex) override {}
    void AnimateCard(CardIndex, int, int, int, int, int) override {}
    void Redraw() override {}
};

class NullSound final : public ISoundPort {
public:
    void CardMove(MoveMode, Location) override {}
    void PlaySound(int) override {}
};

class DefaultEngineOptions final : public IEngineOptions {
public:
    int CardSpeed() const override { return 20; }
    int ShowMessages() const override { return 1; }
    int AllowDoubleClick() const override { return 1; }
};

class NullDialogs final : public IPlayerDialogs {
public:
    void ShowMessage(const std::string&) override {}
    EmptyColumnChoice AskEmptyColumn(int) override { return EmptyColumnChoice::Cancel; }
};

class NullRecorder final : public IRecorder {
public:
    int SaveTrans(Location, Location, MoveMode) override { return 0; }
};

class NullGameEvents final : public IGameEvents {
public:
    void GameStarting(std::int32_t, bool) override {}
    void SetCaption(const std::string&) override {}
    void StatusChanged() override {}
    void GameWon() override {}
};

} // namespace velmora
