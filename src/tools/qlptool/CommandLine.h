#pragma once

#include <CLI/CLI.hpp>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CKORVANEXDoc;
class CToolServices;

// What every qlptool command shares. The program speaks Japanese, so its command line does too:
// help texts, CLI11's own refusals and the commands' failures. Everything qlptool writes to
// stderr is a line starting with "qlptool: ".

// Japanese help, Japanese refusals, and one command required. Call before adding commands:
// they inherit all of it.
void SetUpCommandLine(CLI::App& app);

// A command with its own --help. run is called once the whole command line has been accepted;
// its result is the exit code.
CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description,
                     std::function<int()> run);

// Parses and runs the chosen command. Exit code 0, or 1 after one message on stderr; --help
// prints to stdout.
int RunCommandLine(CLI::App& app, int argc, char* argv[]);

// A whole number in decimal from low to high. It is handed on without leading zeros, because
// CLI11 would read "020" as octal.
CLI::Validator WholeNumberIn(int low, int high);

// One of the given words, handed on as its number.
CLI::Validator OneOf(std::vector<std::pair<std::string, int>> words);

// Columns a UTF-8 text takes in a terminal: Japanese characters take two.
std::size_t DisplayWidth(std::string_view text);

// Writes "qlptool: message" on stderr.
void Say(std::string_view message);
// Says the message; the exit code 1.
int Fail(std::string_view message);

// Loads the drawing, or reports why it could not and returns false.
bool OpenDrawing(CKORVANEXDoc& doc, const std::string& fileName, const CToolServices& services);
