// Writes the page's side of every call between the core and the page, from
// the one table of them (page_bridge.h):
//   page_imports.js     the imports, each handed to Page (page.js) with
//                       JavaScript values (emcc --js-library)
//   page_exports.js     Module.PageExports(), each export wrapped with its
//                       types for Page (emcc --post-js)
//   suspending_imports  the imports that suspend a press, a line each
//                       (-sASYNCIFY_IMPORTS=@)
//   make_bridge OUTPUT_DIR
#include "web/page_bridge.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Parameter {
    std::string type; // "const char*"
    std::string name;
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// "(const char* id, int colour)": the type of each, and its name, the last word.
std::vector<Parameter> Parameters(const hc::bridge::Call& call) {
    std::string_view list = call.parameters.substr(1, call.parameters.size() - 2);
    std::vector<Parameter> parameters;
    while (!Trimmed(list).empty()) {
        const auto comma = list.find(',');
        const std::string one = Trimmed(list.substr(0, comma));
        const auto space = one.find_last_of(" *");
        if (space == std::string::npos)
            throw std::runtime_error(std::string(call.name) + ": a parameter needs a name");
        parameters.push_back({Trimmed(one.substr(0, space + 1)), one.substr(space + 1)});
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return parameters;
}

// hc_page_set_width → SetWidth; hc_view_window → viewWindow.
std::string Method(std::string_view name, std::string_view prefix, bool capitalFirst) {
    std::string method;
    bool capital = capitalFirst;
    for (const char c : name.substr(prefix.size())) {
        if (c == '_') {
            capital = true;
        } else {
            method += capital ? static_cast<char>(c - 'a' + 'A') : c;
            capital = false;
        }
    }
    return method;
}

[[noreturn]] std::string Unsupported(const hc::bridge::Call& call, const std::string& type) {
    throw std::runtime_error(std::string(call.name) + ": the page is given no value for " + type);
}

// One import, as emscripten's library of the page has it.
std::string Import(const hc::bridge::Call& call) {
    const std::vector<Parameter> parameters = Parameters(call);
    std::string names, values;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const Parameter& p = parameters[i];
        names += (i ? ", " : "") + p.name;
        values += values.empty() ? "" : ", ";
        if (p.type == "int" || p.type == "double") {
            values += p.name;
        } else if (p.type == "const char*") {
            values += "UTF8ToString(" + p.name + ")";
        } else if (p.type == "const int*" && i + 1 < parameters.size() &&
                   parameters[i + 1].type == "int") {
            const std::string& length = parameters[i + 1].name;
            names += ", " + length;
            values +=
                "HEAP32.subarray(" + p.name + " >> 2, (" + p.name + " >> 2) + " + length + ")";
            ++i;
        } else {
            Unsupported(call, p.type);
        }
    }
    const std::string page = "Page." + Method(call.name, "hc_page_", true);
    std::string body;
    if (call.suspends) {
        // The values are read at once: the press is suspended only after.
        if (call.result != "void")
            Unsupported(call, std::string(call.result) + " from a call that suspends");
        body = "return Asyncify.handleSleep(function (wakeUp) { " + page + "(" + values +
               ").then(wakeUp); });";
    } else if (call.result == "void") {
        body = page + "(" + values + ");";
    } else if (call.result == "char*") {
        body = "const text = " + page + "(" + values +
               ");\n    const size = lengthBytesUTF8(text) + 1;\n    const copy = _malloc(size);\n"
               "    stringToUTF8(text, copy, size);\n    return copy;";
    } else {
        Unsupported(call, std::string(call.result));
    }
    std::string entry;
    if (call.result == "char*")
        entry += "  " + std::string(call.name) + "__deps: ['malloc'],\n";
    return entry + "  " + std::string(call.name) + ": function (" + names + ") {\n    " + body +
           "\n  },\n";
}

std::string CwrapType(const hc::bridge::Call& call, std::string_view type) {
    if (type == "void")
        return "null";
    if (type == "int" || type == "double")
        return "'number'";
    if (type == "const char*")
        return "'string'";
    return Unsupported(call, std::string(type));
}

// One export, wrapped for Page.
std::string Export(const hc::bridge::Call& call) {
    std::string types;
    for (const Parameter& p : Parameters(call))
        types += (types.empty() ? "" : ", ") + CwrapType(call, p.type);
    return "    " + Method(call.name, "hc_", false) + ": cwrap('" + std::string(call.name) + "', " +
           CwrapType(call, call.result) + ", [" + types + "]" +
           (call.suspends ? ", { async: true }" : "") + "),\n";
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

constexpr std::string_view kWritten =
    "// Written by make_bridge from src/web/page_bridge.h, which declares every\n"
    "// call between the core and the page: edit that table, not this file.\n";

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: make_bridge OUTPUT_DIR\n", stderr);
        return 2;
    }
    try {
        const std::string output = argv[1];
        std::string imports = std::string(kWritten) + "mergeInto(LibraryManager.library, {\n";
        std::string suspending;
        for (const auto& call : hc::bridge::kImports) {
            imports += Import(call);
            if (call.suspends)
                suspending += std::string(call.name) + "\n";
        }
        imports += "});\n";
        std::string exports =
            std::string(kWritten) + "Module['PageExports'] = function () {\n  return {\n";
        for (const auto& call : hc::bridge::kExports)
            exports += Export(call);
        exports += "  };\n};\n";
        Write(output + "/page_imports.js", imports);
        Write(output + "/page_exports.js", exports);
        Write(output + "/suspending_imports", suspending);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_bridge: %s\n", error.what());
        return 1;
    }
    return 0;
}
