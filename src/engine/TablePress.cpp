#include "engine/TablePress.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mGame.h"
#include "engine/mPics.h"

namespace velmora {

namespace {

TablePress CardPress(CardIndex card, TablePress::Kind kind = TablePress::Kind::Card) {
    return TablePress{.kind = kind, .card = card};
}

TablePress ColumnPress(const cGame& game, int column, bool shift) {
    const Location exposed = game.GetBottomCardLocation(static_cast<Location>(column));
    if (exposed != NoLocation) {
        return CardPress(game.GetCardIndex(exposed),
                         shift ? TablePress::Kind::DoubleClick : TablePress::Kind::Card);
    }
    if (shift) {
        return {};
    }
    // The middle of the column's band, one row below its top.
    return TablePress{.kind = TablePress::Kind::Table,
                      .x = column * ColumnPitch + 60 + ColumnPitch / 2,
                      .y = ColumnTop + RowStep};
}

} // namespace

TablePress PressForKey(const cGame& game, char key, bool shift) {
    if (key == EscapeKey) {
        return TablePress{.kind = TablePress::Kind::ClearSelection};
    }
    if (key >= 'A' && key <= 'H') {
        return ColumnPress(game, key - 'A', shift);
    }
    if (shift) {
        return {};
    }
    if (key >= '1' && key <= '4') {
        const int index = key - '1';
        const CardIndex card = game.GetCardIndex(FreeCell(index));
        if (card == NoCard) {
            return TablePress{.kind = TablePress::Kind::FreeCellFrame, .index = index};
        }
        return CardPress(card);
    }
    if (key >= '5' && key <= '8') {
        const CardIndex card = game.GetCardIndex(FirstHomeCell + (key - '5'));
        return card == NoCard ? TablePress{} : CardPress(card);
    }
    return {};
}

void ApplyPress(GameState& state, const TablePress& press) {
    const auto where = [&state](CardIndex card) { return state.Game().GetLocation(card); };
    switch (press.kind) {
    case TablePress::Kind::Card:
        mPics::PressCard(state, where(press.card));
        return;
    case TablePress::Kind::DoubleClick:
        mPics::DoubleClickCard(state, where(press.card));
        return;
    case TablePress::Kind::FreeCellFrame:
        mPics::ClickFreeCellFrame(state, press.index);
        return;
    case TablePress::Kind::Table:
        mPics::PressTable(state, press.x, press.y);
        return;
    case TablePress::Kind::ClearSelection:
        mGame::ClearSelection(state);
        return;
    case TablePress::Kind::None:
        return;
    }
}

} // namespace velmora
