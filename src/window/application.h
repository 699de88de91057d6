#pragma once

#include <QApplication>
#include <memory>
#include <optional>

namespace hc {

// The program's application object, named, with its windows' icon (given
// after the first frame) and Qt's own texts in the user's language. Where no display can be opened
// it says so in one line, naming the display, and ends the program with status 1 (Qt alone would
// abort with a page about platform plugins).
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

// --help and --version, answered on standard output with no display needed:
// the exit status, or nothing when the window is to open.
std::optional<int> AnswerCommandLine(int argc, char** argv);

} // namespace hc
