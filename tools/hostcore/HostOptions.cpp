#include "tools/hostcore/HostOptions.h"

#include "core/os/Utf8Path.h"
#include "tools/hostcore/Numbers.h"

#include <cstddef>

namespace karusello::hostsim {
namespace {

// Splits "--name=value" into its two parts; a bare "--name" has no value yet.
struct Argument {
    std::string name;
    std::optional<std::string> value;
};

Argument Split(const std::string& arg) {
    const auto eq = arg.find('=');
    if (arg.rfind("--", 0) != 0 || eq == std::string::npos) {
        return {arg, std::nullopt};
    }
    return {arg.substr(0, eq), arg.substr(eq + 1)};
}

class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

    bool AtEnd() const { return next_ >= args_.size(); }
    Argument Next() { return Split(args_[next_++]); }

    // The option's value: after "=" or the next argument.
    std::string ValueOf(const Argument& arg) {
        if (arg.value) {
            return *arg.value;
        }
        if (AtEnd()) {
            throw UsageError(arg.name + " needs a value");
        }
        return args_[next_++];
    }

private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
};

void RefuseValue(const Argument& arg) {
    if (arg.value) {
        throw UsageError(arg.name + " takes no value");
    }
}

// The arguments are UTF-8: on Windows a path made from them directly would be read in the ANSI
// code page, and a host folder with other letters would not be found.
std::filesystem::path PathValue(ArgumentReader& reader, const Argument& arg) {
    const std::string value = reader.ValueOf(arg);
    if (value.empty()) {
        throw UsageError(arg.name + " needs a non-empty path");
    }
    return Utf8Path(value);
}

} // namespace

HostOptions ParseHostOptions(const std::vector<std::string>& args) {
    HostOptions options;
    ArgumentReader reader(args);
    while (!reader.AtEnd()) {
        const Argument arg = reader.Next();
        if (arg.name == "--host") {
            options.host = PathValue(reader, arg);
        } else if (arg.name == "--plugin") {
            options.plugin = PathValue(reader, arg);
        } else if (arg.name == "--log") {
            options.log = PathValue(reader, arg);
        } else if (arg.name == "--show") {
            const std::string value = reader.ValueOf(arg);
            options.show = ParseInt32(value);
            if (!options.show) {
                throw UsageError("--show needs a playlist number, not \"" + value + "\"");
            }
        } else if (arg.name == "--skin") {
            options.skin = PathValue(reader, arg);
        } else if (arg.name == "--big") {
            const std::string value = reader.ValueOf(arg);
            const auto big = ParseInt32(value);
            if (!big || *big < 0) {
                throw UsageError("--big needs a number of entries, not \"" + value + "\"");
            }
            options.big = *big;
        } else if (arg.name == "--create") {
            RefuseValue(arg);
            options.create = true;
        } else if (arg.name == "--no-windows") {
            RefuseValue(arg);
            options.windows = false;
        } else if (arg.name == "--help" || arg.name == "-h") {
            options.help = true;
        } else {
            throw UsageError("unknown argument \"" + arg.name + "\"");
        }
    }
    if (options.help) {
        return options;
    }
    if (options.host.empty()) {
        throw UsageError("--host <folder> is required");
    }
    if ((options.skin || options.big > 0) && !options.create) {
        throw UsageError("--skin and --big belong to --create");
    }
    return options;
}

} // namespace karusello::hostsim
