#include "Companion.h"

#include "Commands.h"
#include "engine/GameState.h"
#include "engine/TablePress.h"
#include "engine/cGame.h"
#include "history/GameSession.h"
#include "solver/Presses.h"

#include <charconv>
#include <optional>
#include <sstream>

namespace velmora::cli {

namespace {

constexpr const char* Usage =
    "Usage:\n"
    "  velmora2003-cli deal N\n"
    "      Print the position right after dealing game N (0 to 3240000).\n"
    "  velmora2003-cli play N [--save FILE] [--source] ACTION...\n"
    "      Deal game N, apply the actions in order and print the result.\n"
    "  velmora2003-cli show FILE\n"
    "      Read a saved game and print its position, moves and records.\n"
    "  velmora2003-cli solve N | --from FILE | --range FIRST LAST [--jobs K]\n"
    "                        [--time SECONDS] [--memory MB]\n"
    "      Solve game N or the position of a saved game: the actions of a winning line on\n"
    "      one line (status 0), 'unsolvable' (status 1) or 'unknown' when the limits stop\n"
    "      the search first (status 3; defaults 10 seconds, 256 MB). --range decides every\n"
    "      game number from FIRST to LAST, one line each ('N solved MOVES', 'N unsolvable',\n"
    "      'N unknown'), with a progress bar and a summary on standard error; K deals are\n"
    "      solved at the same time.\n"
    "  velmora2003-cli --help\n"
    "\n"
    "Actions:\n"
    "  A-H        press column A..H (its exposed card, or the table over an empty column)\n"
    "  1-4        press free cell 1..4 (its card, or the empty cell's frame)\n"
    "  5-8        press home cell 5..8 (its card; nothing when empty)\n"
    "  presses may be joined: C2 moves column C's card to free cell 2, AE presses A then E\n"
    "  .../single, .../column, .../cancel\n"
    "             answer the empty-column question opened by the argument's last press\n"
    "  dA-dH      double-click column A..H's exposed card\n"
    "  undo, redo, undoall, redoall\n"
    "  snapshot   remember the current move number\n"
    "  tosnapshot go to the remembered move number\n";

struct CliError {
    std::string message;
};

enum class ActionKind { Presses, DoubleClick, Undo, Redo, UndoAll, RedoAll, Snapshot, ToSnapshot };

struct Action {
    ActionKind kind = ActionKind::Presses;
    solver::PressAction presses;
    int column = 0;
};

std::optional<Action> ParseAction(const std::string& arg) {
    Action a;
    if (arg == "undo") {
        a.kind = ActionKind::Undo;
        return a;
    }
    if (arg == "redo") {
        a.kind = ActionKind::Redo;
        return a;
    }
    if (arg == "undoall") {
        a.kind = ActionKind::UndoAll;
        return a;
    }
    if (arg == "redoall") {
        a.kind = ActionKind::RedoAll;
        return a;
    }
    if (arg == "snapshot") {
        a.kind = ActionKind::Snapshot;
        return a;
    }
    if (arg == "tosnapshot") {
        a.kind = ActionKind::ToSnapshot;
        return a;
    }
    if (arg.size() == 2 && arg[0] == 'd' && arg[1] >= 'A' && arg[1] <= 'H') {
        a.kind = ActionKind::DoubleClick;
        a.column = arg[1] - 'A';
        return a;
    }
    auto presses = solver::PressAction::Parse(arg);
    if (!presses) {
        return std::nullopt;
    }
    a.presses = *presses;
    return a;
}

} // namespace

std::optional<std::int32_t> ParseGameNumber(const std::string& text) {
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < 0 ||
        value > MaxGameNumber) {
        return std::nullopt;
    }
    return value;
}

namespace {

std::string CardText(CardIndex card) {
    if (card < 0) {
        return "-";
    }
    static constexpr const char* Ranks = "A23456789TJQK";
    static constexpr const char* Suits = "CDSH";
    std::string text;
    text += Ranks[RankOf(card) - 1];
    text += Suits[SuitOf(card) - 1];
    return text;
}

void PrintPosition(const cGame& game, std::ostream& out) {
    static constexpr const char* Ranks = "A23456789TJQK";
    static constexpr const char* Suits = "CDSH";
    out << "Foundations:";
    for (int h = FirstHomeCell; h <= LastHomeCell; ++h) {
        const CardIndex card = game.GetCardIndex(h);
        out << ' ' << Suits[h - FirstHomeCell] << '-' << (card < 0 ? '0' : Ranks[RankOf(card) - 1]);
    }
    out << "\nFreecells:";
    for (int f = FirstFreeCell; f <= LastFreeCell; ++f) {
        out << ' ' << CardText(game.GetCardIndex(f));
    }
    out << '\n';
    for (int c = 0; c < ColumnCount; ++c) {
        out << ':';
        for (int row = 0; row < MaxRows; ++row) {
            const CardIndex card = game.GetCardIndex(row * 8 + c);
            if (card < 0) {
                break;
            }
            out << ' ' << CardText(card);
        }
        out << '\n';
    }
}

/// Messages, the empty-column question and the won notification of a scripted game.
class ScriptPorts final : public solver::PressPlayer {
public:
    explicit ScriptPorts(std::ostream& out) : m_out(out) {}

    void ShowMessage(const std::string& text) override {
        std::string line = text;
        for (auto pos = line.find("\r\n"); pos != std::string::npos; pos = line.find("\r\n")) {
            line.replace(pos, 2, " ");
        }
        m_out << "Message: " << line << '\n';
    }

    void GameWon() override {
        if (Won()) {
            return;
        }
        PressPlayer::GameWon();
        m_out << "Game won\n";
    }

private:
    std::ostream& m_out;
};

struct PlayOptions {
    std::int32_t gameNumber = 0;
    std::optional<std::string> saveFile;
    bool source = false;
    std::vector<Action> actions;
};

std::optional<CliError> ApplyActions(GameSession& session, ScriptPorts& ports,
                                     const std::vector<Action>& actions) {
    GameState& state = session.State();
    std::optional<std::int16_t> snapshot;
    // The game's default speeds; with no table to animate they only keep the calls alike.
    constexpr int UndoRedoSpeed = 10;
    constexpr int UndoRedoAllSpeed = 5;
    for (const Action& a : actions) {
        if (ports.Won()) {
            break;
        }
        cTrans& trans = session.Trans();
        switch (a.kind) {
        case ActionKind::Undo:
            trans.Undo(UndoRedoSpeed);
            break;
        case ActionKind::Redo:
            trans.Redo(UndoRedoSpeed);
            break;
        case ActionKind::UndoAll:
            trans.UndoAll(UndoRedoAllSpeed);
            break;
        case ActionKind::RedoAll:
            trans.RedoAll(UndoRedoAllSpeed);
            break;
        case ActionKind::Snapshot:
            snapshot = trans.MoveID();
            break;
        case ActionKind::ToSnapshot:
            if (snapshot) {
                trans.PlayNum(*snapshot);
            }
            break;
        case ActionKind::DoubleClick:
            ApplyPress(state, PressForKey(state.Game(), static_cast<char>('A' + a.column), true));
            break;
        case ActionKind::Presses:
            if (auto failure = solver::PlayAction(state, ports, a.presses)) {
                return CliError{*failure};
            }
            break;
        }
    }
    return std::nullopt;
}

std::string SourceAsLines(const std::string& source) {
    std::string text;
    text.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n') {
            continue;
        }
        text += source[i];
    }
    return text;
}

} // namespace

int Fail(std::ostream& err, const std::string& message) {
    err << "error: " << message << '\n';
    return 2;
}

Result<void> OpenPosition(GameSession& session, const std::string& path) {
    std::string name = path;
    auto kind = session.Open(name);
    if (!kind) {
        return std::unexpected(kind.error());
    }
    if (*kind == SavedGameKind::Finished) {
        session.State().Finished = true;
        session.Trans().RedoAll(1);
    }
    return {};
}

namespace {

int Deal(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        return Fail(err, "deal takes one game number");
    }
    const auto number = ParseGameNumber(args[1]);
    if (!number) {
        return Fail(err, "bad game number '" + args[1] + "' (0 to 3240000)");
    }
    GameSession session;
    session.StartGame(*number);
    PrintPosition(session.State().Game(), out);
    return 0;
}

int Play(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2) {
        return Fail(err, "play takes a game number");
    }
    PlayOptions options;
    const auto number = ParseGameNumber(args[1]);
    if (!number) {
        return Fail(err, "bad game number '" + args[1] + "' (0 to 3240000)");
    }
    options.gameNumber = *number;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--save") {
            if (i + 1 >= args.size()) {
                return Fail(err, "--save needs a file name");
            }
            options.saveFile = args[++i];
            continue;
        }
        if (args[i] == "--source") {
            options.source = true;
            continue;
        }
        auto action = ParseAction(args[i]);
        if (!action) {
            return Fail(err, "unknown action '" + args[i] + "'");
        }
        options.actions.push_back(*action);
    }

    std::ostringstream buffer;
    ScriptPorts ports(buffer);
    EnginePorts enginePorts;
    enginePorts.dialogs = &ports;
    enginePorts.events = &ports;
    GameSession session(enginePorts);
    session.StartGame(options.gameNumber);

    if (auto failure = ApplyActions(session, ports, options.actions)) {
        return Fail(err, failure->message);
    }

    const GameState& state = session.State();
    const cTrans& trans = session.Trans();
    PrintPosition(state.Game(), buffer);
    buffer << "Moves: " << trans.MoveID() << '\n';
    buffer << "Records: " << trans.CurrentTrans() << " of " << trans.TotalTrans() << '\n';
    buffer << "Possible moves: " << state.Game().GetPossibleMoves() << '\n';
    buffer << "Selected: " << state.SelectedLocation << '\n';
    if (options.source) {
        buffer << "Source:\n" << SourceAsLines(trans.CreateSource());
    }
    if (options.saveFile) {
        if (auto saved = trans.SaveToFile(*options.saveFile); !saved) {
            return Fail(err, saved.error().message);
        }
    }
    out << buffer.str();
    return 0;
}

int Show(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        return Fail(err, "show takes one file name");
    }
    GameSession session;
    if (auto opened = OpenPosition(session, args[1]); !opened) {
        return Fail(err, opened.error().message);
    }
    const cTrans& trans = session.Trans();
    PrintPosition(session.State().Game(), out);
    out << "Moves: " << trans.MoveID() << '\n';
    out << "Records: " << trans.CurrentTrans() << " of " << trans.TotalTrans() << '\n';
    return 0;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        return Fail(err, "no command given (see --help)");
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << Usage;
        return 0;
    }
    if (command == "deal") {
        return Deal(args, out, err);
    }
    if (command == "play") {
        return Play(args, out, err);
    }
    if (command == "show") {
        return Show(args, out, err);
    }
    if (command == "solve") {
        return SolveCommand(args, out, err);
    }
    return Fail(err, "unknown command '" + command + "' (see --help)");
}

} // namespace velmora::cli
