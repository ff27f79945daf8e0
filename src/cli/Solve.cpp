// The companion's solve command: one game, a saved game, or a range of game numbers.

#include "Commands.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mArray.h"
#include "engine/mGame.h"
#include "history/GameSession.h"
#include "solver/Presses.h"
#include "solver/Solver.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <iomanip>
#include <mutex>
#include <sstream>
#include <thread>
#include <unordered_map>

namespace velmora::cli {

namespace {

using Board = std::array<CardIndex, BoardSize>;

constexpr int StatusSolved = 0;
constexpr int StatusUnsolvable = 1;
constexpr int StatusUnknown = 3;
constexpr int MaxJobs = 64;

struct SolveOptions {
    std::optional<std::int32_t> number;
    std::optional<std::string> file;
    std::optional<std::pair<std::int32_t, std::int32_t>> range;
    std::optional<int> jobs;
    solver::Limits limits;
};

using solver::Decision;

template <typename T> std::optional<T> ParseNumber(const std::string& text) {
    T value{};
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> ParseOptions(const std::vector<std::string>& args, SolveOptions& o) {
    // Whether `count` values follow the option at `i`.
    auto value = [&args](std::size_t i, std::size_t count) { return i + count < args.size(); };
    auto badNumber = [](const std::string& text) {
        return "bad game number '" + text + "' (0 to 3240000)";
    };
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--from") {
            if (!value(i, 1)) {
                return "--from needs a file name";
            }
            o.file = args[++i];
        } else if (a == "--range") {
            if (!value(i, 2)) {
                return "--range needs the first and the last game number";
            }
            const auto first = ParseGameNumber(args[i + 1]);
            const auto last = ParseGameNumber(args[i + 2]);
            if (!first) {
                return badNumber(args[i + 1]);
            }
            if (!last) {
                return badNumber(args[i + 2]);
            }
            if (*first > *last) {
                return "the range " + args[i + 1] + " to " + args[i + 2] + " is empty";
            }
            o.range = std::pair{*first, *last};
            i += 2;
        } else if (a == "--jobs") {
            const auto jobs = value(i, 1) ? ParseNumber<int>(args[i + 1]) : std::nullopt;
            if (!jobs || *jobs < 1 || *jobs > MaxJobs) {
                return "--jobs needs a number from 1 to " + std::to_string(MaxJobs);
            }
            o.jobs = *jobs;
            ++i;
        } else if (a == "--time") {
            const auto seconds = value(i, 1) ? ParseNumber<double>(args[i + 1]) : std::nullopt;
            if (!seconds || !(*seconds > 0) || *seconds > 1e6) {
                return "--time needs a number of seconds above 0";
            }
            o.limits.time = std::chrono::milliseconds(
                std::max<std::int64_t>(1, static_cast<std::int64_t>(*seconds * 1000)));
            ++i;
        } else if (a == "--memory") {
            const auto mb = value(i, 1) ? ParseNumber<std::size_t>(args[i + 1]) : std::nullopt;
            if (!mb || *mb < 1 || *mb > (std::size_t{1} << 20)) {
                return "--memory needs a number of megabytes from 1 to 1048576";
            }
            o.limits.memoryBytes = *mb << 20;
            ++i;
        } else if (!a.empty() && a[0] != '-' && !o.number) {
            o.number = ParseGameNumber(a);
            if (!o.number) {
                return badNumber(a);
            }
        } else {
            return "solve does not take '" + a + "'";
        }
    }
    const int given = (o.number ? 1 : 0) + (o.file ? 1 : 0) + (o.range ? 1 : 0);
    if (given != 1) {
        return "solve takes one of: a game number, --from FILE, --range FIRST LAST";
    }
    if (o.jobs && !o.range) {
        return "--jobs goes with --range";
    }
    return std::nullopt;
}

Board DealBoard(std::int32_t number) {
    GameState state;
    mGame::StartGame(state, number, false);
    return state.Game().Board();
}

int Report(const Decision& d, const std::string& what, std::ostream& out, std::ostream& err) {
    if (d.rejected) {
        return Fail(err, "the line found for " + what + " does not win; nothing is printed");
    }
    switch (d.verdict) {
    case solver::Verdict::Solved:
        out << solver::ActionLine(d.actions) << '\n';
        return StatusSolved;
    case solver::Verdict::Unsolvable:
        out << "unsolvable\n";
        return StatusUnsolvable;
    case solver::Verdict::Unknown:
        out << "unknown\n";
        return StatusUnknown;
    }
    return StatusUnknown;
}

std::string Milliseconds(double ms) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << ms << " ms";
    return text.str();
}

/// The value below which the fraction `q` of the sorted values lie (nearest rank).
double Percentile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) {
        return 0;
    }
    const auto rank = static_cast<std::size_t>(q * static_cast<double>(sorted.size()) + 0.999999);
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

class ProgressBar {
public:
    ProgressBar(std::ostream& err, std::size_t total) : m_err(err), m_total(total) {}

    /// Redraws at most ten times a second, and always for the last deal.
    void Show(std::size_t done) {
        const auto now = std::chrono::steady_clock::now();
        if (done != m_total && now - m_drawn < std::chrono::milliseconds(100)) {
            return;
        }
        m_drawn = now;
        constexpr std::size_t Width = 40;
        const std::size_t filled = m_total == 0 ? Width : done * Width / m_total;
        std::string text = "\r[" + std::string(filled, '#') + std::string(Width - filled, '.') +
                           "] " + std::to_string(done) + "/" + std::to_string(m_total);
        if (text != m_last) {
            m_err << text << std::flush;
            m_last = std::move(text);
        }
    }
    void Finish() { m_err << '\n'; }

private:
    std::ostream& m_err;
    std::size_t m_total;
    std::string m_last;
    std::chrono::steady_clock::time_point m_drawn;
};

int SolveRange(std::int32_t first, std::int32_t last, int jobs, const solver::Limits& limits,
               std::ostream& out, std::ostream& err) {
    // Numbers that deal the same cards share one decision.
    using Key = mArray::DealTable;
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            std::size_t h = 0;
            for (const CardIndex c : k) {
                h = h * 131 + static_cast<std::size_t>(c);
            }
            return h;
        }
    };
    std::unordered_map<Key, std::size_t, KeyHash> seen;
    std::vector<std::size_t> decisionOf;
    std::vector<std::int32_t> firstNumber;
    for (std::int32_t n = first; n <= last; ++n) {
        const auto [it, added] = seen.emplace(mArray::DealByNumber(n), firstNumber.size());
        if (added) {
            firstNumber.push_back(n);
        }
        decisionOf.push_back(it->second);
    }
    seen.clear();

    std::vector<Decision> decisions(firstNumber.size());
    std::vector<std::size_t> moves(firstNumber.size());
    std::vector<char> done(firstNumber.size(), 0);
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<std::size_t> next{0};
    std::stop_source stop;

    const auto began = std::chrono::steady_clock::now();
    {
        std::vector<std::jthread> workers;
        for (int j = 0; j < jobs; ++j) {
            workers.emplace_back([&]() {
                for (std::size_t i = next++; i < decisions.size() && !stop.stop_requested();
                     i = next++) {
                    Decision d =
                        solver::Decide(DealBoard(firstNumber[i]), limits, stop.get_token());
                    // Only the number of actions is printed.
                    const std::size_t count = d.actions.size();
                    d.actions = {};
                    const std::scoped_lock lock(mutex);
                    moves[i] = count;
                    decisions[i] = std::move(d);
                    done[i] = 1;
                    changed.notify_one();
                }
            });
        }

        ProgressBar bar(err, decisionOf.size());
        std::size_t printed = 0;
        std::unique_lock lock(mutex);
        while (printed < decisionOf.size()) {
            changed.wait_for(lock, std::chrono::milliseconds(200));
            for (; printed < decisionOf.size() && done[decisionOf[printed]]; ++printed) {
                const Decision& d = decisions[decisionOf[printed]];
                const std::int32_t n = first + static_cast<std::int32_t>(printed);
                if (d.rejected) {
                    stop.request_stop();
                    lock.unlock();
                    bar.Finish();
                    return Fail(err,
                                "the line found for game " + std::to_string(n) + " does not win");
                }
                out << n;
                switch (d.verdict) {
                case solver::Verdict::Solved:
                    out << " solved " << moves[decisionOf[printed]] << '\n';
                    break;
                case solver::Verdict::Unsolvable:
                    out << " unsolvable\n";
                    break;
                case solver::Verdict::Unknown:
                    out << " unknown\n";
                    break;
                }
            }
            bar.Show(printed);
        }
        out << std::flush;
        bar.Finish();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    std::size_t solved = 0;
    std::size_t unsolvable = 0;
    std::vector<double> times;
    for (const Decision& d : decisions) {
        solved += d.verdict == solver::Verdict::Solved ? 1 : 0;
        unsolvable += d.verdict == solver::Verdict::Unsolvable ? 1 : 0;
        times.push_back(d.searchMilliseconds);
    }
    std::sort(times.begin(), times.end());
    err << "Numbers: " << decisionOf.size() << ", deals: " << decisions.size()
        << ", solved: " << solved << ", unsolvable: " << unsolvable
        << ", unknown: " << decisions.size() - solved - unsolvable << '\n';
    err << "Time per deal: median " << Milliseconds(Percentile(times, 0.5)) << ", 90th percentile "
        << Milliseconds(Percentile(times, 0.9)) << ", maximum " << Milliseconds(times.back())
        << "; "
        << static_cast<long long>(static_cast<double>(decisions.size()) / std::max(seconds, 1e-9))
        << " deals per second\n";
    return 0;
}

} // namespace

int SolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SolveOptions o;
    if (auto failure = ParseOptions(args, o)) {
        return Fail(err, *failure);
    }
    if (o.range) {
        // Deciding many deals: the lines are counted, not shown, so they are not shortened.
        o.limits.shortening = 0;
        return SolveRange(o.range->first, o.range->second, o.jobs.value_or(1), o.limits, out, err);
    }
    if (o.file) {
        GameSession session;
        if (auto opened = OpenPosition(session, *o.file); !opened) {
            return Fail(err, opened.error().message);
        }
        return Report(solver::Decide(session.State().Game().Board(), o.limits), "'" + *o.file + "'",
                      out, err);
    }
    return Report(solver::Decide(DealBoard(*o.number), o.limits),
                  "game " + std::to_string(*o.number), out, err);
}

} // namespace velmora::cli
