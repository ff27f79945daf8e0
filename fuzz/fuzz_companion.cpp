// The companion's command line: the input is split into arguments at line ends. Every run ends
// with status 0 and no error text, or status 2, one "error: " line and no other output; a game
// saved by "play --save" shows the same position when read back by "show".

#include "FuzzSupport.h"

#include "Companion.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Arguments(const std::string& text) {
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start <= text.size() && args.size() < 200) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        args.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

/// The position and the move number: the output from "Foundations:" to the "Moves:" line.
std::string Position(const std::string& out) {
    const auto start = out.find("Foundations:");
    const auto moves = out.find("Moves:");
    if (start == std::string::npos || moves == std::string::npos) {
        return out;
    }
    return out.substr(start, out.find('\n', moves) - start);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args =
        Arguments(std::string(reinterpret_cast<const char*>(data), size));
    // File names come from the scratch folder: never a path the input chose.
    const std::string saved = velmora::fuzz::ScratchPath("saved.vlg");
    std::remove(saved.c_str());
    bool saving = false;
    const bool solving = !args.empty() && args[0] == "solve";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i == 1 && args[0] == "show") {
            args[i] = velmora::fuzz::ScratchPath("missing.vlg");
        }
        if (i > 0 && (args[i - 1] == "--save" || args[i - 1] == "--from")) {
            args[i] = saved;
            saving = args[i - 1] == "--save";
        }
        // One deal at most, and little time for it: the searches are not what is tried here.
        if (solving && i > 0 && args[i - 1] == "--range" && i + 1 < args.size()) {
            args[i + 1] = args[i];
        }
    }
    if (solving) {
        for (const char* limit : {"--time", "0.01", "--memory", "16"}) {
            args.emplace_back(limit);
        }
    }

    std::ostringstream out;
    std::ostringstream err;
    const int status = velmora::cli::Run(args, out, err);
    FUZZ_CHECK(status == 0 || status == 2 || (solving && (status == 1 || status == 3)),
               "exit status " + std::to_string(status));
    if (status == 2) {
        const std::string e = err.str();
        FUZZ_CHECK(out.str().empty(), "output besides the error");
        FUZZ_CHECK(e.rfind("error: ", 0) == 0 && e.find('\n') == e.size() - 1,
                   "not one error line: " + e);
        return 0;
    }
    FUZZ_CHECK(solving || err.str().empty(), "error text on success: " + err.str());
    if (!saving || args[0] != "play") {
        return 0;
    }
    std::ostringstream shown;
    std::ostringstream shownErr;
    FUZZ_CHECK(velmora::cli::Run({"show", saved}, shown, shownErr) == 0,
               "the saved game cannot be read back: " + shownErr.str());
    FUZZ_CHECK(Position(shown.str()) == Position(out.str()),
               "the saved game reads back as another position:\n" + out.str() + "---\n" +
                   shown.str());
    return 0;
}
