// Command lines read as GNU programs read theirs: long options from one table,
// --help and --version, at most one file operand, and the files checked first.
#pragma once
#include <span>
#include <string>
#include <variant>
#include <vector>

// What a file named on the command line must be; it is checked before anything starts.
enum class FileUse {
    None,
    Script,  // an existing, readable text file (a recording or a replay script)
    Output,  // a file that can be written (nothing is created or truncated by the check)
};

struct OptionSpec {
    const char* name;      // "--record"
    const char* argument;  // "FILE"; nullptr for a switch
    FileUse use;
    const char* help;      // one line of --help
};

struct ProgramSyntax {
    const char* purpose;           // the line under the usage in --help
    const char* operand = nullptr; // "SCRIPT": one optional file operand; nullptr for none
    const char* operandHelp = nullptr;
};

enum class CommandLine {
    Run,      // go on with the options read
    Done,     // --help or --version was printed: exit 0
    Misused,  // a line (and the usage) went to standard error: exit 2
};
int ExitStatus(CommandLine outcome);

struct OptionGiven {
    size_t row;  // in the option table
    std::string value;
};

// Reads argv against the table; on Run, `given` holds the options in order and
// `operand` the operand ("" for none, or for "-").
CommandLine ReadCommandLine(int argc, char** argv, std::span<const OptionSpec> table, const ProgramSyntax& syntax,
                            std::vector<OptionGiven>& given, std::string& operand);

// Why the file cannot serve as `use` ("is a folder", "cannot read: Permission denied",
// "not a text file"), or "" when it can.
std::string FileProblem(const std::string& path, FileUse use);

// A program's options as one table of rows, each naming the field it sets: an
// option is one row.
template <class Options>
struct OptionRow {
    OptionSpec spec;
    std::variant<bool Options::*, std::string Options::*> field;
};

template <class Options>
CommandLine ReadOptions(int argc, char** argv, std::span<const OptionRow<Options>> rows, const ProgramSyntax& syntax,
                        Options& options, std::string& operand)
{
    std::vector<OptionSpec> table;
    for (const OptionRow<Options>& row : rows)
        table.push_back(row.spec);
    std::vector<OptionGiven> given;
    const CommandLine outcome = ReadCommandLine(argc, argv, table, syntax, given, operand);
    for (const OptionGiven& g : given) {
        if (auto* flag = std::get_if<bool Options::*>(&rows[g.row].field))
            options.*(*flag) = true;
        else
            options.*std::get<std::string Options::*>(rows[g.row].field) = g.value;
    }
    return outcome;
}
