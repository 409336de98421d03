// Reading a command line through getopt_long, with the messages and help of a GNU program.
#include "shell/command_line.h"

#include "shell/message_box.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <getopt.h>
#include <sys/stat.h>
#include <unistd.h>

// The package's version; the build sets it.
#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "unknown"
#endif

namespace {

const OptionSpec kHelp{"--help", nullptr, FileUse::None, "print this help and exit"};
const OptionSpec kVersion{"--version", nullptr, FileUse::None, "print the version and exit"};

std::string usageLine(std::span<const OptionSpec> table, const ProgramSyntax& syntax)
{
    std::string line = std::string("Usage: ") + program_invocation_short_name;
    for (const OptionSpec& option : table)
        line += std::string(" [") + option.name + (option.argument ? std::string(" ") + option.argument : "") + "]";
    if (syntax.operand != nullptr)
        line += std::string(" [") + syntax.operand + "]";
    return line;
}

void printHelp(std::span<const OptionSpec> table, const ProgramSyntax& syntax)
{
    std::printf("%s\n%s\n\nOptions:\n", usageLine(table, syntax).c_str(), syntax.purpose);
    auto row = [](const std::string& left, const char* help) { std::printf("  %-20s %s\n", left.c_str(), help); };
    for (const OptionSpec* option : {&kHelp, &kVersion})
        row(option->name, option->help);
    for (const OptionSpec& option : table)
        row(std::string(option.name) + (option.argument ? std::string(" ") + option.argument : ""), option.help);
    if (syntax.operand != nullptr)
        row(syntax.operand, syntax.operandHelp);
}

CommandLine misused(const std::string& line, std::span<const OptionSpec> table, const ProgramSyntax& syntax)
{
    SayOnStderr(line);
    std::fprintf(stderr, "%s\n", usageLine(table, syntax).c_str());
    return CommandLine::Misused;
}

// The getopt_long message for the option that was refused; optopt holds the
// option's number when it was a known one.
std::string refusal(int result, char** argv, const std::vector<option>& longOptions,
                    std::span<const OptionSpec> table)
{
    const char* word = argv[optind - 1];
    if (optopt > 0 && static_cast<size_t>(optopt) < longOptions.size()) {
        const std::string name = std::string("--") + longOptions[optopt - 1].name;
        if (result == ':')
            return "option '" + name + "' needs a " + table[optopt - 1].argument;
        return "option '" + name + "' takes no argument";
    }
    if (optopt > 0 && word[0] == '-' && word[1] != '-')
        return std::string("unknown option '-") + static_cast<char>(optopt) + "'";
    return std::string("unknown option '") + word + "'";
}

bool filesUsable(const std::vector<OptionGiven>& given, std::span<const OptionSpec> table, const std::string& operand)
{
    auto usable = [](const std::string& path, FileUse use) {
        const std::string problem = FileProblem(path, use);
        if (!problem.empty())
            SayOnStderr(path + ": " + problem);
        return problem.empty();
    };
    for (const OptionGiven& g : given)
        if (!usable(g.value, table[g.row].use))
            return false;
    return operand.empty() || usable(operand, FileUse::Script);
}

}  // namespace

int ExitStatus(CommandLine outcome)
{
    return outcome == CommandLine::Misused ? 2 : 0;
}

CommandLine ReadCommandLine(int argc, char** argv, std::span<const OptionSpec> table, const ProgramSyntax& syntax,
                            std::vector<OptionGiven>& given, std::string& operand)
{
    std::vector<option> longOptions;
    for (size_t i = 0; i < table.size(); ++i)
        longOptions.push_back({table[i].name + 2, table[i].argument ? required_argument : no_argument, nullptr,
                               static_cast<int>(i + 1)});
    const int help = static_cast<int>(table.size() + 1), version = help + 1;
    longOptions.push_back({kHelp.name + 2, no_argument, nullptr, help});
    longOptions.push_back({kVersion.name + 2, no_argument, nullptr, version});
    longOptions.push_back({nullptr, 0, nullptr, 0});

    opterr = 0;  // the messages are ours, after the program's short name
    optind = 0;  // from the start, whatever was read before
    for (int result; (result = getopt_long(argc, argv, ":", longOptions.data(), nullptr)) != -1;) {
        if (result == help) {
            printHelp(table, syntax);
            return CommandLine::Done;
        }
        if (result == version) {
            std::printf("%s %s\n", program_invocation_short_name, QUORVEL_VERSION);
            return CommandLine::Done;
        }
        if (result == '?' || result == ':')
            return misused(refusal(result, argv, longOptions, table), table, syntax);
        const OptionSpec& option = table[result - 1];
        if (option.argument != nullptr && optarg[0] == '\0')
            return misused(std::string("option '") + option.name + "' needs a " + option.argument, table, syntax);
        given.push_back({static_cast<size_t>(result - 1), option.argument ? optarg : ""});
    }
    operand.clear();
    for (int i = optind; i < argc; ++i) {
        if (syntax.operand == nullptr || i > optind)
            return misused(std::string("unexpected argument '") + argv[i] + "'", table, syntax);
        operand = std::strcmp(argv[i], "-") == 0 ? "" : argv[i];
    }
    return filesUsable(given, table, operand) ? CommandLine::Run : CommandLine::Misused;
}

std::string FileProblem(const std::string& path, FileUse use)
{
    struct stat info;
    if (use == FileUse::Output) {
        if (::stat(path.c_str(), &info) == 0) {
            if (S_ISDIR(info.st_mode))
                return "is a folder";
            return ::access(path.c_str(), W_OK) == 0 ? "" : std::string("cannot write: ") + std::strerror(errno);
        }
        const size_t slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
        return ::access(folder.c_str(), W_OK | X_OK) == 0 ? "" : std::string("cannot write: ") + std::strerror(errno);
    }
    if (use != FileUse::Script)
        return "";
    if (::stat(path.c_str(), &info) != 0)
        return std::string("cannot read: ") + std::strerror(errno);
    if (S_ISDIR(info.st_mode))
        return "is a folder";
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::string("cannot read: ") + std::strerror(errno);
    // A script is text: a control character other than blanks means some other kind of file.
    char head[65536];
    file.read(head, sizeof head);
    for (std::streamsize i = 0; i < file.gcount(); ++i) {
        const unsigned char c = static_cast<unsigned char>(head[i]);
        if ((c < 0x20 && (c == 0 || !std::strchr("\t\n\v\f\r", c))) || c == 0x7f)
            return "not a replay script: it holds binary data";
    }
    return "";
}
