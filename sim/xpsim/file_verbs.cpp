// Verbs with which a scenario checks and prepares files and labels its output.
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "output.h"
#include "verbs.h"
#include "xpsim.h"

namespace fs = std::filesystem;

namespace xpsim::runner {
namespace {

// How much of the log earlier `log` verbs have shown.
size_t logShown = 0;
std::string scriptFolder;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) out.push_back(line);
    return out;
}

std::string joined(const Words& args, size_t from) {
    std::string text;
    for (size_t i = from; i < args.size(); ++i) {
        if (i > from) text += ' ';
        text += args[i];
    }
    return text;
}

bool log(const Words&, std::string*) {
    std::string text = logText();
    if (logShown > text.size()) logShown = 0;
    for (const auto& line : lines(text.substr(logShown))) printLine("log: " + line);
    logShown = text.size();
    return true;
}

bool cat(const Words& args, std::string*) {
    std::string path = underRoot(args[0]);
    std::error_code error;
    std::ifstream in(path, std::ios::binary);
    if (fs::is_directory(path, error) || !in) {
        printLine("cat: " + args[0] + " missing");
        return true;
    }
    std::ostringstream content;
    content << in.rdbuf();
    for (const auto& line : lines(content.str())) printLine(args[0] + ": " + line);
    return true;
}

bool exists(const Words& args, std::string*) {
    std::error_code error;
    printLine(args[0] + (fs::exists(underRoot(args[0]), error) ? " exists" : " missing"));
    return true;
}

// "\n" in the text stands for a line break.
bool write(const Words& args, std::string* error) {
    std::string text = joined(args, 1);
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1))
        text.replace(at, 2, "\n");
    fs::path path = underRoot(args[0]);
    std::error_code ignored;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text << '\n';
    out.close();
    if (!out) return fail(error, "cannot write " + args[0]);
    return true;
}

// The source lies beside the script (unless absolute), the copy under the root.
bool copy(const Words& args, std::string* error) {
    fs::path source = args[0];
    if (source.is_relative()) source = fs::path(scriptFolder) / source;
    fs::path destination = underRoot(args[1]);
    std::error_code failure;
    if (destination.has_parent_path()) fs::create_directories(destination.parent_path(), failure);
    fs::copy_file(source, destination, fs::copy_options::overwrite_existing, failure);
    if (failure) return fail(error, "cannot copy " + args[0] + ": " + failure.message());
    return true;
}

bool remove(const Words& args, std::string* error) {
    std::error_code failure;
    fs::remove_all(underRoot(args[0]), failure);
    if (failure) return fail(error, "cannot remove " + args[0] + ": " + failure.message());
    return true;
}

bool chmod(const Words& args, std::string* error) {
    char* end = nullptr;
    errno = 0;
    long mode = std::strtol(args[0].c_str(), &end, 8);
    if (args[0].empty() || *end != '\0' || errno != 0 || mode < 0 || mode > 07777)
        return fail(error, "bad mode " + args[0]);
    std::error_code failure;
    fs::permissions(underRoot(args[1]), static_cast<fs::perms>(mode), fs::perm_options::replace,
                    failure);
    if (failure) return fail(error, "cannot chmod " + args[1] + ": " + failure.message());
    return true;
}

bool echo(const Words& args, std::string*) {
    printLine(joined(args, 0));
    return true;
}

}  // namespace

void setScriptFolder(const std::string& folder) { scriptFolder = folder; }

const Verb kFileVerbs[] = {
    {"log", 0, 0, "log", log},
    {"cat", 1, 1, "cat FILE", cat},
    {"exists", 1, 1, "exists FILE", exists},
    {"write", 1, -1, "write FILE TEXT", write},
    {"copy", 2, 2, "copy SOURCE FILE", copy},
    {"remove", 1, 1, "remove FILE", remove},
    {"chmod", 2, 2, "chmod MODE FILE", chmod},
    {"echo", 0, -1, "echo TEXT", echo},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner
