// twopoint-calc: the command-line calculator over the program's libraries.
#include <cstdio>
#include <iostream>
#include <string>

#include "cli/batch_run.h"
#include "cli/operation.h"
#include "twopoint_version.h"

namespace {

const cli::OptionSpec* FindOwnOption(const cli::Operation& op, const std::string& name) {
    for (const auto& o : op.options)
        if (o.name == name) return &o;
    return nullptr;
}

void PrintOperationHelp(const cli::Operation& op, std::ostream& out) {
    if (cli::FindPrepare(op.name))
        out << "twopoint-calc " << op.name << " [OPTIONS] [FILE...] [-o FILE]\n\n" << op.help << "\n\n";
    else
        out << "twopoint-calc " << op.name << " [OPTIONS] < input > output\n\n" << op.help << "\n\n";
    out << "Input fields:  " << op.input_fields << "\nOutput fields: " << op.output_fields << "\n";
    out << "Options:\n";
    for (const auto& opt : op.options)
        out << "  --" << opt.name << (opt.takes_value ? " VALUE" : "") << "\t" << opt.help << "\n";
    for (const auto& opt : cli::CommonOptions())
        out << "  --" << opt.name << (opt.takes_value ? " VALUE" : "") << "\t" << opt.help << "\n";
    if (!cli::FindPrepare(op.name)) return;
    for (const auto& opt : cli::BatchOptions()) {
        if (FindOwnOption(op, opt.name)) continue;
        out << (opt.name.size() == 1 ? "  -" : "  --") << opt.name << (opt.takes_value ? " VALUE" : "") << "\t"
            << opt.help << "\n";
    }
}

void PrintHelp(std::ostream& out) {
    out << "twopoint-calc OPERATION [OPTIONS] [FILE...] [-o FILE]\n"
           "twopoint-calc OPERATION --help\n"
           "twopoint-calc --version\n\n"
           "One record per input line, fields separated by blanks, tabs or commas;\n"
           "one output line per input line. Angles in decimal degrees, lengths in metres.\n\n"
           "Operations:\n";
    for (const auto& [name, op] : cli::Registry())
        out << "  " << name << "\t" << op.input_fields << "  ->  " << op.output_fields << "\n";
}

const cli::OptionSpec* FindOption(const cli::Operation& op, const std::string& name) {
    if (const auto* own = FindOwnOption(op, name)) return own;
    static std::vector<cli::OptionSpec> common = cli::CommonOptions();
    for (const auto& o : common)
        if (o.name == name) return &o;
    static std::vector<cli::OptionSpec> batch = cli::BatchOptions();
    if (cli::FindPrepare(op.name))
        for (const auto& o : batch)
            if (o.name == name) return &o;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        PrintHelp(std::cout);
        return argc < 2 ? 2 : 0;
    }
    if (std::string(argv[1]) == "--version") {
        std::cout << "twopoint-calc " << TWOPOINT_VERSION << "\n";
        return 0;
    }
    const auto& registry = cli::Registry();
    auto it = registry.find(argv[1]);
    if (it == registry.end()) {
        std::cerr << "twopoint-calc: unknown operation '" << argv[1] << "' (see twopoint-calc --help)\n";
        return 2;
    }
    const cli::Operation& op = it->second;
    cli::Arguments args;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-o") a = "--o";  // the output file, as compilers and converters name it
        if (a.rfind("--", 0) != 0) {
            args.positional.push_back(a);
            continue;
        }
        std::string name = a.substr(2), value;
        bool has_inline_value = false;
        if (auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            has_inline_value = true;
        }
        const cli::OptionSpec* spec = FindOption(op, name);
        if (!spec) {
            std::cerr << "twopoint-calc " << op.name << ": unknown option --" << name << "\n";
            return 2;
        }
        if (!spec->takes_value) {
            args.flags.push_back(name);
            continue;
        }
        if (!has_inline_value) {
            if (i + 1 >= argc) {
                std::cerr << "twopoint-calc " << op.name << ": option --" << name << " needs a value\n";
                return 2;
            }
            value = argv[++i];
        }
        args.options[name] = value;
    }
    if (args.Has("help")) {
        PrintOperationHelp(op, std::cout);
        return 0;
    }
    if (const auto* prepare = cli::FindPrepare(op.name)) return cli::RunBatch(op, *prepare, args);
    int status = 0;
    try {
        status = op.run(args, std::cin, std::cout);
    } catch (const std::exception& e) {
        std::cerr << "twopoint-calc " << op.name << ": " << e.what() << "\n";
        status = cli::kStatusUsage;
    }
    // A full disk or a closed pipe must not pass for success.
    std::cout.flush();
    // An operation that failed has said why (session names its own write failures).
    const bool written = std::cout.good() && std::fclose(stdout) == 0;
    if (!written && status == 0) {
        std::cerr << "twopoint-calc " << op.name << ": cannot write the output\n";
        return cli::kStatusInputOutput;
    }
    return status;
}
