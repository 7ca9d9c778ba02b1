#include "tools/hostcore/HostCommand.h"

#include "tools/hostcore/Numbers.h"

#include <string>
#include <vector>

namespace karusello::hostsim {
namespace {

constexpr std::string_view blanks = " \t\r\n";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// Takes the first word off the front of text.
std::string_view TakeWord(std::string_view& text) {
    text = Trim(text);
    const auto end = text.find_first_of(blanks);
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
    return word;
}

class LineReader {
public:
    LineReader(std::string_view command, std::string_view rest) : command_(command), rest_(rest) {}

    std::int32_t Number(std::string_view what) {
        const std::string_view word = TakeWord(rest_);
        if (word.empty()) {
            throw CommandError(Usage("missing " + std::string(what)));
        }
        const auto value = ParseInt32(word);
        if (!value) {
            throw CommandError(Usage(std::string(what) + " is no number: " + std::string(word)));
        }
        return *value;
    }

    std::int32_t Count() {
        const std::int32_t value = Number("count");
        if (value < 1) {
            throw CommandError(Usage("count must be at least 1"));
        }
        return value;
    }

    std::string_view OptionalWord() { return TakeWord(rest_); }

    std::string Rest(std::string_view what) {
        const std::string_view rest = Trim(rest_);
        rest_ = {};
        if (rest.empty()) {
            throw CommandError(Usage("missing " + std::string(what)));
        }
        return std::string(rest);
    }

    void End() {
        if (!Trim(rest_).empty()) {
            throw CommandError(Usage("too many arguments"));
        }
    }

    std::string Usage(const std::string& problem) const {
        return std::string(command_) + ": " + problem;
    }

private:
    std::string_view command_;
    std::string_view rest_;
};

std::optional<std::int32_t> GridValue(LineReader& reader) {
    const std::string_view word = reader.OptionalWord();
    if (word == "null") {
        return std::nullopt;
    }
    const auto value = ParseInt32(word);
    if (!value) {
        throw CommandError(reader.Usage("grid value must be a number or null"));
    }
    return value;
}

std::optional<HostWindow> WindowValue(LineReader& reader) {
    const std::string_view word = reader.OptionalWord();
    if (word.empty()) {
        return std::nullopt;
    }
    if (word == "DB") {
        return HostWindow::DB;
    }
    if (word == "DJ") {
        return HostWindow::DJ;
    }
    throw CommandError(reader.Usage("window must be DB or DJ"));
}

HostCommand ParseArguments(std::string_view name, LineReader& reader) {
    HostCommand cmd;
    if (name == "show") {
        cmd.kind = CommandKind::Show;
        cmd.nid = reader.Number("nid");
    } else if (name == "order") {
        cmd.kind = CommandKind::Order;
    } else if (name == "rename") {
        cmd.kind = CommandKind::Rename;
        cmd.nid = reader.Number("nid");
        cmd.text = reader.Rest("name");
    } else if (name == "grid") {
        cmd.kind = CommandKind::Grid;
        cmd.nid = reader.Number("nid");
        cmd.grid = GridValue(reader);
    } else if (name == "delete") {
        cmd.kind = CommandKind::Delete;
        cmd.nid = reader.Number("nid");
    } else if (name == "add") {
        cmd.kind = CommandKind::Add;
        cmd.nid = reader.Number("nid");
        cmd.count = reader.Count();
    } else if (name == "remove") {
        cmd.kind = CommandKind::Remove;
        cmd.nid = reader.Number("nid");
        cmd.count = reader.Count();
        if (const std::string_view word = reader.OptionalWord(); !word.empty()) {
            cmd.position = ParseInt32(word);
            if (!cmd.position || *cmd.position < 0) {
                throw CommandError(reader.Usage("position must be a number from 0"));
            }
        }
    } else if (name == "shuffle") {
        cmd.kind = CommandKind::Shuffle;
    } else if (name == "handles") {
        cmd.kind = CommandKind::Handles;
    } else if (name == "close") {
        cmd.kind = CommandKind::Close;
        cmd.window = WindowValue(reader);
    } else if (name == "screenshot") {
        cmd.kind = CommandKind::Screenshot;
        cmd.text = reader.Rest("file");
    } else {
        throw CommandError("unknown command: " + std::string(name));
    }
    reader.End();
    return cmd;
}

} // namespace

HostCommand ParseHostCommand(std::string_view line) {
    std::string_view rest = line;
    const std::string_view name = TakeWord(rest);
    if (name.empty()) {
        throw CommandError("empty command");
    }
    LineReader reader(name, rest);
    return ParseArguments(name, reader);
}

std::string_view WindowName(HostWindow window) {
    return window == HostWindow::DB ? "DB" : "DJ";
}

} // namespace karusello::hostsim
